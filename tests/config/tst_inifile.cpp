#include "config/Profile.h"
#include "config/SafeFile.h"
#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QtTest>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;

using testsupport::FileNames;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Written out by hand, not generated: these are the bytes a first start must leave.
const std::string kDefaultIni =
    "[SOUND]\r\nCARD=\\CARD.wav\r\nCOININ=\\MEDALIN.wav\r\nCOINOUT=\\MEDALOUT.wav\r\n"
    "HOLD=\\HOLD.wav\r\nBOO=\\BOO.wav\r\nWIN0=\\win0.wav\r\nWIN1=\\win1.wav\r\n"
    "WIN2=\\win2.wav\r\nBONUS=\\BONUS.wav\r\nFANFARE=\\ragtimedance.wav\r\n[CARD]\r\n"
    "URA=\\ura.bmp\r\nC_01=\\clb_1.bmp\r\nC_02=\\clb_2.bmp\r\nC_03=\\clb_3.bmp\r\n"
    "C_04=\\clb_4.bmp\r\nC_05=\\clb_5.bmp\r\nC_06=\\clb_6.bmp\r\nC_07=\\clb_7.bmp\r\n"
    "C_08=\\clb_8.bmp\r\nC_09=\\clb_9.bmp\r\nC_10=\\clb_10.bmp\r\nC_11=\\clb_11.bmp\r\n"
    "C_12=\\clb_12.bmp\r\nC_13=\\clb_13.bmp\r\nH_01=\\her_1.bmp\r\nH_02=\\her_2.bmp\r\n"
    "H_03=\\her_3.bmp\r\nH_04=\\her_4.bmp\r\nH_05=\\her_5.bmp\r\nH_06=\\her_6.bmp\r\n"
    "H_07=\\her_7.bmp\r\nH_08=\\her_8.bmp\r\nH_09=\\her_9.bmp\r\nH_10=\\her_10.bmp\r\n"
    "H_11=\\her_11.bmp\r\nH_12=\\her_12.bmp\r\nH_13=\\her_13.bmp\r\nD_01=\\dia_1.bmp\r\n"
    "D_02=\\dia_2.bmp\r\nD_03=\\dia_3.bmp\r\nD_04=\\dia_4.bmp\r\nD_05=\\dia_5.bmp\r\n"
    "D_06=\\dia_6.bmp\r\nD_07=\\dia_7.bmp\r\nD_08=\\dia_8.bmp\r\nD_09=\\dia_9.bmp\r\n"
    "D_10=\\dia_10.bmp\r\nD_11=\\dia_11.bmp\r\nD_12=\\dia_12.bmp\r\nD_13=\\dia_13.bmp\r\n"
    "S_01=\\spd_1.bmp\r\nS_02=\\spd_2.bmp\r\nS_03=\\spd_3.bmp\r\nS_04=\\spd_4.bmp\r\n"
    "S_05=\\spd_5.bmp\r\nS_06=\\spd_6.bmp\r\nS_07=\\spd_7.bmp\r\nS_08=\\spd_8.bmp\r\n"
    "S_09=\\spd_9.bmp\r\nS_10=\\spd_10.bmp\r\nS_11=\\spd_11.bmp\r\nS_12=\\spd_12.bmp\r\n"
    "S_13=\\spd_13.bmp\r\nJOKER=\\joker.bmp\r\n[COIN]\r\nTOTAL=50\r\nTOTAL_GET=0\r\n"
    "TOTAL_PUT=0\r\n[PLAYDATA]\r\n0=0\r\n1=0\r\n2=0\r\n3=0\r\n4=0\r\n5=0\r\n6=0\r\n7=0\r\n"
    "8=0\r\nMAX_DOUBLE_CNT=0\r\nMAX_DOUBLE_WIN=0\r\n[SETTING]\r\nGAME=200\r\n"
    "BACKCOLOR=32768\r\n";

// Hand-edited: a byte order mark, comments, odd case and blanks, a key and a
// section twice, brackets that open no section, LF, CR and CR LF line ends.
const std::string kOddFile = "\xEF\xBB\xBF; my settings\n\n[ sound ]\n  Card  =  \\flip.wav  \n"
                             "card=\\second.wav\n\tHOLD\t=\t\\hold.wav\nstray line without equals\n"
                             ";COININ=\\commented.wav\n\n[Coin]\nTotal=-12\nCLOSE=x]\n[unclosed\n"
                             "EQUALS=a=b\n[SOUND]\nBOO=\\in_the_repeated_section.wav\n"
                             "[bare CR]\rONE=1\rTWO=2\r[setting]\r\ngame = 150";

// Which balance Poker.ini (watchedIni) held at each flush of a folder.
std::string watchedIni;
QStringList folderFlushes;

} // namespace

extern "C" int fsync(int fd) {
    struct stat info {};
    struct stat folder {};
    if (!watchedIni.empty() && ::fstat(fd, &info) == 0 &&
        ::stat(fs::path(watchedIni).parent_path().c_str(), &folder) == 0 &&
        info.st_ino == folder.st_ino) {
        const profile::ValueIndex values(ReadBytes(watchedIni));
        folderFlushes << QString::fromStdString(values.Find("COIN", "TOTAL"));
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

mode_t Umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

class TestIniFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    std::string Ini() const { return dir_->filePath("Poker.ini").toStdString(); }

    std::string Read(const QString& section, const QString& key) const {
        const profile::ValueIndex values(profile::ReadProfile(Ini()).value_or(""));
        return profile::ValueOf(values, section.toStdString(), key.toStdString());
    }
    bool Write(const QString& section, const QString& key, const QString& value) const {
        return profile::WriteValues(
                   Ini(), {{section.toStdString(), key.toStdString(), value.toStdString()}})
            .has_value();
    }

    static void Start() {
        basIniProc::InitIniFile();
        basIniProc::LoadCoinData();
        basIniProc::LoadGameSpeed();
        basIniProc::LoadBackColor();
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        platform::SetProgramFolder(dir_->path().toStdString());
        basIniProc::lngCoin = -999;
    }

    void cleanup() { platform::SetProgramFolder(""); }

    // A first start writes the defaults, here through a dangling link at the name:
    // the player's Poker.ini, not yet written. Read once per start, later reads are
    // served from memory, yet a save starts from the file as it stands, keeping what
    // another writer (the settings dialog) put there since.
    void firstStartAndASaveOnTopOfTheFile() {
        fs::create_directory(dir_->filePath("saved").toStdString());
        fs::create_symlink("saved/mine.ini", Ini());
        Start();
        QVERIFY(fs::is_directory(dir_->filePath("sound").toStdString()) &&
                fs::is_directory(dir_->filePath("card").toStdString()));
        std::string other = ReadBytes(Ini());
        QCOMPARE(other, kDefaultIni);
        QCOMPARE(basIniProc::lngCoin, 50);
        QCOMPARE(basIniProc::intGameSpeed, std::int16_t{200});
        QCOMPARE(basIniProc::lngBackColor, 32768);

        other.replace(other.find("\\CARD.wav"), 9, "\\mine.wav");
        WriteBytes(Ini(), other);
        QCOMPARE(basIniProc::GetIni("SOUND", "CARD"), std::string("\\CARD.wav"));
        basIniProc::lngCoin = 75;
        basIniProc::lngPlayData[8] = 3;
        QVERIFY(basIniProc::SaveCoinData());
        other.replace(other.find("TOTAL=50"), 8, "TOTAL=75");
        other.replace(other.find("8=0"), 3, "8=3");
        QCOMPARE(ReadBytes(Ini()), other);
        QCOMPARE(basIniProc::GetIni("SOUND", "CARD"), std::string("\\mine.wav"));
        QVERIFY(fs::is_symlink(Ini()));
    }

    // A save cut off by a kill leaves its temporary file; the next start removes it,
    // even when the process id in its name now belongs to a running process (here
    // this one), but not one whose writer still holds it, nor a file of another name.
    void startRemovesTemporariesOfKilledSaves() {
        const QString held = "Poker.ini.tmp2147483646.3";
        const QStringList kept{held,
                               "Poker.ini.tmp",
                               "Poker.ini.tmp.5",
                               "Poker.ini.tmp1x.2",
                               "Poker.ini.tmp-2147483647.0",
                               "Poker.ini.tmp2147483647.99999999999"};
        const QStringList abandoned{"Poker.ini.tmp2147483647.0",
                                    "Poker.ini.tmp" + QString::number(getpid()) + ".7"};
        for (const QString& name : kept + abandoned) {
            WriteBytes(dir_->filePath(name).toStdString(), "half");
        }
        const int writer = ::open(dir_->filePath(held).toLocal8Bit().constData(), O_RDONLY);
        QCOMPARE(::flock(writer, LOCK_EX), 0);
        basIniProc::InitIniFile();
        ::close(writer);
        QStringList left = FileNames(*dir_);
        QStringList expected = kept + QStringList{"Poker.ini", "card", "sound"};
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
    }

    // A new file and a replaced one are on the disk under their names once the call
    // returns: the folder is flushed after the link or the rename, not before.
    void folderIsFlushedAfterTheNameChanges_data() {
        Columns<bool, QStringList>("firstStart", "balances");
        Row("first start", true, QStringList{"50"});
        Row("save", false, QStringList{"7"});
    }

    void folderIsFlushedAfterTheNameChanges() {
        QFETCH(bool, firstStart);
        if (!firstStart) {
            Start();
        }
        watchedIni = Ini();
        folderFlushes.clear();
        basIniProc::lngCoin = 7;
        firstStart ? basIniProc::InitIniFile() : void(basIniProc::SaveCoinData());
        watchedIni.clear();
        QTEST(folderFlushes, "balances");
    }

    // Poker.ini deleted while the game runs: the save writes the whole file as a
    // first start would, with the game's values in it, not the coins alone.
    void saveAfterTheFileWasDeletedWritesItWhole() {
        Start();
        fs::remove(Ini());
        basIniProc::lngCoin = 75;
        basIniProc::lngTotalGet = 30;
        QVERIFY(basIniProc::SaveCoinData());
        std::string expected = kDefaultIni;
        expected.replace(expected.find("TOTAL=50\r\nTOTAL_GET=0"), 21, "TOTAL=75\r\nTOTAL_GET=30");
        QCOMPARE(ReadBytes(Ini()), expected);
    }

    // One text for the balance, the double-up record, the speed and the colour. The
    // balance is held within the limit, so a hand-edited one cannot wrap on the next
    // bet; the record and the colour are read as they stand; the speed fits 16 bits,
    // and 0 means the default.
    void numbersFromTheFile_data() {
        Columns<QString, int, int, int>("text", "coins", "record", "speed");
        Row("letters", "abc", 0, 0, 200);
        Row("past the limit", "100000000", 99999999, 100000000, 1000);
        Row("far too large", QString(40, '9'), 99999999, 2147483647, 1000);
        Row("slowest 16-bit speed", "32767", 32767, 32767, 1000);
        Row("slowest playable speed", "1000", 1000, 1000, 1000);
        Row("negative", "-5", -5, -5, 1);
        Row("below the limit", "-100000000", -99999999, -100000000, 1);
        Row("blank and plus, then letters", " \t+12x3", 12, 12, 12);
    }

    void numbersFromTheFile() {
        QFETCH(QString, text);
        const std::string value = text.toStdString();
        WriteBytes(Ini(), "[COIN]\r\nTOTAL=" + value + "\r\n[PLAYDATA]\r\nMAX_DOUBLE_WIN=" + value +
                              "\r\n[SETTING]\r\nGAME=" + value + "\r\nBACKCOLOR=" + value);
        Start();
        QTEST(basIniProc::lngCoin, "coins");
        QTEST(basIniProc::lngMaxDoubleWin, "record");
        QTEST(basIniProc::lngBackColor, "record");
        QTEST(int{basIniProc::intGameSpeed}, "speed");
    }

    void readsAnOddlyLaidOutFile_data() {
        Columns<QString, QString, QString>("section", "key", "value");
        Row("blanks and case", "SOUND", "CARD", "\\flip.wav");
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

    // Short names keep each case on one line. Names the reader would not find again
    // are refused, the file left as it was.
    void writeKeepsEveryOtherByte_data() {
        Columns<QString, QString, QString, QString, QString>("section", "key", "value", "before",
                                                             "after");
        Row("layout kept", "a", "K", "x", ";\n[ A ]\n k = o \n\n[B]\n",
            ";\n[ A ]\n k = x\n\n[B]\n");
        Row("new key ends its section", "A", " N ", "9", "[A]\nK=1\n\n[B]\n",
            "[A]\nK=1\nN=9\n\n[B]\n");
        Row("LF file stays LF", "B", "K", "2", "[A]\nK=1\n", "[A]\nK=1\n[B]\nK=2\n");
        Row("last line without an ending", "A", "N", "3", "[A]\r\nK=1", "[A]\r\nK=1\r\nN=3\r\n");
        Row("empty value filled", "A", "K", "3", "[A]\r\nK=\r\nN=0\r\n", "[A]\r\nK=3\r\nN=0\r\n");
        Row("missing file", "A", "K", "-3", QString(), "[A]\r\nK=-3\r\n");
        Row("no line added", "A", "K", "x\r\n[B]\r\nK=9", "[A]\nK=1\n[B]\nK=2\n",
            "[A]\nK=x\n[B]\nK=2\n");
        const char* file = "[A]\r\nK=1\r\n";
        Row("blanks around the key", "A", " K\t", "8", file, "[A]\r\nK=8\r\n");
        Row("blank key refused", "A", " \t", "1", file, file);
        Row("= in a key refused", "A", "K=B", "1", file, file);
        Row("line break in a key refused", "A", "K\nB", "1", file, file);
        Row("key that is a comment refused", "A", ";K", "1", file, file);
        Row("] in a section refused", "A]", "K", "1", file, file);
    }

    void writeKeepsEveryOtherByte() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, before);
        QFETCH(QString, after);
        if (!before.isNull()) {
            WriteBytes(Ini(), before.toStdString());
            fs::permissions(Ini(), fs::perms::owner_read | fs::perms::owner_write |
                                       fs::perms::group_read); // the player's own 0640
        }
        QCOMPARE(Write(section, key, value), before != after);
        QCOMPARE(QString::fromStdString(ReadBytes(Ini())), after);
        QCOMPARE(static_cast<int>(fs::status(Ini()).permissions() & fs::perms::mask),
                 before.isNull() ? 0666 & ~Umask() : 0640);
        QCOMPARE(FileNames(*dir_), QStringList{"Poker.ini"});
    }

    // Where Poker.ini should be stands no ordinary file of a sane size: nothing is
    // read from it or written to it, and it stays what it was. A file is read up to
    // its limit, and not a byte past it.
    void noOrdinaryFileIsReadOrReplaced_data() {
        Columns<QString>("kind");
        for (const char* kind : {"folder", "pipe", "device", "over-size"}) {
            Row(kind, QString(kind));
        }
    }

    void noOrdinaryFileIsReadOrReplaced() {
        QFETCH(QString, kind);
        testsupport::MakeHostile(Ini(), kind);
        const fs::file_type before = fs::symlink_status(Ini()).type();
        QVERIFY(!profile::ReadProfile(Ini()));
        QVERIFY(!Write("COIN", "TOTAL", "1"));
        QCOMPARE(fs::symlink_status(Ini()).type(), before);
        const std::string small = dir_->filePath("small").toStdString();
        WriteBytes(small, "abcd");
        QCOMPARE(profile::ReadWholeFile(small, 4), std::optional<std::string>("abcd"));
        QCOMPARE(profile::ReadWholeFile(small, 3), std::nullopt);
    }

    // A full disk or a read-only file leaves the old file whole; a folder the player
    // may not write to still takes a save, written where the file stands; a game
    // started without standard input leaves no temporary file and no descriptor open.
    void saveAgainstObstacles_data() {
        Columns<QString, bool>("obstacle", "written");
        Row("full disk", "full disk", false);
        Row("read-only folder", "read-only folder", true);
        Row("read-only file in it", "read-only file", false);
        Row("standard input closed", "no input", true);
    }

    void saveAgainstObstacles() {
        QFETCH(QString, obstacle);
        QFETCH(bool, written);
        const std::string tail = "\r\n" + std::string(200, ';') + "\r\n";
        WriteBytes(Ini(), "[COIN]\r\nTOTAL=50" + tail);
        ::chmod(Ini().c_str(), obstacle == "read-only file" ? 0444 : 0666);
        const auto save = [this] { return Write("COIN", "TOTAL", "1234"); }; // grows the file
        const std::string folder = dir_->path().toStdString();
        if (obstacle == "full disk") { // a first start's file too
            QVERIFY(!testsupport::WithFileSizeLimit(64, save) &&
                    !testsupport::WithFileSizeLimit(
                        64, [&] { return profile::CreateWholeFile(Ini() + "2", tail + tail); }));
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
        QCOMPARE(ReadBytes(Ini()),
                 "[COIN]\r\nTOTAL=" + std::string(written ? "1234" : "50") + tail);
        QCOMPARE(FileNames(*dir_), QStringList{"Poker.ini"});
    }

    // The file is in the ANSI code page: the cut counts bytes and only keeps a
    // valid UTF-8 character whole.
    void longValueIsCutAt1023Bytes_data() {
        Columns<QByteArray, QByteArray>("tail", "kept");
        Row("2-byte character kept whole", QByteArray("a\xC3\xA9z"), QByteArray("a"));
        Row("4-byte character kept whole", QByteArray("\xF4\x8F\xBF\xBFz"), QByteArray());
        Row("ANSI bytes", QByteArray("a\xA9\xA9z"), QByteArray("a\xA9"));
        Row("lead byte without its follower", QByteArray("a\xC3xz"), QByteArray("a\xC3"));
        Row("character broken past the cut", QByteArray("a\xE2\x82xz"), QByteArray("a\xE2"));
    }

    void longValueIsCutAt1023Bytes() {
        QFETCH(QByteArray, tail);
        QFETCH(QByteArray, kept);
        const std::string start(1021, 'a');
        WriteBytes(Ini(), "[CARD]\r\nURA=" + start + tail.toStdString() + "\r\n");
        QCOMPARE(Read("CARD", "URA"), start + kept.toStdString());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
