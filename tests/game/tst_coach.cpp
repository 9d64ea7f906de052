#include "GameFixture.h"
#include "advisor/HoldValues.h"
#include "coach/HoldMark.h"
#include "coach/frmCoach.h"
#include "config/DefaultIni.h"
#include "support/Files.h"

#include <QtTest>

using testsupport::ReadBytes;

Q_DECLARE_METATYPE(Cards)

// The coach watches the game and never plays it: with it off nothing differs from a
// game without it, and with it on it marks, tells and tallies but never holds.
class TestCoach : public GameFixture {
    Q_OBJECT

    std::string Path(const char* name) const { return folder->filePath(name).toStdString(); }

    // Coach on, its values ready: the tables are prepared once per run.
    void TurnOn() {
        Press(Qt::Key_C);
        QVERIFY(form->coachWindow != nullptr && form->coachWindow->isVisible() &&
                form->lblCoach->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(advisor::Ready(), 60000);
    }

    int MarkedMask() const {
        int mask = 0;
        for (std::size_t i = 0; i < form->coachMarks.size(); ++i) {
            mask |= form->coachMarks[i]->isVisibleTo(form.get()) ? 1 << i : 0;
        }
        return mask;
    }

    // A two pair made by the deal, held whole, drawn and collected: 10 coins out.
    void PlayTwoPair() {
        DealWithMaxBet(kTwoPair);
        HoldAll();
        Press(Qt::Key_Return);
        Press(Qt::Key_Space);
        QCOMPARE(State(), "state 0, win 0, coins 50");
    }

    static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    }

  private slots:
    // The same game, never coached and coached: the same sounds and pauses, the same
    // log, and Poker.ini differing only by the coach's own line, written by C alone.
    void coachChangesNothingButItsKey() {
        const std::string fresh = basIniProc::DefaultIniText();
        QCOMPARE(ReadBytes(Path("Poker.ini")), fresh);
        ClearRecords();
        PlayTwoPair();
        const QStringList plainTimeline = timeline;
        const std::string played =
            Replaced(Replaced(fresh, "TOTAL_GET=0\r\nTOTAL_PUT=0", "TOTAL_GET=10\r\nTOTAL_PUT=10"),
                     "\r\n8=0", "\r\n8=1");
        const std::string log = "2,50,10,10,10,10\r\n";
        QCOMPARE(ReadBytes(Path("Poker.ini")), played);
        QCOMPARE(ReadBytes(Path("vesk_poker.log")), log);
        QVERIFY(form->findChildren<HoldMark*>().isEmpty());

        QFile::remove(folder->filePath("Poker.ini"));
        QFile::remove(folder->filePath("vesk_poker.log"));
        Restart();
        TurnOn();
        const std::string on =
            Replaced(fresh, "BACKCOLOR=32768\r\n", "BACKCOLOR=32768\r\nCOACH=1\r\n");
        QCOMPARE(ReadBytes(Path("Poker.ini")), on);
        ClearRecords();
        PlayTwoPair();
        QCOMPARE(timeline, plainTimeline);
        QCOMPARE(ReadBytes(Path("vesk_poker.log")), log);
        QCOMPARE(ReadBytes(Path("Poker.ini")),
                 Replaced(played, "BACKCOLOR=32768\r\n", "BACKCOLOR=32768\r\nCOACH=1\r\n"));

        Press(Qt::Key_C);
        QVERIFY(!form->coachWindow->isVisible() && MarkedMask() == 0 &&
                !form->lblCoach->isVisible());
        QCOMPARE(ReadBytes(Path("Poker.ini")),
                 Replaced(played, "BACKCOLOR=32768\r\n", "BACKCOLOR=32768\r\nCOACH=0\r\n"));
    }

    // The setting outlives the run; closing the game is not closing the coach, while
    // closing the side window is.
    void theSideWindowClosesTheCoach() {
        TurnOn();
        form->close();
        Restart();
        QTRY_VERIFY(form->coachWindow != nullptr && form->coachWindow->isVisible());
        QCOMPARE(form->coachWindow->grab().toImage().pixelColor(1, 1), QColor(Qt::black));
        QTest::keyClick(form->coachWindow, Qt::Key_C);
        QVERIFY(!form->blnCoach && !form->coachWindow->isVisible());
        QVERIFY(ReadBytes(Path("Poker.ini")).find("COACH=0\r\n") != std::string::npos);
    }

    void marksFollowTheBestHold_data() {
        Columns<Cards, int>("deal", "best");
        Row("dealt royal: all five", Cards{C(4, 0), C(4, 12), C(4, 11), C(4, 10), C(4, 9)}, 31);
        Row("four to a royal", Cards{C(4, 0), C(4, 12), C(4, 11), C(4, 10), C(2, 2)}, 15);
        Row("two pair", kTwoPair, 15);
        Row("nothing: the jack alone", kNothing, 8);
    }

    // The rings sit on the best hold's cards and stay put while the player holds
    // others; the holds are the player's alone; the line and the side window follow.
    void marksFollowTheBestHold() {
        QFETCH(Cards, deal);
        QFETCH(int, best);
        TurnOn();
        DealWithMaxBet(deal);
        QCOMPARE(MarkedMask(), best);
        QCOMPARE(form->strHold, (std::array<std::string, 5>{"0", "0", "0", "0", "0"}));
        const QString start = form->lblCoach->text();
        QVERIFY2(start.startsWith("BEST ") && start.contains("YOURS "), qPrintable(start));

        Press(Qt::Key_G);
        QCOMPARE(form->strHold, (std::array<std::string, 5>{"1", "0", "0", "0", "0"}));
        QCOMPARE(MarkedMask(), best);
        QVERIFY(form->lblCoach->text() != start || best == 1);
        LooksAsRecorded();
        QCOMPARE_SNAPSHOT("coach", form->coachWindow);
    }

    // What the coach tells at each moment of a game, on the table's line and in the
    // side window's double-up, session and return lines.
    void tellsEachMoment_data() {
        Columns<QList<Qt::Key>, QString, QString>("keys", "line", "window");
        const QList<Qt::Key> offer{Qt::Key_S, Qt::Key_G, Qt::Key_H,     Qt::Key_J,
                                   Qt::Key_K, Qt::Key_L, Qt::Key_Return};
        const QString choices =
            "             WIN   TIE   DOUBLE     HALF|STANDARD   47.2%  5.7%    10.00    10.00|"
            "RED/BLACK  49.0%     -     9.96     9.98|HI/LOW     72.9%     -    14.59        -|"
            "COLLECT                   10.00|";
        const auto session = [](int decisions, int below, const char* given) {
            return QString("DECISIONS     %1|BELOW BEST    %2|GIVEN UP      %3 COINS|"
                           "BEST PLAY     73.452772 %|YOUR RETURN   ")
                .arg(decisions)
                .arg(below)
                .arg(given);
        };
        const QString bet = "0.00 % (0 / 10)";
        const QString gaveUp = session(1, 1, "4.18") + bet;
        Row("before a deal", QList<Qt::Key>{}, "COACH ON",
            "|||||" + session(0, 0, "0.00") + "- (0 / 0)");
        Row("dealt", QList{Qt::Key_S}, "BEST 1.4181 · YOURS 0.2128",
            "|||||" + session(0, 0, "0.00") + bet);
        Row("on offer", offer,
            "GAVE UP 0.4181 · STANDARD WIN 47.2% TIE 5.7% · DOUBLE 10.00 · COLLECT 10.00",
            choices + gaveUp);
        Row("drawn from the best",
            QList{Qt::Key_S, Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_Return},
            "STANDARD WIN 47.2% TIE 5.7% · DOUBLE 10.00 · COLLECT 10.00",
            choices + session(1, 0, "0.00") + bet);
        Row("STANDARD dealt", offer + QList{Qt::Key_Return}, "ANY CARD WIN 55.8% TIE 5.8%",
            "STANDARD, THE ROUND DEALT|ANY CARD WIN 55.8% TIE 5.8%||||" + gaveUp);
        Row("RED/BLACK dealt", offer + QList{Qt::Key_H}, "ANY CARD WIN 49.0%",
            "RED/BLACK, THE ROUND DEALT|ANY CARD WIN 49.0%||||" + gaveUp);
        Row("HI/LOW after a right guess", offer + QList{Qt::Key_J, Qt::Key_L},
            "LOW WIN 62.8% · HIGH WIN 33.4% · GUESS 25.10 COLLECT 20.00",
            "HI/LOW, THE ROUND DEALT|LOW WIN 62.8%|HIGH WIN 33.4%|GUESS 25.10 COLLECT 20.00||" +
                gaveUp);
        Row("half won, half paid", offer + QList{Qt::Key_G, Qt::Key_K},
            "GAVE UP 0.4181 · RED/BLACK WIN 49.0% · DOUBLE 14.96 · COLLECT 15.00",
            "             WIN   TIE   DOUBLE     HALF|STANDARD   47.2%  5.7%    15.00    15.00|"
            "RED/BLACK  49.0%     -    14.96    14.98|HI/LOW     72.9%     -    19.59        -|"
            "COLLECT                   15.00|" +
                gaveUp);
        Row("turned on again in the next game",
            offer + QList{Qt::Key_C, Qt::Key_Space, Qt::Key_S, Qt::Key_C},
            "BEST 0.5925 · YOURS 0.2029", "|||||" + session(1, 1, "4.18") + "50.00 % (10 / 20)");
        Row("collected", offer + QList{Qt::Key_Space}, "GAVE UP 0.4181 × WAGER",
            "|||||" + session(1, 1, "4.18") + "100.00 % (10 / 10)");
        Row("drawn from less than the best", QList{Qt::Key_S, Qt::Key_Return},
            "GAVE UP 1.2053 × WAGER", "|||||" + session(1, 1, "12.05") + bet);
    }

    void tellsEachMoment() {
        QFETCH(QList<Qt::Key>, keys);
        TurnOn();
        Deal(kTwoPair + Cards{C(1, 6), C(2, 9)} + kMissAgain);
        Press(keys);
        const frmCoach& side = *form->coachWindow;
        QStringList window;
        for (const auto& lines : {QList<QLabel*>(side.lblDouble.begin(), side.lblDouble.end()),
                                  QList<QLabel*>(side.lblSession.begin(), side.lblSession.end()),
                                  QList<QLabel*>(side.lblReturn.begin(), side.lblReturn.end())}) {
            for (const QLabel* line : lines) {
                window << line->text();
            }
        }
        QTEST(form->lblCoach->text(), "line");
        QTEST(window.join('|'), "window");
        LooksAsRecorded();
        QCOMPARE_SNAPSHOT("coach", form->coachWindow);
    }

    // Every hold once, best first, each card in its suit's ink, the best value and
    // the player's own in their own.
    void sideWindowRanksEveryHold() {
        TurnOn();
        DealWithMaxBet(kNothing);
        const auto& rows = form->coachWindow->rowHold;
        QSet<QString> holds;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            QStringList cards;
            for (const QLabel* card : rows[r].lblCard) {
                cards << card->text();
            }
            holds << cards.join(' ');
            QVERIFY(r == 0 ||
                    rows[r - 1].lblValue->text().toDouble() >= rows[r].lblValue->text().toDouble());
        }
        QCOMPARE(holds.size(), 32);
        QCOMPARE_SNAPSHOT("coach", form->coachWindow);
    }
};

QTEST_MAIN(TestCoach)
#include "tst_coach.moc"
