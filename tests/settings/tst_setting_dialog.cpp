#include "config/basIniProc.h"
#include "platform/Pause.h"
#include "platform/ProgramFolder.h"
#include "settings/MessageBox.h"
#include "settings/WrapLabel.h"
#include "settings/frmSetting.h"
#include "sound/SoundFiles.h"
#include "sound/basEffect.h"
#include "support/Columns.h"
#include "support/Files.h"
#include "support/Snapshot.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// The dialog in a fresh program folder, its message boxes answered by the test and
// every change checked in the bytes of Poker.ini.
class TestSettingDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QDir home; // the program folder, deep inside
    std::unique_ptr<frmSetting> dialog;
    std::string original;
    QStringList boxes;
    std::function<bool()> answer;

    std::string Ini() const {
        return testsupport::ReadBytes(home.filePath("Poker.ini").toStdString());
    }
    // Names and lines of the tables are written with %FF for a byte that is no text.
    static std::string Bytes(const QString& text) {
        return QByteArray::fromPercentEncoding(text.toUtf8()).toStdString();
    }
    void AddFiles(int page, const QStringList& names) {
        for (const QString& name : names) {
            testsupport::WriteBytes(Bytes(home.filePath((page == 0 ? "sound/" : "card/") + name)),
                                    "");
        }
    }
    void Open(int page) {
        dialog = std::make_unique<frmSetting>();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->cmdSelectSet_Click(page);
        QCoreApplication::processEvents(); // the page laid out for its texts
    }
    static QColor SelectedColor(const QListWidget* list) {
        const QRect row = list->visualItemRect(list->currentItem());
        return list->viewport()->grab().toImage().pixelColor(list->viewport()->width() / 2,
                                                             row.top() + 1);
    }
    static int Apart(const QColor& a, const QColor& b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
    }
    static void Choose(QListWidget* list, const QString& text) {
        QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        QVERIFY(item != nullptr);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    // The file as the dialog found it, whole "KEY=value" lines put in their keys' place.
    std::string With(const QStringList& lines) const {
        std::string text = original;
        for (const QString& line : lines) {
            const std::string key = "\n" + line.section('=', 0, 0).toStdString() + "=";
            const std::size_t at = text.find(key) + 1;
            text.replace(at, text.find('\r', at) - at, Bytes(line));
        }
        return text;
    }

  private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>("/tmp/vesk-XXXXXX"); // wraps the same anywhere
        home.setPath(dir->filePath(QString("a folder deep down/").repeated(6)));
        QVERIFY(home.mkpath("."));
        platform::SetProgramFolder(home.path().toStdString());
        platform::SetPauseHook([](int) {});
        basIniProc::InitIniFile();
        original = Ini();
        boxes.clear();
        answer = [] { return true; };
        settings::SetMessageBoxHook([this](const QString& title, const QString& text, bool ask) {
            boxes << title + "|" + text + (ask ? "|Yes/No" : "");
            return answer();
        });
    }

    void cleanup() {
        dialog.reset();
        std::filesystem::remove_all(dir->path().toStdString()); // names that are no text too
        settings::SetMessageBoxHook(nullptr);
        platform::SetPauseHook(nullptr);
        platform::SetProgramFolder("");
    }

    // The stored file is found by its bytes, else in any case of its ASCII letters,
    // among the sorted matching files, else the last is selected (*); はい (Space)
    // saves it in its key's line and keeps every other byte, or refuses a name the
    // file cannot hold, and keeps the focus. The page looks as recorded, however long
    // the name. No page button stays the default, and the focused list's selection
    // stands out from the other's.
    void showsAndSavesTheStoredFile_data() {
        Columns<int, QStringList, QString, QString, QString>("page", "files", "stored", "shown",
                                                             "saved");
        const QString notFound = "現在設定されているファイルが見つかりませんでした。";
        const QString sound = "|~/sound|#c00000|説明：カードが回るときの音|現在の設定は、";
        const QString card = "|~/card|#c00000|説明：カードの裏の絵|現在の設定は、";
        QTest::newRow("found in any case")
            << 0 << QStringList{"b.WAV", "Zcard.wav", "a.mid", "A.mid", "x.txt"} << "\\A.MID"
            << "A.mid* a.mid b.WAV Zcard.wav " + sound + "A.MIDです|設定を、A.midに変更しますか？"
            << "CARD=\\A.mid";
        const QString lossy = "a" + QString(QChar::ReplacementCharacter) + ".wav";
        QTest::newRow("the bytes, not a look-alike")
            << 0 << QStringList{"a%FE.wav", "a%FF.wav"} << "\\a%FF.wav"
            << lossy + " " + lossy + "* " + sound + lossy + "です|設定を、" + lossy +
                   "に変更しますか？"
            << "CARD=\\a%FF.wav";
        QTest::newRow("the case stored, not another")
            << 0 << QStringList{"B.wav", "b.wav"} << "\\b.wav"
            << "B.wav b.wav* " + sound + "b.wavです|設定を、b.wavに変更しますか？"
            << "CARD=\\b.wav";
        const QString longName = QString("a_long_card_name_").repeated(14) + ".bmp";
        QTest::newRow("long name clear of the preview")
            << 1 << QStringList{longName} << "\\" + longName
            << longName + "* " + card + longName + "です|設定を、" + longName + "に変更しますか？"
            << "URA=\\" + longName;
        QTest::newRow("missing file")
            << 1 << QStringList{"p.JPG", "q.ico", "r.png"} << "\\gone.bmp"
            << "p.JPG q.ico* " + card + "gone.bmpです|" + notFound << "URA=\\q.ico";
        QTest::newRow("empty value") << 0 << QStringList{"a.wav"} << ""
                                     << "a.wav* " + sound + "です|" + notFound << "CARD=\\a.wav";
        QTest::newRow("line break") << 0 << QStringList{"a\nb.wav"} << ""
                                    << "a\nb.wav* " + sound + "です|" + notFound
                                    << "VESK POKER|このファイル名は設定ファイルに書き込めません。";
        const QString warning =
            "|指定されたフォルダにファイルがないのでカード柄の設定はできません。#c00000|";
        QTest::newRow("empty folder")
            << 1 << QStringList{} << "\\a.bmp"
            << QString(card).replace("|#c00000|", warning) + "a.bmpです|" + notFound
            << "VESK POKER|ファイルが選択されていません。";
    }

    void showsAndSavesTheStoredFile() {
        QFETCH(int, page);
        QFETCH(QStringList, files);
        QFETCH(QString, stored);
        QFETCH(QString, saved);
        AddFiles(page, files);
        basIniProc::WriteIni(page == 0 ? "SOUND" : "CARD", page == 0 ? "CARD" : "URA",
                             Bytes(stored));
        original = Ini();
        Open(page);
        QFrame* frame = page == 0 ? dialog->freSound : dialog->freCard;
        const QListWidget* list = page == 0 ? dialog->filSound : dialog->filCard;
        QString shown;
        for (int row = 0; row < list->count(); ++row) {
            shown += list->item(row)->text() + (row == list->currentRow() ? "* " : " ");
        }
        for (const WrapLabel* label : frame->findChildren<WrapLabel*>()) {
            const QColor ink = label->palette().color(QPalette::WindowText);
            shown += "|" + label->text().replace(home.absolutePath(), "~") +
                     (ink == dialog->palette().color(QPalette::WindowText) ? "" : ink.name());
        }
        QTEST(shown, "shown");
        QListWidget* keys = page == 0 ? dialog->lstSoundKey : dialog->lstCardKey;
        QTest::mouseClick(dialog->cmdSelectSet[page], Qt::LeftButton);
        QTest::mouseClick(keys->viewport(), Qt::LeftButton, {},
                          keys->visualItemRect(keys->item(0)).center());
        QVERIFY(std::none_of(dialog->cmdSelectSet.begin(), dialog->cmdSelectSet.end(),
                             [](QPushButton* button) { return button->isDefault(); }));
        if (list->currentItem() != nullptr) {
            QVERIFY(Apart(SelectedColor(keys), SelectedColor(list)) > 150);
            QVERIFY(Apart(SelectedColor(list), list->palette().color(QPalette::Base)) > 90);
        }
        QPushButton* set = page == 0 ? dialog->cmdSoundSet : dialog->cmdCardSet;
        set->setFocus();
        QTest::keyClick(set, Qt::Key_Space);
        QCOMPARE(dialog->focusWidget(), set);
        QCOMPARE(boxes.value(0), saved.startsWith("VESK") ? saved : "");
        QCOMPARE(Ini(), saved.startsWith("VESK") ? original : With({saved}));

        QCOMPARE_SNAPSHOT("saved", dialog.get(), home.absolutePath());
    }

    // All thirteen siblings of the chosen file are offered for the selected key's
    // suit: No keeps the one key, Yes writes the suit and names a sibling gone
    // meanwhile; twelve siblings are no offer, and a key of no suit takes none.
    void registersAWholeSuit() {
        QStringList lines;
        QString done = "VESK POKER|";
        for (int n = 1; n <= 13; ++n) {
            AddFiles(1, {QString("my_%1.bmp").arg(n)});
            const QString key = QString("C_%1").arg(n, 2, 10, QChar('0'));
            lines << key + QString("=\\my_%1.bmp").arg(n);
            done += key + (n == 7 ? "の登録に失敗しました。\r\n" : "の登録をしました。\r\n");
        }
        Open(1);
        QCOMPARE(dialog->lstCardKey->count(), 54); // the back, four suits and the joker
        dialog->lstCardKey->clearSelection();
        QTest::mouseClick(dialog->cmdCardSet, Qt::LeftButton); // no key, nothing written
        Choose(dialog->lstCardKey, "C_05");
        QCOMPARE(dialog->lblSetumei[1]->text(), "説明：クラブの05の絵");
        Choose(dialog->filCard, "my_5.bmp");
        answer = [] { return false; };
        QTest::mouseClick(dialog->cmdCardSet, Qt::LeftButton);
        QCOMPARE(Ini(), With({lines[4]}));
        answer = [this] { return QFile::remove(home.filePath("card/my_7.bmp")); };
        QTest::mouseClick(dialog->cmdCardSet, Qt::LeftButton);
        QTest::mouseClick(dialog->cmdCardSet, Qt::LeftButton);
        AddFiles(1, {"my_7.bmp"});
        Choose(dialog->lstCardKey, "URA");
        Choose(dialog->filCard, "my_5.bmp");
        QTest::mouseClick(dialog->cmdCardSet, Qt::LeftButton);
        const QString offer =
            "連続登録処理|同じマークと思われるファイルが１３枚見つかりました。\r\n"
            "各番号にすべて、登録しますか？|Yes/No";
        QCOMPARE(boxes, (QStringList{"VESK POKER|設定項目が選択されていません。", offer, offer,
                                     done, offer, "VESK POKER|連続登録に失敗しました。"}));
        lines.removeAt(6);
        QCOMPARE(Ini(), With(lines << "URA=\\my_5.bmp"));
    }

    // Every page as recorded, the colour page with its preview and confirmation.
    void pagesLookAsRecorded() {
        Open(0);
        for (int page = 0; page < 3; ++page) {
            dialog->cmdSelectSet_Click(page);
            if (page == 2) {
                QTest::mouseClick(dialog->cmdColorCheck, Qt::LeftButton);
                QTest::mouseClick(dialog->cmdSetColor, Qt::LeftButton);
            }
            QCoreApplication::processEvents();
            QCOMPARE_SNAPSHOT(QString::number(page), dialog.get(), home.absolutePath());
        }
    }

    // A key clicked tells its sound. The chosen file plays under "TEST" until
    // ストップ, the next テスト or the closing of the dialog; a button that stayed
    // disabled would ignore the next click, and テスト reads テスト again afterwards.
    void testSoundPlaysUntilStoppedOrClosed() {
        soundfiles::WriteWav(home.filePath("sound/long.wav"), 15000, 0);
        Open(0);
        Choose(dialog->lstSoundKey, "HOLD");
        QCOMPARE(dialog->lblSetumei[0]->text(), "説明：ＨＯＬＤを押したときの音");
        QString playing; // "d": テスト is off for the pause before the sound
        platform::SetPauseHook(
            [&](int) { playing += dialog->cmdSoundTest->isEnabled() ? "e" : "d"; });
        for (QPushButton* button :
             {dialog->cmdSoundTest, dialog->cmdSoundStop, dialog->cmdSoundTest}) {
            QTest::mouseClick(button, Qt::LeftButton);
            playing += basEffect::SoundIsPlaying("TEST") ? "1" : "0";
        }
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(playing + (basEffect::SoundIsPlaying("TEST") ? "1" : "0") +
                     dialog->cmdSoundTest->text(),
                 "d10d10テスト");
    }
};

QTEST_MAIN(TestSettingDialog)
#include "tst_setting_dialog.moc"
