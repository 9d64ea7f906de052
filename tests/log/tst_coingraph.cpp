#include "config/basIniProc.h"
#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"
#include "support/Columns.h"

#include <QScreen>
#include <QtTest>
#include <filesystem>
#include <set>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);

// The colours present, in order of their values; lines drawn without antialiasing
// add no others.
QList<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return {colours.begin(), colours.end()};
}

// Lines are up to two pixels wide and the ends of a line fall on the rounding of
// twips to pixels, so a point is found within a small square around it.
bool ColourNear(const QImage& image, double xTwips, double yTwips, QRgb colour) {
    const QPoint at(platform::TwipsToPixels(xTwips), platform::TwipsToPixels(yTwips));
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

} // namespace

class TestCoinGraph : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<QWidget> table;
    CoinGraphBox* box = nullptr;

    double Width() const { return platform::PixelsToTwips(box->width()); }
    double Height() const { return platform::PixelsToTwips(box->height()); }

    QImage Drawn() {
        basLog::DrawCoinGraph(box);
        return Shot();
    }
    // What reached the screen, not a fresh rendering of the box.
    QImage Shot() {
        return table->screen()
            ->grabWindow(table->winId(), box->x(), box->y(), box->width(), box->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The axis runs white across the middle, where the line does not cover it.
    void VerifyAxis(const QImage& image) {
        for (const double share : {0.02, 0.5, 0.98}) {
            const double x = Width() * share;
            QVERIFY2(ColourNear(image, x, Height() / 2, kWhite) ||
                         ColourNear(image, x, Height() / 2, kYellow),
                     qPrintable(QString("no axis at %1").arg(share)));
        }
    }

  private slots:
    void init() {
        QVERIFY(folder.isValid());
        basIniProc::strAppPath = folder.path().toStdString() + "/";
        std::filesystem::remove(basLog::LogFilePath());
        // On the green table, where nothing of the table may show through the box.
        table = std::make_unique<QWidget>();
        table->setPalette(QPalette(Qt::green));
        table->setAutoFillBackground(true);
        table->resize(700, 400);
        box = new CoinGraphBox(table.get());
        box->setGeometry(10, 10, 400, 200);
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
    }

    void cleanup() { table.reset(); }

    void drawsTheLoggedBalances_data() {
        Columns<QList<int>, double>("balances", "lastHeightShare");
        QTest::newRow("no log: the axis alone") << QList<int>{} << 0.0;
        QTest::newRow("one positive game on the top edge") << QList<int>{100} << 0.0;
        QTest::newRow("small balance above the axis") << QList<int>{50} << 0.25;
        QTest::newRow("through zero down to -300") << QList<int>{120, 0, -300} << 1.0;
    }

    void drawsTheLoggedBalances() {
        QFETCH(QList<int>, balances);
        QFETCH(double, lastHeightShare);
        for (int i = 0; i < balances.size(); ++i) {
            basLog::AppendLog({i + 1, balances[i], 1, 0, i + 1, 0});
        }
        const QImage image = Drawn();
        VerifyAxis(image);
        if (balances.isEmpty()) {
            QCOMPARE(Colours(image), (QList<QRgb>{kBlack, kWhite}));
            return;
        }
        QCOMPARE(Colours(image), (QList<QRgb>{kBlack, kYellow, kWhite}));
        QVERIFY2(ColourNear(image, 0, Height() / 2, kYellow), "the line starts off the axis");
        const double lastX = Width() * 3 / 4;
        QVERIFY2(ColourNear(image, lastX, Height() * lastHeightShare, kYellow),
                 "the last game is not where it belongs");
        const int beyond = platform::TwipsToPixels(lastX) + 3;
        QVERIFY(!Colours(image.copy(beyond, 0, image.width(), image.height())).contains(kYellow));
        // The first game's balance: above the axis when positive, below when negative.
        QVERIFY(ColourNear(image, lastX / static_cast<double>(balances.size()),
                           Height() / 2 - balances.front() * basLog::dblGraphScaleY, kYellow));
    }

    // Until the next drawing the picture stays as drawn, through hiding and resizing.
    void drawingLastsUntilTheNextOne() {
        basLog::AppendLog({1, 60, 1, 0, 1, 0});
        basLog::AppendLog({2, -40, 1, 0, 2, 0});
        const QImage before = Drawn();
        table->hide();
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
        QCOMPARE(Shot(), before);

        box->resize(600, 320);
        // The old drawing on black, where the table must not show through.
        QTRY_COMPARE(Colours(Shot()), (QList<QRgb>{kBlack, kYellow, kWhite}));
        VerifyAxis(Drawn());

        std::filesystem::remove(basLog::LogFilePath());
        QCOMPARE(Colours(Drawn()), (QList<QRgb>{kBlack, kWhite}));
    }
};

QTEST_MAIN(TestCoinGraph)
#include "tst_coingraph.moc"
