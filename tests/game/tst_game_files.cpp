#include "GameFixture.h"
#include "config/DefaultIni.h"
#include "config/ProfileText.h"
#include "log/CoinGraph.h"
#include "platform/QuitSignals.h"
#include "platform/SingleGame.h"
#include "support/Files.h"

#include <QtTest>
#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

// What is at a path: its kind and, for a file, its size.
static QString Snapshot(const std::string& path) {
    std::error_code error;
    const auto type = static_cast<int>(fs::symlink_status(path, error).type());
    return QString("%1 %2").arg(type).arg(fs::is_regular_file(path) ? fs::file_size(path) : 0);
}

// What a real game reads at the start, and leaves on disk after a game, byte for byte.
class TestGameFiles : public GameFixture {
    Q_OBJECT

    std::string Path(const QString& name) const { return folder->filePath(name).toStdString(); }

  private slots:
    // A player's own Poker.ini (LF lines, a comment, slow speed, a colour of all three
    // parts, every counter its own value): the payout is counted at that speed, every
    // value stays where it stood, and the log record has its six fields in place.
    void gameFromAPlayersOwnFiles() {
        form.reset();
        const std::string head = "; mine\n[SETTING]\nGAME=40\nBACKCOLOR=16711696\n[COIN]\n";
        const std::string hands = "[PLAYDATA]\n0=10\n1=11\n2=12\n3=13\n4=14\n5=15\n";
        const std::string tail = "7=17\n8=18\nMAX_DOUBLE_CNT=19\nMAX_DOUBLE_WIN=120000000\n";
        WriteBytes(Path("Poker.ini"),
                   head + "TOTAL=500\nTOTAL_GET=1000\nTOTAL_PUT=2000\n" + hands + "6=16\n" + tail);
        WriteBytes(Path("vesk_poker.log"), "1,500,1,0,1000,2000\r\n");
        Restart();
        QCOMPARE(BackColor(form.get()), QColor(16, 0, 255));

        Press({Qt::Key_D, Qt::Key_D, Qt::Key_D});
        Deal(kStraight);
        Press(Qt::Key_Return);
        HoldAll();
        Press(Qt::Key_Return);
        QCOMPARE(State(), "state 2, win 9, coins 497");
        const QImage graph = form->picGraph->grab().toImage();
        ClearRecords();
        Press(Qt::Key_Space);

        QVERIFY(form->picGraph->grab().toImage() != graph); // the new balance is drawn

        QCOMPARE(timeline.filter("Pause "), QStringList(9, "Pause 10"));
        QCOMPARE(ReadBytes(Path("vesk_poker.log")),
                 std::string("1,500,1,0,1000,2000\r\n2,506,3,9,1003,2009\r\n"));
        QCOMPARE(ReadBytes(Path("Poker.ini")),
                 head + "TOTAL=506\nTOTAL_GET=1003\nTOTAL_PUT=2009\n" + hands + "6=17\n" + tail);
    }

    // Odd files where the game expects its settings, its log, a picture or a sound: the
    // game starts, plays and saves all it can, nothing hangs, the odd file stays.
    void hostileFilesNeitherHangNorLoseCoins_data() {
        Columns<QString, QString>("file", "kind");
        for (const char* file : {"Poker.ini", "vesk_poker.log", "card/ura.bmp", "sound/CARD.wav"}) {
            for (const char* kind : {"folder", "pipe", "device", "over-size"}) {
                QTest::newRow(qPrintable(QString("%1, %2").arg(file, kind))) << file << kind;
            }
        }
    }

    void hostileFilesNeitherHangNorLoseCoins() {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        form.reset();
        fs::remove(Path(file));
        testsupport::MakeHostile(Path(file), kind);
        const QString planted = Snapshot(Path(file));
        Restart();
        basEffect::SoundPlay("CARD");
        QVERIFY(!basEffect::SoundIsPlaying("CARD"));

        DealWithMaxBet(kNothing);
        Deal(kMissAgain);
        Press(Qt::Key_Return);

        QCOMPARE(State(), "state 0, win 0, coins 40");
        QCOMPARE(Snapshot(Path(file)), planted);
        if (file != "vesk_poker.log") {
            QCOMPARE(ReadBytes(Path("vesk_poker.log")), std::string("2,40,10,0,10,0\r\n"));
        }
        if (file != "Poker.ini") {
            QCOMPARE(profile::ValueIndex(ReadBytes(Path("Poker.ini"))).Find("COIN", "TOTAL"),
                     std::string("40"));
            QCOMPARE(form->lblMsg->text(), "ＧＡＭＥ　ＯＶＥＲ");
            return;
        }
        // The player is told after every game that was not saved, and at exit on
        // standard error, the program then ending with status 1.
        QCOMPARE(form->lblMsg->text(), "ＣＯＩＮＳ　ＮＯＴ　ＳＡＶＥＤ");
        DealWithMaxBet(kMissAgain);
        Deal(kNothing);
        Press(Qt::Key_Return);
        QCOMPARE(form->lblMsg->text(), "ＣＯＩＮＳ　ＮＯＴ　ＳＡＶＥＤ");
        const std::string told = testsupport::StandardErrorOf([this] { form->close(); });
        QCOMPARE(told, "vesk_poker: the coins could not be saved to " + Path("Poker.ini") + "\n");
        QVERIFY(form->blnSaveFailed);
    }

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
    // window back from the task bar.
    void aSecondStartRaisesTheFirst() {
        QVERIFY(platform::ClaimGameFolder(folder->path().toStdString()));
        form->showMinimized();
        QVERIFY(!platform::ClaimGameFolder(folder->path().toStdString()));
        QTRY_VERIFY(!form->isMinimized());
    }

    // M silences the game at any moment, a count included, and the next start stays
    // silent until M again; the key is added to Poker.ini only then, so a player who
    // never presses M keeps the default file byte for byte.
    void muteIsKeptForTheNextStart() {
        const std::string untouched = basIniProc::DefaultIniText();
        QCOMPARE(ReadBytes(Path("Poker.ini")), untouched);
        QString heard;
        onPause = [&](int) {
            if (!basEffect::SoundMuted() && form->blnPaying) {
                Press(Qt::Key_M);
            }
        };
        ReachOffer(kTwoPair);
        Press(Qt::Key_Space);
        onPause = nullptr;
        heard += basEffect::SoundMuted() ? "muted " : "on ";
        QVERIFY(ReadBytes(Path("Poker.ini")).ends_with("\r\nBACKCOLOR=32768\r\nMUTE=1\r\n"));
        Restart();
        heard += basEffect::SoundMuted() ? "muted " : "on ";
        Press(Qt::Key_M);
        Restart();
        heard += basEffect::SoundMuted() ? "muted" : "on";
        QCOMPARE(heard, "muted muted on");
        QVERIFY(ReadBytes(Path("Poker.ini")).ends_with("\r\nMUTE=0\r\n"));
    }
};

QTEST_MAIN(TestGameFiles)
#include "tst_game_files.moc"
