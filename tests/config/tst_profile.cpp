#include "config/Profile.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

using testsupport::FileNames;
using testsupport::InFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Hand-edited: LF ends, a byte order mark, blank lines, comments, odd case,
// blanks around '=', a key and a section twice, a last line without an ending.
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
                             "EMPTY=\n"
                             "EQUALS=a=b\n"
                             "[SOUND]\n"
                             "BOO=\\in_the_repeated_section.wav\n"
                             "[setting]\r\n"
                             "game = 150";

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    std::string Ini() const { return InFolder(*dir_, "Poker.ini"); }
    std::string Read(const char* section, const char* key) const {
        return profile::ReadString(Ini(), section, key);
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
        row("negative", "COIN", "TOTAL", "-12");
        row("empty value", "COIN", "EMPTY", "");
        row("after the first =", "COIN", "EQUALS", "a=b");
        row("only the first section of a name", "SOUND", "BOO", "");
        row("CR LF among LF, no final line end", "SETTING", "GAME", "150");
    }

    void readsAnOddlyLaidOutFile() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        WriteBytes(Ini(), kOddFile);
        QCOMPARE(QString::fromStdString(
                     profile::ReadString(Ini(), section.toStdString(), key.toStdString())),
                 value);
    }

    void writeKeepsEveryOtherByte_data() {
        Columns<QString, QString, QString, QString, QString>("section", "key", "value", "before",
                                                             "after");
        const auto row = [](const char* name, QString section, QString key, QString value,
                            QString before, QString after) {
            QTest::newRow(name) << section << key << value << before << after;
        };
        row("replace where it stands", "COIN", "total", "75",
            "[SOUND]\r\nCARD=\\c.wav\r\n[COIN]\r\nTOTAL=50\r\nTOTAL_GET=0\r\n",
            "[SOUND]\r\nCARD=\\c.wav\r\n[COIN]\r\nTOTAL=75\r\nTOTAL_GET=0\r\n");
        row("layout around the value kept", "sound", "CARD", "\\x.wav",
            "; top\n[ Sound ]\n  Card =  \\old.wav  \n\n[COIN]\n",
            "; top\n[ Sound ]\n  Card =  \\x.wav\n\n[COIN]\n");
        row("new key at the end of its section", "COIN", "TOTAL_PUT", "9",
            "[COIN]\r\nTOTAL=50\r\n\r\n[SETTING]\r\nGAME=200\r\n",
            "[COIN]\r\nTOTAL=50\r\nTOTAL_PUT=9\r\n\r\n[SETTING]\r\nGAME=200\r\n");
        row("new section at the end", "SETTING", "BACKCOLOR", "255", "[COIN]\r\nTOTAL=50\r\n",
            "[COIN]\r\nTOTAL=50\r\n[SETTING]\r\nBACKCOLOR=255\r\n");
        row("LF file stays LF", "SETTING", "GAME", "100", "[COIN]\nTOTAL=50\n",
            "[COIN]\nTOTAL=50\n[SETTING]\nGAME=100\n");
        row("last line without an ending", "COIN", "TOTAL_GET", "3", "[COIN]\r\nTOTAL=50",
            "[COIN]\r\nTOTAL=50\r\nTOTAL_GET=3\r\n");
        row("byte order mark kept", "COIN", "TOTAL", "1", "\xEF\xBB\xBF[COIN]\r\nTOTAL=50\r\n",
            "\xEF\xBB\xBF[COIN]\r\nTOTAL=1\r\n");
        row("first of a key twice", "COIN", "TOTAL", "2", "[COIN]\r\nTOTAL=50\r\nTOTAL=60\r\n",
            "[COIN]\r\nTOTAL=2\r\nTOTAL=60\r\n");
        row("empty value filled", "SETTING", "GAME", "300", "[SETTING]\r\nGAME=\r\nBACKCOLOR=0\r\n",
            "[SETTING]\r\nGAME=300\r\nBACKCOLOR=0\r\n");
        row("empty file", "COIN", "TOTAL", "5", "", "[COIN]\r\nTOTAL=5\r\n");
        row("missing file", "COIN", "TOTAL", "-3", QString(), "[COIN]\r\nTOTAL=-3\r\n");
        row("a line break cannot add lines", "SOUND", "CARD", "\\a.wav\r\n[COIN]\r\nTOTAL=999999",
            "[SOUND]\r\nCARD=\\c.wav\r\n[COIN]\r\nTOTAL=50\r\n",
            "[SOUND]\r\nCARD=\\a.wav\r\n[COIN]\r\nTOTAL=50\r\n");
    }

    void writeKeepsEveryOtherByte() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, before);
        if (!before.isNull()) {
            WriteBytes(Ini(), before.toStdString());
        }
        QVERIFY(profile::WriteString(Ini(), section.toStdString(), key.toStdString(),
                                     value.toStdString()));
        QTEST(QString::fromStdString(ReadBytes(Ini())), "after");
        QCOMPARE(FileNames(*dir_), QStringList{"Poker.ini"});
    }

    void namesThatCouldNotBeReadBackAreRefused_data() {
        Columns<QString, QString>("section", "key");
        QTest::newRow("empty key") << "COIN" << QString();
        QTest::newRow("= in key") << "COIN" << QString("A=B");
        QTest::newRow("line break in key") << "COIN" << QString("A\nB");
        QTest::newRow("] in section") << "CO]IN" << QString("TOTAL");
        QTest::newRow("key that is a comment") << "COIN" << QString(";TOTAL");
    }

    void namesThatCouldNotBeReadBackAreRefused() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        const std::string before = "[COIN]\r\nTOTAL=50\r\n";
        WriteBytes(Ini(), before);
        QVERIFY(!profile::WriteString(Ini(), section.toStdString(), key.toStdString(), "1"));
        QCOMPARE(ReadBytes(Ini()), before);
    }

    // A lowered file size limit makes the write run out of room the way it would on
    // a full disk; the limit binds root too, where permission bits do not.
    void writeThatRunsOutOfRoomLeavesTheOldFileWhole() {
        const std::string before = "[COIN]\r\nTOTAL=50\r\n" + std::string(200, ';') + "\r\n";
        WriteBytes(Ini(), before);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 64;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = profile::WriteString(Ini(), "COIN", "TOTAL", "1234");
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QVERIFY(!written);
        QCOMPARE(ReadBytes(Ini()), before);
        QCOMPARE(FileNames(*dir_), QStringList{"Poker.ini"});
        QCOMPARE(Read("COIN", "TOTAL"), std::string("50"));
    }

    void writeIntoAReadOnlyPlaceLeavesTheOldFileWhole_data() {
        QTest::addColumn<bool>("folderReadOnly");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("read-only file") << false;
    }

    void writeIntoAReadOnlyPlaceLeavesTheOldFileWhole() {
        QFETCH(bool, folderReadOnly);
        if (geteuid() == 0) {
            QSKIP("root writes through permission bits; the size-limit case covers failing writes");
        }
        const std::string before = "[COIN]\r\nTOTAL=50\r\n";
        WriteBytes(Ini(), before);
        const auto readOnly =
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec;
        std::filesystem::permissions(folderReadOnly ? dir_->path().toStdString() : Ini(), readOnly);
        const bool written = profile::WriteString(Ini(), "COIN", "TOTAL", "1");
        std::filesystem::permissions(dir_->path().toStdString(), std::filesystem::perms::owner_all);
        QVERIFY(!written);
        QCOMPARE(ReadBytes(Ini()), before);
    }

    void fileThatCannotBeReadIsNotReplaced() {
        std::filesystem::create_directory(Ini());
        QVERIFY(!profile::WriteString(Ini(), "COIN", "TOTAL", "1"));
        QVERIFY(std::filesystem::is_directory(Ini()));
        QCOMPARE(Read("COIN", "TOTAL"), std::string());
    }

    void writeThroughALinkKeepsTheLink() {
        const std::string real = InFolder(*dir_, "real.ini");
        WriteBytes(real, "[COIN]\r\nTOTAL=50\r\n");
        std::filesystem::create_symlink(real, Ini());
        QVERIFY(profile::WriteString(Ini(), "COIN", "TOTAL", "8"));
        QVERIFY(std::filesystem::is_symlink(Ini()));
        QCOMPARE(ReadBytes(real), std::string("[COIN]\r\nTOTAL=8\r\n"));
    }

    void cutNeverSplitsACharacter() {
        const std::string value = std::string(1022, 'a') + "\xC3\xA9" + "tail";
        WriteBytes(Ini(), "[CARD]\r\nURA=" + value + "\r\n");
        QCOMPARE(Read("CARD", "URA"), std::string(1022, 'a'));
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
