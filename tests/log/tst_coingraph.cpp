#include "config/basIniProc.h"
#include "log/CoinGraph.h"
#include "platform/QtPlatform.h"

#include <QScreen>
#include <QtTest>
#include <filesystem>
#include <set>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);

// The colours present; lines drawn without antialiasing add no others.
std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

// Lines are two pixels wide and their ends fall on the rounding of twips to
// pixels, so a point is looked for within a small square.
bool ColourNear(const QImage& image, double xTwips, double yTwips, QRgb colour) {
    const QPoint at(platform::TwipsToPixels(xTwips), platform::TwipsToPixels(yTwips));
    return Colours(image.copy(QRect(at - QPoint(2, 2), QSize(5, 5)))).count(colour) != 0;
}

} // namespace

class TestCoinGraph : public QObject {
    Q_OBJECT

  private slots:
    // One walk on the green table, where nothing of the table may show through the box.
    void drawsTheLogAndKeepsTheDrawing() {
        QTemporaryDir folder;
        basIniProc::strAppPath = folder.path().toStdString() + "/";
        QWidget table;
        table.setPalette(QPalette(Qt::green));
        table.setAutoFillBackground(true);
        table.resize(700, 400);
        CoinGraphBox* box = new CoinGraphBox(&table);
        box->setGeometry(10, 10, 400, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const auto shot = [&] { // what reached the screen, not a fresh rendering
            return table.screen()
                ->grabWindow(table.winId(), box->x(), box->y(), box->width(), box->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        const std::set<QRgb> axisOnly{kBlack, kWhite};
        const std::set<QRgb> withLine{kBlack, kWhite, kYellow};
        basLog::DrawCoinGraph(box);
        QCOMPARE(Colours(shot()), axisOnly);

        // 300 is the largest magnitude: its game touches the top edge, at three
        // quarters of the width; the first game's 50 is a sixth above the axis.
        for (const int coins : {50, -120, 300}) {
            basLog::AppendLog({1, coins, 1, 0, 1, 0});
        }
        basLog::DrawCoinGraph(box);
        const QImage drawn = shot();
        const double w = platform::PixelsToTwips(400);
        const double h = platform::PixelsToTwips(200);
        QCOMPARE(Colours(drawn), withLine);
        QVERIFY(ColourNear(drawn, 0, h / 2, kYellow));
        QVERIFY(ColourNear(drawn, w / 4, h / 2 - h / 12, kYellow));
        QVERIFY(ColourNear(drawn, w * 3 / 4, 0, kYellow));
        QVERIFY(!Colours(drawn.copy(platform::TwipsToPixels(w * 3 / 4) + 3, 0, 400, 200))
                     .count(kYellow));
        QVERIFY(ColourNear(drawn, w * 0.98, h / 2, kWhite));

        // Until the next drawing it stays as drawn, through hiding and resizing.
        table.hide();
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(shot(), drawn);
        box->resize(600, 320);
        QTRY_COMPARE(Colours(shot()), withLine);
        QCOMPARE(shot().copy(0, 0, 400, 200), drawn);
    }
};

QTEST_MAIN(TestCoinGraph)
#include "tst_coingraph.moc"
