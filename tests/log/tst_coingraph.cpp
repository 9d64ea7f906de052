#include "config/basIniProc.h"
#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"
#include "support/Columns.h"

#include <QtTest>
#include <filesystem>
#include <set>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);

void LogBalances(const QList<int>& balances) {
    for (int i = 0; i < balances.size(); ++i) {
        basLog::AppendLog({i + 1, balances[i], 1, 0, i + 1, 0});
    }
}

// The box's inner size in twips, as the graph measures it.
QSizeF Twips(const QWidget& box) {
    return {platform::PixelsToTwips(box.width()), platform::PixelsToTwips(box.height())};
}

QPoint Pixel(double xTwips, double yTwips) {
    return {platform::TwipsToPixels(xTwips), platform::TwipsToPixels(yTwips)};
}

// Lines are up to two pixels wide and the ends of a line fall on the rounding of
// twips to pixels, so a point is found within a small square around it.
bool ColourNear(const QImage& image, QPoint at, QRgb colour) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.valid(p) && image.pixel(p) == colour) {
                return true;
            }
        }
    }
    return false;
}

std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

int CountOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QImage Shot(QWidget& box) {
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestCoinGraph : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<CoinGraphBox> box;

    void VerifyAxisAcross(const QImage& image) {
        const double middle = Twips(*box).height() / 2;
        for (const double share : {0.02, 0.5, 0.98}) {
            const QPoint at = Pixel(Twips(*box).width() * share, middle);
            QVERIFY2(ColourNear(image, at, kWhite) || ColourNear(image, at, kYellow),
                     qPrintable(QString("no axis at x=%1").arg(at.x())));
        }
    }

  private slots:
    void init() {
        QVERIFY(folder.isValid());
        basIniProc::strAppPath = folder.path().toStdString() + "/";
        std::filesystem::remove(basLog::LogFilePath());
        box = std::make_unique<CoinGraphBox>();
        box->resize(400, 200);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    }

    void cleanup() { box.reset(); }

    void noLogDrawsAxisAlone() {
        basLog::DrawCoinGraph(box.get());
        const QImage image = Shot(*box);
        VerifyAxisAcross(image);
        QCOMPARE(Colours(image), (std::set<QRgb>{kBlack, kWhite}));
    }

    void drawnGraphPixels_data() {
        Columns<QList<int>, double>("balances", "lastHeightShare");
        QTest::newRow("one positive game on the top edge") << QList<int>{100} << 0.0;
        QTest::newRow("one negative game on the bottom edge") << QList<int>{-100} << 1.0;
        QTest::newRow("small balance above the axis") << QList<int>{50} << 0.25;
        QTest::newRow("through zero down to -300") << QList<int>{120, 0, -300} << 1.0;
    }

    void drawnGraphPixels() {
        QFETCH(QList<int>, balances);
        QFETCH(double, lastHeightShare);
        LogBalances(balances);
        basLog::DrawCoinGraph(box.get());
        const QImage image = Shot(*box);
        const QSizeF size = Twips(*box);

        QCOMPARE(Colours(image), (std::set<QRgb>{kBlack, kWhite, kYellow}));
        VerifyAxisAcross(image);
        QVERIFY2(ColourNear(image, Pixel(0, size.height() / 2), kYellow),
                 "the line does not start at the axis's left end");
        const QPoint last = Pixel(size.width() * 3 / 4, size.height() * lastHeightShare);
        QVERIFY2(ColourNear(image, last, kYellow), "the last game is not where it belongs");
        // Nothing of the line beyond the left three quarters.
        const QImage rightQuarter =
            image.copy(QRect(last.x() + 3, 0, image.width(), image.height()));
        QCOMPARE(CountOf(rightQuarter, kYellow), 0);
        // The first game's balance: above the axis when positive, below when negative.
        const QPoint first = Pixel(size.width() * 3 / 4 / balances.size(),
                                   size.height() / 2 - balances.front() * basLog::dblGraphScaleY);
        QVERIFY(ColourNear(image, first, kYellow));
    }

    // Until the next drawing the picture stays as drawn, through hiding and resizing.
    void drawingLastsUntilTheNextOne() {
        LogBalances({60, -40, 90});
        basLog::DrawCoinGraph(box.get());
        const QImage before = Shot(*box);
        QVERIFY(CountOf(before, kYellow) > 0);
        box->hide();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(Shot(*box), before);

        box->resize(600, 320);
        QTRY_COMPARE(Shot(*box).size(), QSize(600, 320));
        QVERIFY(CountOf(Shot(*box), kYellow) > 0);
        basLog::DrawCoinGraph(box.get());
        const QImage image = Shot(*box);
        VerifyAxisAcross(image);
        QCOMPARE(Colours(image), (std::set<QRgb>{kBlack, kWhite, kYellow}));

        std::filesystem::remove(basLog::LogFilePath());
        basLog::DrawCoinGraph(box.get());
        QCOMPARE(CountOf(Shot(*box), kYellow), 0);
    }
};

QTEST_MAIN(TestCoinGraph)
#include "tst_coingraph.moc"
