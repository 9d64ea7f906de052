#include "GameFixture.h"
#include "config/Profile.h"
#include "support/Files.h"

#include <QtTest>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// What is at a path: its kind and, for a file, its size.
QString Snapshot(const std::string& path) {
    std::error_code error;
    const auto type = static_cast<int>(fs::symlink_status(path, error).type());
    return QString("%1 %2").arg(type).arg(fs::is_regular_file(path) ? fs::file_size(path) : 0);
}

const QString kGameOver = "ＧＡＭＥ　ＯＶＥＲ";
const QString kNotSaved = "ＣＯＩＮＳ　ＮＯＴ　ＳＡＶＥＤ";

} // namespace

// Files that are no ordinary files of a sane size, where the game expects its
// settings, its log, a picture or a sound: the game starts, plays and saves all it
// can, nothing hangs, and the odd file is left as it was.
class TestGameFiles : public GameFixture {
    Q_OBJECT

    std::string Path(const QString& name) const { return folder->filePath(name).toStdString(); }

  private slots:
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
            QCOMPARE(testsupport::ReadBytes(Path("vesk_poker.log")),
                     std::string("2,40,10,0,10,0\r\n"));
        }
        if (file != "Poker.ini") {
            const std::string saved = testsupport::ReadBytes(Path("Poker.ini"));
            QCOMPARE(profile::ValueIndex(saved).Find("COIN", "TOTAL"), std::string("40"));
            QCOMPARE(form->lblMsg->text(), kGameOver);
            return;
        }
        // The player is told once, not after every game.
        QCOMPARE(form->lblMsg->text(), kNotSaved);
        DealWithMaxBet(kMissAgain);
        Deal(kNothing);
        Press(Qt::Key_Return);
        QCOMPARE(form->lblMsg->text(), kGameOver);
    }
};

QTEST_MAIN(TestGameFiles)
#include "tst_game_files.moc"
