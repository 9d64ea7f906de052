#include "game/GameFixture.h"
#include "platform/Yield.h"
#include "stats/frmDataView.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <limits>

// The statistics screen over a real game window. A fly-in's wait between steps runs
// one event pass at once here; ticks are driven one by one or by the screen's timers.
class TestDataView : public GameFixture {
    Q_OBJECT

    int yields = 0;
    int waited = 0;                            // ms, at the last wait of a fly-in
    std::function<void(frmDataView&)> onYield; // at each wait of a fly-in on the open screen
    QWidget screen;                            // 12000 x 9000 twips at 96 DPI, no frame

    // "left,top" of each label, or with `colours` their colours; repeats dropped.
    static QString Look(const frmDataView& v, const QList<QLabel*>& labels, bool colours = false) {
        QStringList looks;
        for (const QLabel* l : labels) {
            const TwipsRect& at = v.twips.Of(l);
            looks << (colours ? ForeColor(l).name() : QString("%1,%2").arg(at.left).arg(at.top));
        }
        looks.removeDuplicates();
        return looks.join(' ');
    }

  private slots:
    void initTestCase() {
        screen.resize(800, 600);
        platform::SetYieldHook([this](int ms) {
            ++yields;
            waited = ms;
            auto* view = qobject_cast<frmDataView*>(QApplication::activeModalWidget());
            if (view && onYield) {
                onYield(*view);
            }
            QCoreApplication::processEvents();
        });
    }

    void cleanupTestCase() { platform::SetYieldHook(nullptr); }

    // A label 150 off takes one step onto its target, one already there takes one
    // look, one 1000 off nine steps of 100, the ninth snapping onto it; all end on
    // the target in their colour.
    void flyToNearTheTarget() {
        frmDataView view(&screen);
        QLabel* label = view.lblTitle[0];
        for (const auto& [left, steps] : {std::pair{2850, 1}, {3000, 1}, {2000, 9}}) {
            view.twips.Place(label, {double(left), 2500, 3000, 240});
            yields = 0;
            view.FlyTo(label, 3000, 2500, Qt::green);
            QCOMPARE(
                QString("%1 %2 %3").arg(yields).arg(Look(view, {label}), Look(view, {label}, true)),
                QString::number(steps) + " 3000,2500 #00ff00");
        }
        QCOMPARE(waited, 5); // between steps, the same on every machine
    }

    // Ticks given one by one: the rows fly in onto their places, all dims, lights row
    // by row, and scatters dim. The letters fly in side by side, hop one by one back
    // onto their line, a colour wave runs from the first to the last, and they scatter.
    void rowsAndTitleRunTheirCycles() {
        const auto view = std::make_unique<frmDataView>(&screen);
        view->Form_Activate();
        const auto beat = [](const QTimer* t) { return t->isActive() ? t->interval() : 0; };
        QCOMPARE(std::pair(beat(view->tmrData), beat(view->tmrVeskPoker)),
                 std::pair(500, 10)); // running: a beat before the rows, the letters at once
        view->tmrData->stop();
        view->tmrVeskPoker->stop();
        const auto rowsTo = [&view](int step) {
            while (view->intDataStep < step) {
                view->tmrData_Timer();
            }
        };
        bool rested = true; // the rows' timer rests while a row flies in
        platform::SetYieldHook([&](int) { rested = rested && !view->tmrData->isActive(); });
        rowsTo(60);
        initTestCase(); // the screen's own hook again
        QVERIFY(rested);
        QCOMPARE_SNAPSHOT("flown in", view.get());
        view->tmrData_Timer();
        QCOMPARE_SNAPSHOT("dimmed", view.get());
        QCOMPARE(view->tmrData->interval(), 200); // rows light at a pace the eye follows
        rowsTo(100);
        QCOMPARE_SNAPSHOT("lit", view.get());
        platform::ScriptRandom(std::vector<float>(52, 0.5f));
        view->tmrData_Timer();
        QCOMPARE_SNAPSHOT("scattered", view.get());
        QCOMPARE(int{view->intDataStep}, 0);

        platform::ScriptRandom(std::vector<float>(20, 0.5f)); // for the scatter at the end
        for (int tick = 1; tick <= 131; ++tick) { // the last 30 hop from the first letter again
            view->tmrVeskPoker_Timer();
            if (tick == 10 || tick == 30 || tick == 60 || tick == 101 || tick == 131) {
                QCOMPARE_SNAPSHOT("title " + QString::number(tick), view.get());
            }
        }
        QCOMPARE(int{view->intTitleStep}, 30); // the title started again after 101 ticks
    }

    // X covers the game window, the title's first letter flying in before any row. A key
    // closes it at once, in the middle of a flight, and the game plays on; the next X
    // starts afresh with today's values and closes at a click on a label.
    void xOpensOverTheGameAndReopensFresh() {
        yields = 0;
        QStringList seen;
        onYield = [&](frmDataView& v) {
            seen << QString("%1 %2 %3 %4 %5 %6")
                        .arg(yields)
                        .arg(v.frameGeometry() == form->frameGeometry())
                        .arg(v.intDataStep)
                        .arg(v.intTitleStep)
                        .arg(v.lblData[0]->text())
                        .arg(int{v.tmrVeskPoker->isActive()}); // the title's timer rests
            const QPoint letter = v.lblVeskPoker[0]->geometry().center();
            seen.size() == 1 ? QTest::keyClick(&v, Qt::Key_Space)
                             : QTest::mouseClick(v.windowHandle(), Qt::LeftButton, {}, letter);
        };
        Press(Qt::Key_X);
        Press(Qt::Key_D);
        Press(Qt::Key_X);
        QCOMPARE(seen, (QStringList{"1 1 0 0 0 0", "2 1 0 0 1 0"}));
    }
};

QTEST_MAIN(TestDataView)
#include "tst_dataview.moc"
