#include "config/basIniProc.h"
#include "platform/Pause.h"
#include "platform/ProgramFolder.h"
#include "settings/MessageBox.h"
#include "settings/frmSetting.h"
#include "sound/SoundFiles.h"
#include "sound/basEffect.h"
#include "support/Columns.h"
#include "support/Files.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// The dialog in a fresh program folder, its message boxes answered by the test and
// every change checked in the bytes of Poker.ini.
class TestSettingDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmSetting> dialog;
    std::string defaults;
    QStringList boxes;
    std::function<bool()> answer;

    std::string Ini() const { return ReadBytes(dir->filePath("Poker.ini").toStdString()); }
    void AddFiles(int page, const QStringList& names, const std::string& bytes = {}) {
        for (const QString& name : names) {
            WriteBytes(dir->filePath((page == 0 ? "sound/" : "card/") + name).toStdString(), bytes);
        }
    }
    void Open(int page) {
        dialog = std::make_unique<frmSetting>();
        dialog->show();
        dialog->cmdSelectSet_Click(page);
    }
    QListWidget* Keys(int page) const {
        return page == 0 ? dialog->lstSoundKey : dialog->lstCardKey;
    }
    QListWidget* Files(int page) const { return page == 0 ? dialog->filSound : dialog->filCard; }
    static void Choose(QListWidget* list, const QString& text) {
        QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        QVERIFY(item != nullptr);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    static QString Texts(const QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            texts << list->item(row)->text();
        }
        return texts.join(' ');
    }
    // The default file with whole "KEY=value" lines put in place of their keys' lines.
    std::string With(const QStringList& lines) const {
        std::string text = defaults;
        for (const QString& line : lines) {
            const std::string key = "\n" + line.section('=', 0, 0).toStdString() + "=";
            const std::size_t at = text.find(key) + 1;
            text.replace(at, text.find('\r', at) - at, line.toStdString());
        }
        return text;
    }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        platform::SetProgramFolder(dir->path().toStdString());
        platform::SetPauseHook([](int) {});
        basIniProc::InitIniFile();
        defaults = Ini();
        boxes.clear();
        answer = [] { return true; };
        settings::SetMessageBoxHook([this](const QString& title, const QString& text, bool) {
            boxes << title + "|" + text;
            return answer();
        });
    }

    void cleanup() {
        dialog.reset();
        settings::SetMessageBoxHook(nullptr);
        platform::SetPauseHook(nullptr);
        platform::SetProgramFolder("");
    }

    // The stored file is found in any letter case among the matching files, sorted as
    // a file list shows them; a missing one leaves the last file selected.
    void showsTheStoredFile_data() {
        Columns<int, QStringList, QString, QString>("page", "files", "stored", "shown");
        const QString notFound = "現在設定されているファイルが見つかりませんでした。";
        const QString sound = "説明：カードが回るときの音|";
        QTest::newRow("found in any case")
            << 0 << QStringList{"b.WAV", "Card.wav", "a.mid", "x.txt"} << "\\CARD.WAV"
            << "a.mid b.WAV Card.wav|Card.wav|" + sound +
                   "現在の設定は、CARD.WAVです||設定を、Card.wavに変更しますか？";
        QTest::newRow("missing file")
            << 1 << QStringList{"p.JPG", "q.ico", "r.png"} << "\\gone.bmp"
            << "p.JPG q.ico|q.ico|説明：カードの裏の絵|現在の設定は、gone.bmpです||" + notFound;
        QTest::newRow("empty value") << 0 << QStringList{"a.wav"} << ""
                                     << "a.wav|a.wav|" + sound + "現在の設定は、です||" + notFound;
        QTest::newRow("empty folder")
            << 0 << QStringList{} << "\\a.wav"
            << "||" + sound +
                   "現在の設定は、a.wavです|"
                   "指定されたフォルダにファイルがないのでサウンドの設定はできません。|" +
                   notFound;
    }

    void showsTheStoredFile() {
        QFETCH(int, page);
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        AddFiles(page, files);
        basIniProc::WriteIni(page == 0 ? "SOUND" : "CARD", page == 0 ? "CARD" : "URA",
                             stored.toStdString());
        Open(page);
        const QListWidgetItem* selected = Files(page)->currentItem();
        QTEST(QStringList({Texts(Files(page)), selected ? selected->text() : "",
                           dialog->lblSetumei.at(page)->text(),
                           (page == 0 ? dialog->lblNowSound : dialog->lblNowCard)->text(),
                           dialog->lblKeikoku.at(page)->text(),
                           (page == 0 ? dialog->lblSoundSetting : dialog->lblCardSetting)->text()})
                  .join('|'),
              "shown");
    }

    // One key changes and every other byte stays; a missing file saves the last one
    // listed, and a name the file cannot hold is refused with nothing written.
    void savesTheChosenFile_data() {
        Columns<int, QString, QStringList, QString, QString, QString>("page", "key", "files",
                                                                      "choose", "line", "box");
        const auto row = [](const char* name, int page, const char* key, QStringList files,
                            const char* choose, const char* line, const char* box) {
            QTest::newRow(name) << page << key << files << choose << line << box;
        };
        row("sound", 0, "WIN1", {"a.wav", "b.mid"}, "a.wav", "WIN1=\\a.wav", "");
        row("the last file after a missing one", 0, "CARD", {"a.wav", "b.mid"}, "", "CARD=\\b.mid",
            "");
        row("picture", 1, "C_05", {"p.gif", "q.bmp"}, "p.gif", "C_05=\\p.gif", "");
        row("line break", 0, "CARD", {"a\nb.wav"}, "", "",
            "このファイル名は設定ファイルに書き込めません。");
        row("no file", 0, "CARD", {}, "", "", "ファイルが選択されていません。");
    }

    void savesTheChosenFile() {
        QFETCH(int, page);
        QFETCH(QString, key);
        QFETCH(QStringList, files);
        QFETCH(QString, choose);
        QFETCH(QString, line);
        QFETCH(QString, box);
        AddFiles(page, files);
        Open(page);
        Choose(Keys(page), key);
        if (!choose.isEmpty()) {
            Choose(Files(page), choose);
        }
        QTest::mouseClick(page == 0 ? dialog->cmdSoundSet : dialog->cmdCardSet, Qt::LeftButton);
        QCOMPARE(boxes, box.isEmpty() ? QStringList{} : QStringList{"VESK POKER|" + box});
        QCOMPARE(Ini(), line.isEmpty() ? defaults : With({line}));
    }

    // The speed box starts at the running speed's step; only チェック makes a colour
    // the one to save, and the boxes start at the table's colour.
    void savesSpeedAndColour_data() {
        Columns<int, QList<int>, QList<int>, QStringList>("speed", "previewed", "boxes", "lines");
        QTest::newRow("100, boxes alone") << 100 << QList<int>{} << QList<int>{10, 20, 30}
                                          << QStringList{"GAME=100", "BACKCOLOR=197121"};
        QTest::newRow("101, preview") << 101 << QList<int>{10, 20, 30} << QList<int>{}
                                      << QStringList{"GAME=200", "BACKCOLOR=1971210"};
        QTest::newRow("201, boxes after the preview")
            << 201 << QList<int>{10, 20, 30} << QList<int>{1, 2, 3}
            << QStringList{"GAME=300", "BACKCOLOR=1971210"};
    }

    void savesSpeedAndColour() {
        QFETCH(int, speed);
        QFETCH(QList<int>, previewed);
        QFETCH(QList<int>, boxes);
        QFETCH(QStringList, lines);
        basIniProc::intGameSpeed = static_cast<std::int16_t>(speed);
        basIniProc::lngBackColor = 3 * 65536 + 2 * 256 + 1;
        Open(2);
        QCOMPARE(dialog->cmbRGB[0]->currentText() + dialog->cmbRGB[1]->currentText() +
                     dialog->cmbRGB[2]->currentText(),
                 "001002003");
        const auto set = [this](const QList<int>& values) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(values.size()); ++i) {
                dialog->cmbRGB.at(i)->setCurrentIndex(values.at(static_cast<qsizetype>(i)));
            }
        };
        set(previewed);
        if (!previewed.isEmpty()) {
            QTest::mouseClick(dialog->cmdColorCheck, Qt::LeftButton);
        }
        set(boxes);
        QTest::mouseClick(dialog->cmdSpeedSet, Qt::LeftButton);
        QTest::mouseClick(dialog->cmdSetColor, Qt::LeftButton);
        QCOMPARE(Ini(), With(lines));
        QCOMPARE(dialog->lblSpeedSetting->text(),
                 "設定を、" + lines[0].mid(5) + "に変更しました！");
    }

    // A write the file refused is reported, not announced as done.
    void aFailedWriteIsReported() {
        Open(2);
        QVERIFY(QFile::remove(dir->filePath("Poker.ini")) && QDir(dir->path()).mkdir("Poker.ini"));
        QTest::mouseClick(dialog->cmdSpeedSet, Qt::LeftButton);
        QCOMPARE(boxes, QStringList{"VESK POKER|設定ファイルに書き込めませんでした。"});
        QCOMPARE(dialog->lblSpeedSetting->text(), "に、変更しますか？");
    }

    // The offer comes only with all thirteen siblings of the same name; the keys take
    // the selected key's suit, a sibling gone meanwhile is reported on its line.
    void registersAWholeSuit_data() {
        Columns<QString, int, QString, QString, bool, QString, QStringList, QStringList>(
            "pattern", "count", "choose", "key", "yes", "vanish", "changed", "shown");
        const QString offer =
            "連続登録処理|同じマークと思われるファイルが１３枚見つかりました。\r\n"
            "各番号にすべて、登録しますか？";
        QStringList lines;
        QString done;
        for (int n = 1; n <= 13; ++n) {
            const QString key = QString("C_%1").arg(n, 2, 10, QChar('0'));
            lines << key + QString("=\\my_%1.bmp").arg(n);
            done += key + (n == 7 ? "の登録に失敗しました。\r\n" : "の登録をしました。\r\n");
        }
        const QString all = QString(done).replace("C_07の登録に失敗", "C_07の登録を");
        const auto row = [](const char* name, const char* pattern, int count, const char* choose,
                            const char* key, bool yes, const char* vanish, QStringList changed,
                            QStringList shown) {
            QTest::newRow(name) << pattern << count << choose << key << yes << vanish << changed
                                << shown;
        };
        row("thirteen, Yes", "my_%1.bmp", 13, "my_5.bmp", "C_05", true, "", lines,
            {offer, "VESK POKER|" + all});
        row("thirteen, No", "my_%1.bmp", 13, "my_5.bmp", "C_05", false, "", {lines[4]}, {offer});
        row("a sibling vanishes", "my_%1.bmp", 13, "my_5.bmp", "C_05", true, "my_7.bmp",
            lines.mid(0, 6) + lines.mid(7), {offer, "VESK POKER|" + done});
        row("twelve", "my_%1.bmp", 12, "my_5.bmp", "C_05", true, "", {lines[4]}, {});
        row("zero-padded", "my_0%1.bmp", 13, "my_05.bmp", "C_05", true, "", {"C_05=\\my_05.bmp"},
            {});
        row("a.b_1.bmp", "a.b_%1.bmp", 13, "a.b_1.bmp", "H_02", true, "", {"H_02=\\a.b_1.bmp"}, {});
        row("URA", "my_%1.bmp", 13, "my_5.bmp", "URA", true, "", {"URA=\\my_5.bmp"},
            {offer, "VESK POKER|連続登録に失敗しました。"});
    }

    void registersAWholeSuit() {
        QFETCH(QString, pattern);
        QFETCH(int, count);
        QFETCH(QString, vanish);
        QFETCH(QStringList, changed);
        QFETCH(QStringList, shown);
        QFETCH(QString, key);
        QFETCH(QString, choose);
        QFETCH(bool, yes);
        for (int n = 1; n <= count; ++n) {
            AddFiles(1, {pattern.arg(n)});
        }
        Open(1);
        Choose(dialog->lstCardKey, key);
        Choose(dialog->filCard, choose);
        answer = [&] {
            QFile::remove(dir->filePath("card/" + vanish));
            return yes;
        };
        QTest::mouseClick(dialog->cmdCardSet, Qt::LeftButton);
        QCOMPARE(boxes, shown);
        QCOMPARE(Ini(), With(changed));
    }

    // A file that is no picture leaves the last preview; a folder removed while the
    // dialog is open warns on the next opening of its page.
    void badPictureAndVanishedFolder() {
        QImage red(4, 6, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir->filePath("card/good.bmp")));
        AddFiles(1, {"bad.bmp"}, "BM not a picture");
        basIniProc::WriteIni("CARD", "URA", "\\good.bmp");
        Open(1);
        const QPixmap shown = dialog->imgSample->pixmap();
        Choose(dialog->filCard, "bad.bmp");
        QCOMPARE(dialog->lblCardSetting->text(), "設定を、bad.bmpに変更しますか？");
        QCOMPARE(dialog->imgSample->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(dialog->imgSample->pixmap().cacheKey(), shown.cacheKey());
        QVERIFY(QDir(dir->filePath("card")).removeRecursively());
        QTest::mouseClick(dialog->cmdSelectSet[1], Qt::LeftButton);
        QCOMPARE(dialog->lblKeikoku[1]->text(),
                 "指定されたフォルダにファイルがないのでカード柄の設定はできません。");
    }

    // The chosen file plays under "TEST" until the dialog closes.
    void testSoundPlaysUntilTheDialogCloses() {
        soundfiles::WriteWav(dir->filePath("sound/long.wav"), 15000, 0);
        QStringList calls;
        basEffect::SetSoundObserver([&](const std::string& operation, const std::string& alias) {
            calls << QString::fromStdString(operation + " " + alias);
        });
        Open(0);
        QTest::mouseClick(dialog->cmdSoundTest, Qt::LeftButton);
        QVERIFY(basEffect::SoundIsPlaying("TEST"));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!basEffect::SoundIsPlaying("TEST"));
        basEffect::SetSoundObserver(nullptr);
        QCOMPARE(calls.join(", "), "SoundStop TEST, SoundClose TEST, SoundOpen TEST, SoundPlay "
                                   "TEST, SoundStop TEST, SoundClose TEST");
    }
};

QTEST_MAIN(TestSettingDialog)
#include "tst_setting_dialog.moc"
