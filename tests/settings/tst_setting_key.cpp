#include "game/GameFixture.h"
#include "settings/frmSetting.h"
#include "sound/SoundFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

// The keys Z and X over a running game; what the dialog saved read at the next start.
class TestSettingKey : public GameFixture {
    Q_OBJECT

    static void Pick(QListWidget* list, const QString& text) {
        list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
    }

  private slots:
    // The dialog opens over the table, driven with keys (Enter in the speed box must
    // not press another page's button); the running game keeps its settings, and the
    // exit saves only the coins, so the next start reads what the dialog wrote.
    void zOpensTheDialogAndTheNextStartUsesItsSettings() {
        soundfiles::WriteWav(folder->filePath("sound/mine.wav"), 15000, 0);
        QImage picture(3, 3, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(folder->filePath("card/mine.bmp")));
        QStringList seen;
        auto* timer = new QTimer(form.get()); // acts once the dialog is open and modal
        connect(timer, &QTimer::timeout, timer, [&, timer] {
            auto* dialog = qobject_cast<frmSetting*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            timer->stop();
            seen << form->lblResult->text() << QString::number(form->lblResult->font().pointSize())
                 << dialog->windowTitle();
            Pick(dialog->filSound, "mine.wav");
            dialog->cmdSoundSet_Click();
            dialog->cmdSelectSet_Click(1);
            Pick(dialog->lstCardKey, "C_10");
            Pick(dialog->filCard, "mine.bmp");
            dialog->cmdCardSet_Click();
            dialog->cmdSelectSet_Click(2);
            for (std::size_t i = 0; i < 3; ++i) {
                dialog->cmbRGB.at(i)->setCurrentIndex(10 * static_cast<int>(i + 1));
            }
            dialog->cmdColorCheck_Click();
            dialog->cmdSetColor_Click();
            dialog->cmdSelectSet[0]->setFocus();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            for (const Qt::Key key :
                 {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Return,
                  Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape}) {
                QTest::keyClick(dialog->focusWidget(), key);
            }
        });
        timer->start(10);
        onPause = [&](int ms) {
            if (ms == 1000) {
                seen << form->lblResult->text();
            }
        };
        Press(Qt::Key_Z);
        QCOMPARE(seen, QStringList({"The Setting Screen Reading", "20", "SETTING",
                                    "Effective After Starting Next Time"}));
        LooksAsRecorded(); // the result line empty at its own size, the table still green
        QCOMPARE(basIniProc::intGameSpeed, 200);
        DealWithMaxBet(kNothing);
        QCOMPARE(Table(), Faces(kNothing));

        Press(Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        Restart();
        QCOMPARE(basIniProc::intGameSpeed, 100);
        QCOMPARE(BackColor(form.get()), QColor(10, 20, 30));
        QCOMPARE(basIniProc::picClub[9].pixelColor(1, 1), QColor(Qt::blue));
        basEffect::SoundPlay("CARD");
        QVERIFY(basEffect::SoundIsPlaying("CARD"));
    }
};

QTEST_MAIN(TestSettingKey)
#include "tst_setting_key.moc"
