#include "config/Profile.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;
using testsupport::FileNames;
using testsupport::InFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Hand-edited: LF ends, a byte order mark, blank lines, comments, odd case,
// blanks around '=', a key and a section twice, brackets that open no section, a
// last line without an ending.
const std::string kOddFile = "\xEF\xBB\xBF; my settings\n"
                             "\n"
                             "[ sound ]\n"
                             "  Card  =  \\flip.wav  \n"
                             "card=\\second.wav\n"
                             "\tHOLD\t=\t\\hold.wav\n"
                             "stray line without equals\n"
                             ";COININ=\\commented.wav\n"
                             "\n"
                             "[Coin]\n"
                             "Total=-12\n"
                             "CLOSE=x]\n"
                             "[unclosed\n"
                             "EQUALS=a=b\n"
                             "[SOUND]\n"
                             "BOO=\\in_the_repeated_section.wav\n"
                             "[bare CR]\rONE=1\rTWO=2\r"
                             "[setting]\r\n"
                             "game = 150";

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
        const auto row = [](const char* name, QString section, QString key, QString value) {
            QTest::newRow(name) << section << key << value;
        };
        row("blanks and case", "SOUND", "CARD", "\\flip.wav");
        row("first of a key twice", "Sound", "card", "\\flip.wav");
        row("tabs around =", "SOUND", "HOLD", "\\hold.wav");
        row("commented out", "SOUND", "COININ", "");
        row("line without =", "SOUND", "stray line without equals", "");
        row("after the first =", "COIN", "EQUALS", "a=b");
        row("] in a value", "COIN", "CLOSE", "x]");
        row("only the first section of a name", "SOUND", "BOO", "");
        row("CR LF among LF, no final line end", "SETTING", "GAME", "150");
        row("lone CR line ends", "BARE CR", "TWO", "2");
        row("blanks around the names asked for", " coin\t", "TOTAL ", "-12");
        row("key of another section", "SOUND", "TOTAL", "");
        row("missing section", "NONE", "TOTAL", "");
    }

    void readsAnOddlyLaidOutFile() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        WriteBytes(Ini(), kOddFile);
        QCOMPARE(QString::fromStdString(Read(section, key)), value);
    }

    void writeKeepsEveryOtherByte_data() {
        Columns<QString, QString, QString, QString, QString>("section", "key", "value", "before",
                                                             "after");
        const auto row = [](const char* name, QString section, QString key, QString value,
                            QString before, QString after) {
            QTest::newRow(name) << section << key << value << before << after;
        };
        row("layout around the value kept", "sound", "CARD", "\\x.wav",
            "; top\n[ Sound ]\n  Card =  \\old.wav  \n\n[COIN]\n",
            "; top\n[ Sound ]\n  Card =  \\x.wav\n\n[COIN]\n");
        row("new key at the end of its section", "COIN", "TOTAL_PUT", "9",
            "[COIN]\r\nTOTAL=50\r\n\r\n[SETTING]\r\nGAME=200\r\n",
            "[COIN]\r\nTOTAL=50\r\nTOTAL_PUT=9\r\n\r\n[SETTING]\r\nGAME=200\r\n");
        row("LF file stays LF", "SETTING", "GAME", "100", "[COIN]\nTOTAL=50\n",
            "[COIN]\nTOTAL=50\n[SETTING]\nGAME=100\n");
        row("last line without an ending", "COIN", "TOTAL_GET", "3", "[COIN]\r\nTOTAL=50",
            "[COIN]\r\nTOTAL=50\r\nTOTAL_GET=3\r\n");
        row("byte order mark kept", "COIN", "TOTAL", "1", "\xEF\xBB\xBF[COIN]\r\nTOTAL=50\r\n",
            "\xEF\xBB\xBF[COIN]\r\nTOTAL=1\r\n");
        row("empty value filled", "SETTING", "GAME", "300", "[SETTING]\r\nGAME=\r\nBACKCOLOR=0\r\n",
            "[SETTING]\r\nGAME=300\r\nBACKCOLOR=0\r\n");
        row("missing file", "COIN", "TOTAL", "-3", QString(), "[COIN]\r\nTOTAL=-3\r\n");
        row("a line break cannot add lines", "SOUND", "CARD", "\\a.wav\r\n[COIN]\r\nTOTAL=999999",
            "[SOUND]\r\nCARD=\\c.wav\r\n[COIN]\r\nTOTAL=50\r\n",
            "[SOUND]\r\nCARD=\\a.wav\r\n[COIN]\r\nTOTAL=50\r\n");
        row("lone CR file: new key ends in CR LF", "COIN", "TOTAL_PUT", "9", "[COIN]\rTOTAL=50\r",
            "[COIN]\rTOTAL=50\rTOTAL_PUT=9\r\n");
        row("blanks around the key", "COIN", " TOTAL\t", "8", "[COIN]\r\nTOTAL=50\r\n",
            "[COIN]\r\nTOTAL=8\r\n");
        row("new key written without its blanks", "COIN", "NEW ", "1", "[COIN]\r\n",
            "[COIN]\r\nNEW=1\r\n");
        // Names the reader would not find again are refused, the file left as it was.
        const QString coin = "[COIN]\r\nTOTAL=50\r\n";
        row("empty key refused", "COIN", "", "1", coin, coin);
        row("blank key refused", "COIN", " \t", "1", coin, coin);
        row("= in a key refused", "COIN", "A=B", "1", coin, coin);
        row("line break in a key refused", "COIN", "A\nB", "1", coin, coin);
        row("key that is a comment refused", "COIN", ";TOTAL", "1", coin, coin);
        row("] in a section refused", "CO]IN", "TOTAL", "1", coin, coin);
    }

    void writeKeepsEveryOtherByte() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, before);
        if (!before.isNull()) {
            WriteBytes(Ini(), before.toStdString());
        }
        QFETCH(QString, after);
        const bool written = Write(section, key, value);
        QCOMPARE(QString::fromStdString(ReadBytes(Ini())), after);
        QCOMPARE(FileNames(*dir_), QStringList{"Poker.ini"});
        QCOMPARE(written, before != after);
        if (written) {
            QCOMPARE(QString::fromStdString(Read(section, key)), value.section('\r', 0, 0));
        }
    }

    // A full disk or a read-only file leaves the old file whole; a folder the player
    // may not write to still takes a save of a writable file, written where it stands.
    void saveWithoutATemporaryFile_data() {
        Columns<QString, bool>("obstacle", "written");
        QTest::newRow("full disk") << "full disk" << false;
        QTest::newRow("read-only folder") << "read-only folder" << true;
        QTest::newRow("read-only file in it") << "read-only file" << false;
    }

    void saveWithoutATemporaryFile() {
        QFETCH(QString, obstacle);
        QFETCH(bool, written);
        const std::string tail = "\r\n" + std::string(200, ';') + "\r\n";
        WriteBytes(Ini(), "[COIN]\r\nTOTAL=50" + tail);
        ::chmod(Ini().c_str(), obstacle == "read-only file" ? 0444 : 0666);
        const auto save = [this] { return Write("COIN", "TOTAL", "7"); };
        if (obstacle == "full disk") {
            QVERIFY(!testsupport::WithFileSizeLimit(64, save));
        } else {
            ::chmod(dir_->path().toUtf8().constData(), 0555);
            QCOMPARE(testsupport::AsOrdinaryUser(save), written);
            ::chmod(dir_->path().toUtf8().constData(), 0700);
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
        QTest::newRow("3-byte character kept whole") << QByteArray("\xE2\x82\xACz") << QByteArray();
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
