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

    // The look of the titles, the values, the hand names and the counts.
    static QStringList Rows(const frmDataView& v, bool colours = false) {
        QStringList rows;
        for (const QList<QLabel*>& kind :
             QList<QList<QLabel*>>{{v.lblTitle.begin(), v.lblTitle.end()},
                                   {v.lblData.begin(), v.lblData.end()},
                                   {v.lblWinName.begin(), v.lblWinName.end()},
                                   {v.lblWinData.begin(), v.lblWinData.end()}}) {
            rows << Look(v, kind, colours);
        }
        return rows;
    }

  private slots:
    void initTestCase() {
        screen.resize(800, 600);
        platform::SetYieldHook([this](int) {
            ++yields;
            auto* view = qobject_cast<frmDataView*>(QApplication::activeModalWidget());
            if (view && onYield) {
                onYield(*view);
            }
            QCoreApplication::processEvents();
        });
    }

    void cleanupTestCase() { platform::SetYieldHook(nullptr); }

    // A label 150 off takes one step onto its target, one already there takes one
    // look; both end on the target in their colour.
    void flyToNearTheTarget() {
        frmDataView view(&screen);
        QLabel* label = view.lblTitle[0];
        for (double left : {2850, 3000}) {
            view.twips.Place(label, {left, 2500, 3000, 240});
            yields = 0;
            view.FlyTo(label, 3000, 2500, Qt::green);
            QCOMPARE(
                QString("%1 %2 %3").arg(yields).arg(Look(view, {label}), Look(view, {label}, true)),
                "1 3000,2500 #00ff00");
        }
    }

    // Ticks given one by one: the rows fly in onto their places, all dims, lights row
    // by row, and scatters dim. The letters fly in side by side, hop one by one back
    // onto their line, a colour wave runs from the first to the last, and they scatter.
    void rowsAndTitleRunTheirCycles() {
        const auto view = std::make_unique<frmDataView>(&screen);
        view->Form_Activate();
        QCOMPARE(std::pair(view->tmrData->interval(), view->tmrVeskPoker->interval()),
                 std::pair(500, 10)); // a beat before the rows, the letters at once
        view->tmrData->stop();
        view->tmrVeskPoker->stop();
        while (view->intDataStep < 60) {
            view->tmrData_Timer();
        }
        const QString tops = "%1,2500 %1,2800 %1,3100 %1,3400";
        const QString hands = "%1,4000 %1,4300 %1,4600 %1,4900 %1,5200 %1,5500 %1,5800 "
                              "%1,6100 %1,6400";
        QCOMPARE(Rows(*view),
                 (QStringList{tops.arg(3000), tops.arg(6000), hands.arg(3000), hands.arg(6000)}));
        const QString dim = "#008000 #404040 #808000 #404040";
        view->tmrData_Timer();
        QCOMPARE(Rows(*view, true).join(' '), dim);
        QCOMPARE(view->tmrData->interval(), 200); // rows light at a pace the eye follows
        while (view->intDataStep < 100) {
            view->tmrData_Timer();
        }
        QCOMPARE(Rows(*view, true).join(' '), "#00ff00 #ffffff #ffff00 #ffffff");
        QCOMPARE_SNAPSHOT("lit", view.get());
        platform::ScriptRandom(std::vector<float>(52, 0.5f));
        view->tmrData_Timer();
        QCOMPARE(Rows(*view, true).join(' '), dim);
        QCOMPARE(Rows(*view), (QStringList{"6000,4500", "6000,4500", "6000,6000", "6000,6000"}));
        QCOMPARE(int{view->intDataStep}, 0);

        const QList<QLabel*> letters(view->lblVeskPoker.begin(), view->lblVeskPoker.end());
        const QString line = "4680,1750 5010,1750 5340,1750 5670,1750 6000,1750 6330,1750 "
                             "6660,1750 6990,1750 7320,1750 7650,1750";
        QStringList seen;
        platform::ScriptRandom(std::vector<float>(20, 0.5f)); // for the scatter at the end
        for (int tick = 1; tick <= 101; ++tick) {
            view->tmrVeskPoker_Timer();
            if (tick == 10 || tick == 30 || tick == 101) {
                seen << Look(*view, letters);
            } else if (tick == 60) {
                seen << Look(*view, letters, true);
            }
        }
        QCOMPARE(seen,
                 (QStringList{line, line, "#00ffff #0000ff #00ff00 #ff0000 #ffffff", "6000,6000"}));
        QCOMPARE(int{view->intTitleStep}, 0); // and the title starts again
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
