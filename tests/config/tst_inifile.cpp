#include "IniFiles.h"
#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"

#include <QtTest>
#include <filesystem>

using testsupport::InFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Written out by hand, not generated: these are the bytes a first start must leave.
const std::string kDefaultIni = "[SOUND]\r\n"
                                "CARD=\\CARD.wav\r\n"
                                "COININ=\\MEDALIN.wav\r\n"
                                "COINOUT=\\MEDALOUT.wav\r\n"
                                "HOLD=\\HOLD.wav\r\n"
                                "BOO=\\BOO.wav\r\n"
                                "WIN0=\\win0.wav\r\n"
                                "WIN1=\\win1.wav\r\n"
                                "WIN2=\\win2.wav\r\n"
                                "BONUS=\\BONUS.wav\r\n"
                                "FANFARE=\\ragtimedance.wav\r\n"
                                "[CARD]\r\n"
                                "URA=\\ura.bmp\r\n"
                                "C_01=\\clb_1.bmp\r\nC_02=\\clb_2.bmp\r\nC_03=\\clb_3.bmp\r\n"
                                "C_04=\\clb_4.bmp\r\nC_05=\\clb_5.bmp\r\nC_06=\\clb_6.bmp\r\n"
                                "C_07=\\clb_7.bmp\r\nC_08=\\clb_8.bmp\r\nC_09=\\clb_9.bmp\r\n"
                                "C_10=\\clb_10.bmp\r\nC_11=\\clb_11.bmp\r\nC_12=\\clb_12.bmp\r\n"
                                "C_13=\\clb_13.bmp\r\n"
                                "H_01=\\her_1.bmp\r\nH_02=\\her_2.bmp\r\nH_03=\\her_3.bmp\r\n"
                                "H_04=\\her_4.bmp\r\nH_05=\\her_5.bmp\r\nH_06=\\her_6.bmp\r\n"
                                "H_07=\\her_7.bmp\r\nH_08=\\her_8.bmp\r\nH_09=\\her_9.bmp\r\n"
                                "H_10=\\her_10.bmp\r\nH_11=\\her_11.bmp\r\nH_12=\\her_12.bmp\r\n"
                                "H_13=\\her_13.bmp\r\n"
                                "D_01=\\dia_1.bmp\r\nD_02=\\dia_2.bmp\r\nD_03=\\dia_3.bmp\r\n"
                                "D_04=\\dia_4.bmp\r\nD_05=\\dia_5.bmp\r\nD_06=\\dia_6.bmp\r\n"
                                "D_07=\\dia_7.bmp\r\nD_08=\\dia_8.bmp\r\nD_09=\\dia_9.bmp\r\n"
                                "D_10=\\dia_10.bmp\r\nD_11=\\dia_11.bmp\r\nD_12=\\dia_12.bmp\r\n"
                                "D_13=\\dia_13.bmp\r\n"
                                "S_01=\\spd_1.bmp\r\nS_02=\\spd_2.bmp\r\nS_03=\\spd_3.bmp\r\n"
                                "S_04=\\spd_4.bmp\r\nS_05=\\spd_5.bmp\r\nS_06=\\spd_6.bmp\r\n"
                                "S_07=\\spd_7.bmp\r\nS_08=\\spd_8.bmp\r\nS_09=\\spd_9.bmp\r\n"
                                "S_10=\\spd_10.bmp\r\nS_11=\\spd_11.bmp\r\nS_12=\\spd_12.bmp\r\n"
                                "S_13=\\spd_13.bmp\r\n"
                                "JOKER=\\joker.bmp\r\n"
                                "[COIN]\r\n"
                                "TOTAL=50\r\n"
                                "TOTAL_GET=0\r\n"
                                "TOTAL_PUT=0\r\n"
                                "[PLAYDATA]\r\n"
                                "0=0\r\n1=0\r\n2=0\r\n3=0\r\n4=0\r\n5=0\r\n6=0\r\n7=0\r\n8=0\r\n"
                                "MAX_DOUBLE_CNT=0\r\n"
                                "MAX_DOUBLE_WIN=0\r\n"
                                "[SETTING]\r\n"
                                "GAME=200\r\n"
                                "BACKCOLOR=32768\r\n";

void SetCounters(std::int32_t base) {
    basIniProc::lngCoin = base;
    basIniProc::lngTotalGet = base + 1;
    basIniProc::lngTotalPut = base + 2;
    for (std::size_t i = 0; i < basIniProc::lngPlayData.size(); ++i) {
        basIniProc::lngPlayData[i] = base + 3 + static_cast<std::int32_t>(i);
    }
    basIniProc::lngMaxDoubleCnt = base + 12;
    basIniProc::lngMaxDoubleWin = base + 13;
}

void CompareCounters(std::int32_t base) {
    QCOMPARE(basIniProc::lngCoin, base);
    QCOMPARE(basIniProc::lngTotalGet, base + 1);
    QCOMPARE(basIniProc::lngTotalPut, base + 2);
    for (std::size_t i = 0; i < basIniProc::lngPlayData.size(); ++i) {
        QCOMPARE(basIniProc::lngPlayData[i], base + 3 + static_cast<std::int32_t>(i));
    }
    QCOMPARE(basIniProc::lngMaxDoubleCnt, base + 12);
    QCOMPARE(basIniProc::lngMaxDoubleWin, base + 13);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    std::string Ini() const { return InFolder(*dir_, "Poker.ini"); }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        platform::SetProgramFolder(dir_->path().toStdString());
        SetCounters(-999);
    }

    void cleanup() { platform::SetProgramFolder(""); }

    void firstStartInAnEmptyFolderWritesTheDefaults() {
        basIniProc::InitIniFile();
        QVERIFY(std::filesystem::is_directory(InFolder(*dir_, "sound")));
        QVERIFY(std::filesystem::is_directory(InFolder(*dir_, "card")));
        QCOMPARE(ReadBytes(Ini()), kDefaultIni);

        basIniProc::LoadCoinData();
        basIniProc::LoadGameSpeed();
        basIniProc::LoadBackColor();
        QCOMPARE(basIniProc::lngCoin, 50);
        QCOMPARE(basIniProc::lngTotalGet, 0);
        QCOMPARE(basIniProc::lngMaxDoubleWin, 0);
        QCOMPARE(basIniProc::intGameSpeed, std::int16_t{200});
        QCOMPARE(basIniProc::lngBackColor, 32768);
    }

    void existingFileAndNamesAreNeverTouched() {
        const std::string own = "[COIN]\nTOTAL=7\n";
        WriteBytes(Ini(), own);
        WriteBytes(InFolder(*dir_, "sound"), "a file, not a folder");
        basIniProc::InitIniFile();
        QCOMPARE(ReadBytes(Ini()), own);
        QVERIFY(std::filesystem::is_regular_file(InFolder(*dir_, "sound")));
        QVERIFY(std::filesystem::is_directory(InFolder(*dir_, "card")));
    }

    void fileDeletedWhileRunningIsWrittenAgain() {
        basIniProc::InitIniFile();
        basIniProc::WriteIni("COIN", "TOTAL", "321");
        std::filesystem::remove(Ini());
        basIniProc::InitIniFile();
        QCOMPARE(ReadBytes(Ini()), kDefaultIni);
    }

    void programFolderEndsInExactlyOneSlash_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("none") << "";
        QTest::newRow("one") << "/";
        QTest::newRow("two") << "//";
    }

    void programFolderEndsInExactlyOneSlash() {
        QFETCH(QString, suffix);
        platform::SetProgramFolder(dir_->path().toStdString() + suffix.toStdString());
        basIniProc::InitIniFile();
        QCOMPARE(QString::fromStdString(basIniProc::strAppPath), dir_->path() + "/");
        QCOMPARE(ReadBytes(Ini()), kDefaultIni);
    }

    void coinDataSurvivesSaveAndLoad_data() {
        QTest::addColumn<int>("base");
        QTest::newRow("positive") << 1000;
        QTest::newRow("negative") << -50;
        QTest::newRow("near the top") << 2147483647 - 13;
        QTest::newRow("the bottom") << -2147483647 - 1;
    }

    void coinDataSurvivesSaveAndLoad() {
        QFETCH(int, base);
        basIniProc::InitIniFile();
        SetCounters(base);
        basIniProc::SaveCoinData();
        SetCounters(0);
        basIniProc::LoadCoinData();
        CompareCounters(base);
        QCOMPARE(basIniProc::GetIni("COIN", "TOTAL"), std::to_string(base));
    }

    void saveRewritesOnlyTheCounters() {
        basIniProc::InitIniFile();
        basIniProc::LoadCoinData();
        basIniProc::lngCoin = 75;
        basIniProc::lngPlayData[8] = 3;
        basIniProc::SaveCoinData();
        std::string expected = kDefaultIni;
        expected.replace(expected.find("TOTAL=50"), 8, "TOTAL=75");
        expected.replace(expected.find("8=0"), 3, "8=3");
        QCOMPARE(ReadBytes(Ini()), expected);
    }

    void everyDefaultKeyRoundTrips() {
        basIniProc::InitIniFile();
        int changed = 0;
        std::string section;
        std::string expected = kDefaultIni;
        for (std::size_t pos = 0; pos < kDefaultIni.size();) {
            const std::size_t end = kDefaultIni.find("\r\n", pos);
            const std::string line = kDefaultIni.substr(pos, end - pos);
            pos = end + 2;
            if (line.front() == '[') {
                section = line.substr(1, line.size() - 2);
                continue;
            }
            const std::string key = line.substr(0, line.find('='));
            const std::string value = "\\new_" + key + ".png";
            basIniProc::WriteIni(section, key, value);
            QCOMPARE(basIniProc::GetIni(section, key), value);
            expected.replace(expected.find(line + "\r\n"), line.size(), key + "=" + value);
            ++changed;
        }
        QCOMPARE(changed, 10 + 54 + 3 + 11 + 2);
        QCOMPARE(ReadBytes(Ini()), expected);
    }

    void missingValuesReadEmpty_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("missing key") << "COIN"
                                     << "NOPE";
        QTest::newRow("missing section") << "NOPE"
                                         << "TOTAL";
        QTest::newRow("key of another section") << "SOUND"
                                                << "TOTAL";
    }

    void missingValuesReadEmpty() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        basIniProc::InitIniFile();
        QCOMPARE(basIniProc::GetIni(section.toStdString(), key.toStdString()), std::string());
        std::filesystem::remove(Ini());
        QCOMPARE(basIniProc::GetIni("COIN", "TOTAL"), std::string());
    }

    void longValueIsCutTo1023Characters() {
        basIniProc::InitIniFile();
        const std::string longName = "\\" + std::string(1500, 'x') + ".bmp";
        basIniProc::WriteIni("CARD", "URA", longName);
        QCOMPARE(basIniProc::GetIni("CARD", "URA"), longName.substr(0, 1023));
        QVERIFY(ReadBytes(Ini()).find(longName) != std::string::npos);
    }

    void numbersFromTheFile_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("coins");
        QTest::newRow("plain") << "123" << 123;
        QTest::newRow("negative") << "-45" << -45;
        QTest::newRow("plus sign") << "+8" << 8;
        QTest::newRow("blanks around") << "  17  " << 17;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("lone minus") << "-" << 0;
        QTest::newRow("leading integer") << "12abc" << 12;
        QTest::newRow("exponent ignored") << "1e3" << 1;
        QTest::newRow("decimal point") << "3.9" << 3;
        QTest::newRow("hex is not read") << "&H10" << 0;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << -2147483647 - 1;
        QTest::newRow("too large") << "2147483648" << 2147483647;
        QTest::newRow("too small") << "-2147483649" << -2147483647 - 1;
        QTest::newRow("far too large") << QString(40, '9') << 2147483647;
    }

    void numbersFromTheFile() {
        QFETCH(QString, text);
        QFETCH(int, coins);
        WriteBytes(Ini(), "[COIN]\r\nTOTAL=" + text.toStdString() + "\r\n");
        basIniProc::InitIniFile();
        basIniProc::LoadCoinData();
        QCOMPARE(basIniProc::lngCoin, coins);
    }

    void missingTotalStartsWithNoCoins() {
        WriteBytes(Ini(), "[COIN]\r\nTOTAL_GET=5\r\n");
        basIniProc::InitIniFile();
        basIniProc::LoadCoinData();
        QCOMPARE(basIniProc::lngCoin, 0);
        QCOMPARE(basIniProc::lngTotalGet, 5);
    }

    void gameSpeed_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("speed");
        QTest::newRow("missing key") << "" << 200;
        QTest::newRow("empty") << "GAME=\r\n" << 200;
        QTest::newRow("zero") << "GAME=0\r\n" << 200;
        QTest::newRow("one") << "GAME=1\r\n" << 1;
        QTest::newRow("negative kept") << "GAME=-5\r\n" << -5;
        QTest::newRow("not a number") << "GAME=fast\r\n" << 200;
        QTest::newRow("16-bit top") << "GAME=32767\r\n" << 32767;
        QTest::newRow("beyond 16 bits") << "GAME=40000\r\n" << 32767;
        QTest::newRow("beyond 32 bits") << "GAME=99999999999\r\n" << 32767;
        QTest::newRow("below 16 bits") << "GAME=-40000\r\n" << -32768;
    }

    void gameSpeed() {
        QFETCH(QString, setting);
        QFETCH(int, speed);
        WriteBytes(Ini(), "[SETTING]\r\n" + setting.toStdString());
        basIniProc::InitIniFile();
        basIniProc::LoadGameSpeed();
        QCOMPARE(basIniProc::intGameSpeed, static_cast<std::int16_t>(speed));
    }

    void backColor_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("colour");
        QTest::newRow("missing key gives black") << "" << 0;
        QTest::newRow("empty gives black") << "BACKCOLOR=\r\n" << 0;
        QTest::newRow("blue") << "BACKCOLOR=16711680\r\n" << 16711680;
        QTest::newRow("not a number") << "BACKCOLOR=green\r\n" << 0;
    }

    void backColor() {
        QFETCH(QString, setting);
        QFETCH(int, colour);
        WriteBytes(Ini(), "[SETTING]\r\nGAME=100\r\n" + setting.toStdString());
        basIniProc::InitIniFile();
        basIniProc::LoadBackColor();
        QCOMPARE(basIniProc::lngBackColor, colour);
    }

    void splitColor_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("table green") << 32768 << 0 << 128 << 0;
        QTest::newRow("black") << 0 << 0 << 0 << 0;
        QTest::newRow("white") << 0xFFFFFF << 255 << 255 << 255;
        QTest::newRow("mixed") << 0x123456 << 0x56 << 0x34 << 0x12;
        QTest::newRow("high byte ignored") << 0x7F0000FF << 255 << 0 << 0;
        // Division truncates toward zero before the mask, as the colour has always split.
        QTest::newRow("negative") << -1 << 255 << 0 << 0;
    }

    void splitColor() {
        QFETCH(int, colour);
        std::int16_t red = -1;
        std::int16_t green = -1;
        std::int16_t blue = -1;
        basIniProc::SplitColor(colour, red, green, blue);
        QTEST(int{red}, "red");
        QTEST(int{green}, "green");
        QTEST(int{blue}, "blue");
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
