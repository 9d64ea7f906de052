#include "game/GameFixture.h"
#include "platform/Yield.h"
#include "stats/frmDataView.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// The statistics screen over a real game window. Fly-ins wait through the yield
// seam, which here runs one event pass at once; the ticks are driven one by one or
// by the screen's own timers.
class TestDataView : public GameFixture {
    Q_OBJECT

    int yields = 0;
    std::function<void()> onYield;
    QWidget screen; // 12000 x 9000 twips at 96 DPI, with no frame

    // A screen whose timers stay off, so that the test gives every tick itself.
    std::unique_ptr<frmDataView> Driven() {
        onYield = nullptr;
        auto view = std::make_unique<frmDataView>(&screen);
        view->Form_Activate();
        view->tmrData->stop();
        view->tmrVeskPoker->stop();
        return view;
    }

    void CountYields() {
        platform::SetYieldHook([this](int) {
            ++yields;
            if (onYield) {
                onYield();
            }
            QCoreApplication::processEvents();
        });
    }

    static frmDataView* Modal() {
        return qobject_cast<frmDataView*>(QApplication::activeModalWidget());
    }

    // The row labels in table order, each with a letter for its kind.
    static QList<QPair<QChar, QLabel*>> Rows(const frmDataView& v) {
        QList<QPair<QChar, QLabel*>> rows;
        for (auto [kind, labels] : {std::pair{'T', QList(v.lblTitle.begin(), v.lblTitle.end())},
                                    {'D', QList(v.lblData.begin(), v.lblData.end())},
                                    {'N', QList(v.lblWinName.begin(), v.lblWinName.end())},
                                    {'C', QList(v.lblWinData.begin(), v.lblWinData.end())}}) {
            for (QLabel* label : labels) {
                rows.append({QChar(kind), label});
            }
        }
        return rows;
    }

    static QString Place(const frmDataView& v, const QLabel* label) {
        return QString("%1,%2").arg(v.twips.Of(label).left).arg(v.twips.Of(label).top);
    }

    template <std::size_t N>
    static QString Places(const frmDataView& v, const std::array<QLabel*, N>& labels) {
        QStringList places;
        for (const QLabel* label : labels) {
            places << Place(v, label);
        }
        return places.join(' ');
    }

    // One colour per kind of row, or "mixed".
    static QString RowColours(const frmDataView& v) {
        QMap<QChar, QSet<QString>> colours;
        for (const auto& [kind, label] : Rows(v)) {
            colours[kind] << ForeColor(label).name();
        }
        QStringList shown;
        for (QChar kind : {'T', 'D', 'N', 'C'}) {
            shown << (colours[kind].size() == 1 ? *colours[kind].begin() : "mixed");
        }
        return shown.join(' ');
    }

  private slots:
    void initTestCase() {
        screen.resize(800, 600);
        CountYields();
    }

    void cleanupTestCase() { platform::SetYieldHook(nullptr); }

    void valuesShown_data() {
        Columns<int, int>("first", "step");
        QTest::newRow("all zero") << 0 << 0;
        QTest::newRow("nine digits") << 999999000 << 77;
        QTest::newRow("negative") << std::numeric_limits<std::int32_t>::min() << 1;
    }

    // Each label its own statistic, as plain decimal text, right-aligned and whole.
    void valuesShown() {
        QFETCH(int, first);
        QFETCH(int, step);
        std::vector<std::int32_t*> stats{&basIniProc::lngTotalGet, &basIniProc::lngTotalPut,
                                         &basIniProc::lngMaxDoubleCnt,
                                         &basIniProc::lngMaxDoubleWin};
        for (std::int32_t& count : basIniProc::lngPlayData) {
            stats.push_back(&count);
        }
        QStringList expected;
        for (std::size_t i = 0; i < stats.size(); ++i) {
            *stats[i] = first + step * static_cast<int>(i);
            expected << QString::number(*stats[i]);
        }
        const auto view = Driven();
        QStringList shown;
        for (const auto& [kind, label] : Rows(*view)) {
            if (kind != 'D' && kind != 'C') {
                continue;
            }
            shown << label->text();
            QVERIFY(label->alignment() & Qt::AlignRight);
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        }
        QCOMPARE(shown, expected);
    }

    void rowsAndLettersLandOnA12000By9000Screen() {
        const auto view = Driven();
        QCOMPARE(QString("%1 %2").arg(view->intRowLeft).arg(view->intRowTop), "3000 2500");
        while (view->intDataStep < 60) {
            view->tmrData_Timer();
        }
        for (int letter = 0; letter < 10; ++letter) {
            view->tmrVeskPoker_Timer();
        }
        QCOMPARE(Places(*view, view->lblTitle), "3000,2500 3000,2800 3000,3100 3000,3400");
        QCOMPARE(Places(*view, view->lblData), "6000,2500 6000,2800 6000,3100 6000,3400");
        QCOMPARE(Places(*view, view->lblWinName), "3000,4000 3000,4300 3000,4600 3000,4900 "
                                                  "3000,5200 3000,5500 3000,5800 3000,6100 "
                                                  "3000,6400");
        QCOMPARE(Places(*view, view->lblWinData), "6000,4000 6000,4300 6000,4600 6000,4900 "
                                                  "6000,5200 6000,5500 6000,5800 6000,6100 "
                                                  "6000,6400");
        QCOMPARE(Places(*view, view->lblVeskPoker), "4680,1750 5010,1750 5340,1750 5670,1750 "
                                                    "6000,1750 6330,1750 6660,1750 6990,1750 "
                                                    "7320,1750 7650,1750");
    }

    void flyToNearTheTarget_data() {
        Columns<double>("startLeft");
        QTest::newRow("150 left of it") << 2850.0;
        QTest::newRow("on it") << 3000.0;
    }

    void flyToNearTheTarget() {
        QFETCH(double, startLeft);
        const auto view = Driven();
        QLabel* label = view->lblTitle[0];
        view->twips.Place(label, {startLeft, 2500, 3000, 240});
        yields = 0;
        view->FlyTo(label, 3000, 2500, Qt::green);
        QCOMPARE(QString("%1 step to %2 in %3")
                     .arg(yields)
                     .arg(Place(*view, label), ForeColor(label).name()),
                 "1 step to 3000,2500 in #00ff00");
    }

    // Each tick moves one label: titles, values, names and counts in turn; after the
    // rest everything is dim and scattered, and the next cycle begins with a title.
    void rowsFlyInTurnThenDimAndScatter() {
        const auto view = Driven();
        const auto rows = Rows(*view);
        QString moved;
        bool scattered = false;
        while (!scattered || view->intDataStep != 21) {
            const int step = view->intDataStep;
            QStringList before;
            for (const auto& [kind, label] : rows) {
                before << Place(*view, label);
            }
            if (step == 100) {
                QCOMPARE(RowColours(*view), "#00ff00 #ffffff #ffff00 #ffffff");
                platform::ScriptRandom(std::vector<float>(52, 0.5f));
            }
            view->tmrData_Timer();
            if (step == 100) {
                scattered = true;
                QCOMPARE(RowColours(*view), "#008000 #404040 #808000 #404040");
                QCOMPARE(Place(*view, view->lblData[3]) + " " + Place(*view, view->lblWinData[8]),
                         "6000,4500 6000,6000");
                continue;
            }
            for (int i = 0; i < rows.size(); ++i) {
                moved += Place(*view, rows[i].second) != before[i] ? QString(rows[i].first) : "";
            }
        }
        QCOMPARE(view->intDataStep, 21);
        QCOMPARE(moved, "TTTTDDDDNNNNNNNNNCCCCCCCCC"
                        "T");
    }

    void closesAtOnceInAFlyIn_data() {
        Columns<bool>("byKey");
        QTest::newRow("click") << false;
        QTest::newRow("key") << true;
    }

    // Closed while the second title flies in: no step, wait or tick after that.
    void closesAtOnceInAFlyIn() {
        QFETCH(bool, byKey);
        // Title 1 starts in the far corner, so its flight takes many steps.
        platform::ScriptRandom({0.5f, 0.5f, 0.5f, 0.5f, 0.99f, 0.99f});
        frmDataView view(form.get());
        int yieldsAtClose = 0;
        QString placesAtClose;
        onYield = [&] {
            if (view.intDataStep == 21 && yieldsAtClose == 0) {
                byKey ? QTest::keyClick(&view, Qt::Key_Q)
                      : QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(1, 1));
                yieldsAtClose = yields;
                placesAtClose = Places(view, view.lblTitle) + Places(view, view.lblVeskPoker);
            }
        };
        QSignalSpy ticks(view.tmrData, &QTimer::timeout);
        QSignalSpy titleTicks(view.tmrVeskPoker, &QTimer::timeout);
        view.exec();
        const qsizetype ticksAtClose = ticks.size() + titleTicks.size();
        QCoreApplication::processEvents();
        QCOMPARE(yields, yieldsAtClose);
        QCOMPARE(Places(view, view.lblTitle) + Places(view, view.lblVeskPoker), placesAtClose);
        QCOMPARE(ticks.size() + titleTicks.size(), ticksAtClose);
        QVERIFY(!view.isVisible() && !view.tmrData->isActive() && !view.tmrVeskPoker->isActive());
    }

    // X covers the game window; after a key the game plays on, and the next X
    // starts both animations afresh with the values of now.
    void xOpensOverTheGameAndReopensFresh() {
        QStringList seen;
        onYield = [&] {
            if (frmDataView* view = Modal()) {
                seen << QString("%1 %2 %3 %4")
                            .arg(view->frameGeometry() == form->frameGeometry())
                            .arg(view->intDataStep)
                            .arg(view->intTitleStep)
                            .arg(view->lblData[0]->text());
                QTest::keyClick(view, Qt::Key_Space);
            }
        };
        Press(Qt::Key_X);
        Press(Qt::Key_D);
        QCOMPARE(form->lngWager, 1);
        Press(Qt::Key_X);
        QCOMPARE(seen, (QStringList{"1 0 0 0", "1 0 0 1"}));
    }

    // X in the middle of a payout count opens the screen only once it has ended.
    void xWaitsForTheCount() {
        bool pressed = false;
        onEvents = [&] {
            if (form->blnPaying && !pressed) {
                pressed = true;
                Press(Qt::Key_X);
            }
        };
        QStringList opened;
        onYield = [&] {
            if (frmDataView* view = Modal()) {
                opened << QString("paying %1").arg(form->blnPaying);
                QTest::keyClick(view, Qt::Key_Space);
            }
        };
        OfferWin(3);
        Press(Qt::Key_Space);
        QVERIFY(pressed);
        QTRY_COMPARE(opened, QStringList{"paying 0"});
    }

    // The waits of fly-ins nested in one another all end when the screen closes;
    // otherwise this test waits for an hour.
    void nestedWaitsEndTogether() {
        constexpr int kHour = 3600000;
        platform::SetYieldHook(nullptr);
        bool innerEnded = false;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [] { platform::EndYields(); });
            platform::YieldFor(kHour);
            innerEnded = true;
        });
        platform::YieldFor(kHour);
        QVERIFY(innerEnded);
        CountYields();
    }
};

QTEST_MAIN(TestDataView)
#include "tst_dataview.moc"
