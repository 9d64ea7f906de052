#include "config/Profile.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>
#include <fcntl.h>
#include <filesystem>

namespace fs = std::filesystem;
using testsupport::FileNames;
using testsupport::InFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Hand-edited: a byte order mark, comments, odd case and blanks, a key and a
// section twice, brackets that open no section, LF, CR and CR LF line ends.
const std::string kOddFile = "\xEF\xBB\xBF; my settings\n\n[ sound ]\n  Card  =  \\flip.wav  \n"
                             "card=\\second.wav\n\tHOLD\t=\t\\hold.wav\nstray line without equals\n"
                             ";COININ=\\commented.wav\n\n[Coin]\nTotal=-12\nCLOSE=x]\n[unclosed\n"
                             "EQUALS=a=b\n[SOUND]\nBOO=\\in_the_repeated_section.wav\n"
                             "[bare CR]\rONE=1\rTWO=2\r[setting]\r\ngame = 150";

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    std::string Ini() const { return InFolder(*dir_, "Poker.ini"); }
    std::string Read(const QString& section, const QString& key) const {
        const profile::ValueIndex values(profile::ReadProfile(Ini()).value_or(""));
        return profile::ValueOf(values, section.toStdString(), key.toStdString());
    }
    bool Write(const QString& section, const QString& key, const QString& value) const {
        return profile::WriteValues(
                   Ini(), {{section.toStdString(), key.toStdString(), value.toStdString()}})
            .has_value();
    }

  private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void readsAnOddlyLaidOutFile_data() {
        Columns<QString, QString, QString>("section", "key", "value");
        Row("blanks and case", "SOUND", "CARD", "\\flip.wav");
        Row("first of a key twice", "Sound", "card", "\\flip.wav");
        Row("tabs around =", "SOUND", "HOLD", "\\hold.wav");
        Row("commented out", "SOUND", "COININ", "");
        Row("after the first =", "COIN", "EQUALS", "a=b");
        Row("only the first section of a name", "SOUND", "BOO", "");
        Row("CR LF among LF, no last line end", "SETTING", "GAME", "150");
        Row("lone CR line ends", "BARE CR", "TWO", "2");
        Row("blanks around the names asked for", " coin\t", "TOTAL ", "-12");
    }

    void readsAnOddlyLaidOutFile() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        WriteBytes(Ini(), kOddFile);
        QTEST(QString::fromStdString(Read(section, key)), "value");
    }

    // Names the reader would not find again are refused, the file left as it was.
    void writeKeepsEveryOtherByte_data() {
        Columns<QString, QString, QString, QString, QString>("section", "key", "value", "before",
                                                             "after");
        Row("layout around the value kept", "sound", "CARD", "\\x.wav",
            "; top\n[ Sound ]\n  Card =  \\old.wav  \n\n[COIN]\n",
            "; top\n[ Sound ]\n  Card =  \\x.wav\n\n[COIN]\n");
        Row("new key at the end of its section", "COIN", " TOTAL_PUT ", "9",
            "[COIN]\r\nTOTAL=50\r\n\r\n[SETTING]\r\nGAME=200\r\n",
            "[COIN]\r\nTOTAL=50\r\nTOTAL_PUT=9\r\n\r\n[SETTING]\r\nGAME=200\r\n");
        Row("LF file stays LF", "SETTING", "GAME", "100", "[COIN]\nTOTAL=50\n",
            "[COIN]\nTOTAL=50\n[SETTING]\nGAME=100\n");
        Row("last line without an ending", "COIN", "TOTAL_GET", "3", "[COIN]\r\nTOTAL=50",
            "[COIN]\r\nTOTAL=50\r\nTOTAL_GET=3\r\n");
        Row("empty value filled", "SETTING", "GAME", "300", "[SETTING]\r\nGAME=\r\nBACKCOLOR=0\r\n",
            "[SETTING]\r\nGAME=300\r\nBACKCOLOR=0\r\n");
        Row("missing file", "COIN", "TOTAL", "-3", QString(), "[COIN]\r\nTOTAL=-3\r\n");
        Row("a line break cannot add lines", "SOUND", "CARD", "\\a.wav\r\n[COIN]\r\nTOTAL=999999",
            "[SOUND]\r\nCARD=\\c.wav\r\n[COIN]\r\nTOTAL=50\r\n",
            "[SOUND]\r\nCARD=\\a.wav\r\n[COIN]\r\nTOTAL=50\r\n");
        const char* coin = "[COIN]\r\nTOTAL=50\r\n";
        Row("blanks around the key", "COIN", " TOTAL\t", "8", coin, "[COIN]\r\nTOTAL=8\r\n");
        Row("blank key refused", "COIN", " \t", "1", coin, coin);
        Row("= in a key refused", "COIN", "A=B", "1", coin, coin);
        Row("line break in a key refused", "COIN", "A\nB", "1", coin, coin);
        Row("key that is a comment refused", "COIN", ";TOTAL", "1", coin, coin);
        Row("] in a section refused", "CO]IN", "TOTAL", "1", coin, coin);
    }

    void writeKeepsEveryOtherByte() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, before);
        QFETCH(QString, after);
        if (!before.isNull()) {
            WriteBytes(Ini(), before.toStdString());
        }
        QCOMPARE(Write(section, key, value), before != after);
        QCOMPARE(QString::fromStdString(ReadBytes(Ini())), after);
        QCOMPARE(FileNames(*dir_), QStringList{"Poker.ini"});
    }

    // A full disk or a read-only file leaves the old file whole; a folder the player
    // may not write to still takes a save, written where the file stands; a game
    // started without standard input leaves no temporary file and no descriptor open.
    void saveAgainstObstacles_data() {
        Columns<QString, bool>("obstacle", "written");
        QTest::newRow("full disk") << "full disk" << false;
        QTest::newRow("read-only folder") << "read-only folder" << true;
        QTest::newRow("read-only file in it") << "read-only file" << false;
        QTest::newRow("standard input closed") << "no input" << true;
    }

    void saveAgainstObstacles() {
        QFETCH(QString, obstacle);
        QFETCH(bool, written);
        const std::string tail = "\r\n" + std::string(200, ';') + "\r\n";
        WriteBytes(Ini(), "[COIN]\r\nTOTAL=50" + tail);
        ::chmod(Ini().c_str(), obstacle == "read-only file" ? 0444 : 0666);
        const auto save = [this] { return Write("COIN", "TOTAL", "7"); };
        const std::string folder = dir_->path().toStdString();
        if (obstacle == "full disk") {
            QVERIFY(!testsupport::WithFileSizeLimit(64, save));
        } else if (obstacle == "no input") {
            const int input = ::dup(0);
            ::close(0);
            QVERIFY(save());
            QCOMPARE(::fcntl(0, F_GETFD), -1);
            ::dup2(input, 0);
            ::close(input);
        } else {
            ::chmod(folder.c_str(), 0555);
            QCOMPARE(testsupport::AsOrdinaryUser(save), written);
            ::chmod(folder.c_str(), 0700);
        }
        QCOMPARE(ReadBytes(Ini()), "[COIN]\r\nTOTAL=" + std::string(written ? "7" : "50") + tail);
        QCOMPARE(FileNames(*dir_), QStringList{"Poker.ini"});
    }

    // A link is written through to its target, also one that does not exist yet.
    void writeThroughALinkKeepsTheLink() {
        fs::create_symlink("real.ini", Ini());
        QVERIFY(Write("COIN", "TOTAL", "8"));
        QVERIFY(fs::is_symlink(Ini()));
        QCOMPARE(ReadBytes(InFolder(*dir_, "real.ini")), std::string("[COIN]\r\nTOTAL=8\r\n"));
    }

    // The file is in the ANSI code page: the cut counts bytes and only keeps a
    // valid UTF-8 character whole.
    void longValueIsCutAt1023Bytes_data() {
        Columns<QByteArray, QByteArray>("tail", "kept");
        QTest::newRow("2-byte character kept whole") << QByteArray("a\xC3\xA9z") << QByteArray("a");
        QTest::newRow("4-byte character kept whole")
            << QByteArray("\xF4\x8F\xBF\xBFz") << QByteArray();
        QTest::newRow("ANSI bytes") << QByteArray("a\xA9\xA9z") << QByteArray("a\xA9");
        QTest::newRow("lead byte without its follower")
            << QByteArray("a\xC3xz") << QByteArray("a\xC3");
    }

    void longValueIsCutAt1023Bytes() {
        QFETCH(QByteArray, tail);
        QFETCH(QByteArray, kept);
        const std::string start(1021, 'a');
        WriteBytes(Ini(), "[CARD]\r\nURA=" + start + tail.toStdString() + "\r\n");
        QCOMPARE(Read("CARD", "URA"), start + kept.toStdString());
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
