#include "GameFixture.h"
#include "config/ProfileText.h"
#include "platform/QuitSignals.h"
#include "platform/SingleGame.h"
#include "support/Files.h"

#include <QtTest>
#include <csignal>

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// What a real game reads at the start, and leaves on disk after a game, byte for byte.
class TestGameFiles : public GameFixture {
    Q_OBJECT

    std::string Path(const QString& name) const { return folder->filePath(name).toStdString(); }

  private slots:
    // A quit (Esc, the close box, a shutdown's SIGTERM) with a game open loses none of
    // it: a win is paid at once, without the count, a hand dealt is logged as a game
    // that paid nothing, coins bet on no deal go back; the log and Poker.ini agree.
    // A signal in a slow deal has the rest of it dealt without its pauses.
    void quitWithAGameOpenLosesNothing_data() {
        Columns<QString, std::string, QString, int>("moment", "log", "saved", "pauses");
        Row("win on offer", "win on offer", std::string("2,50,10,10,10,10\r\n"), "50 10 10", 0);
        Row("double-up card waits, half set aside", "half double",
            std::string("2,70,10,30,10,30\r\n"), "70 10 30", 0);
        Row("five cards dealt", "dealt", std::string("2,40,10,0,10,0\r\n"), "40 10 0", 0);
        Row("coins bet, none dealt", "bet", std::string(), "50 0 0", 0);
        Row("SIGTERM in a deal at the slowest speed", "signal", std::string("2,40,10,0,10,0\r\n"),
            "40 10 0", 5);
    }

    void quitWithAGameOpenLosesNothing() {
        QFETCH(QString, moment);
        if (moment == "win on offer") {
            ReachOffer(kTwoPair);
        } else if (moment == "half double") {
            ReachOffer(kStraight);
            Deal({C(2, 5)});
            Press(Qt::Key_A);
            QCOMPARE(State(), "state 3, win 15, coins 40");
        } else if (moment == "dealt") {
            DealWithMaxBet(kNothing);
        } else if (moment == "bet") {
            Press({Qt::Key_D, Qt::Key_D, Qt::Key_D});
        }
        ClearRecords();
        if (moment == "signal") {
            basIniProc::intGameSpeed = basIniProc::kSlowestSpeed;
            platform::CloseOnQuitSignals(*form);
            bool raised = false;
            onPause = [&raised](int) {
                if (!std::exchange(raised, true)) {
                    ::raise(SIGTERM);
                }
            };
            DealWithMaxBet(kNothing);
        } else {
            Press(Qt::Key_Escape);
        }
        QTRY_VERIFY(!form->isVisible());
        QVERIFY(timeline.contains("SoundCloseAll ")); // nothing sounds on after the window
        QTEST(static_cast<int>(timeline.filter("Pause ").size()), "pauses");
        QTEST(ReadBytes(Path("vesk_poker.log")), "log");
        const profile::ValueIndex saved(ReadBytes(Path("Poker.ini")));
        QTEST(QString::fromStdString(saved.Find("COIN", "TOTAL") + " " +
                                     saved.Find("COIN", "TOTAL_GET") + " " +
                                     saved.Find("COIN", "TOTAL_PUT")),
              "saved");
    }

    // A second start in the same folder is refused and brings the running game's
    // window back from the task bar; a folder that cannot be locked refuses no one.
    void aSecondStartRaisesTheFirst() {
        QVERIFY(platform::ClaimGameFolder(folder->filePath("none").toStdString()));
        QVERIFY(platform::ClaimGameFolder(folder->path().toStdString()));
        form->showMinimized();
        QVERIFY(!platform::ClaimGameFolder(folder->path().toStdString()));
        QTRY_VERIFY(!form->isMinimized());
    }

    // A quit signal cuts a sleep short, and every later one until the window it closes
    // is gone; without one a sleep runs its time. Each start deals afresh.
    void quitSignalCutsEverySleepAfterIt() {
        platform::CatchQuitSignals();
        const auto now = std::chrono::steady_clock::now;
        QVERIFY(!platform::SleepUnlessQuit(now() + std::chrono::milliseconds(1)));
        ::raise(SIGTERM);
        QVERIFY(platform::SleepUnlessQuit(now() + std::chrono::seconds(5)) &&
                platform::SleepUnlessQuit(now() + std::chrono::seconds(5)));
        platform::CloseOnQuitSignals(*form);
        QTRY_VERIFY(!form->isVisible());
        platform::SeedRandom(1);
        const float first = platform::Rnd();
        platform::SeedRandom(1);
        platform::Randomize();
        QVERIFY(platform::Rnd() != first);
    }
};

QTEST_MAIN(TestGameFiles)
#include "tst_game_files.moc"
