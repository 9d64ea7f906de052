#include "settings/frmSetting.h"

#include "config/basIniProc.h"
#include "platform/Pause.h"
#include "settings/FileList.h"
#include "settings/PageWidgets.h"
#include "settings/PathLabel.h"
#include "settings/SettingKeys.h"
#include "sound/basEffect.h"

#include <QFrame>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

using namespace settings;

namespace {

constexpr const char* kTestAlias = "TEST";
constexpr int kTestPause = 1000;

} // namespace

QFrame* frmSetting::CreateSoundPage() {
    freSound = NewPage();
    auto* grid = new QGridLayout(freSound);
    grid->addWidget(Heading("サウンド設定"), 0, 0, 1, 2);
    lblSoundPath = new PathLabel;
    grid->addLayout(Row({lblSoundPath, new QLabel("に、*.wav、*.mid等の音ファイルを置いて下さい")}),
                    1, 0, 1, 2);
    lblKeikoku[0] = WarningLabel();
    grid->addWidget(lblKeikoku[0], 2, 0, 1, 2);
    grid->addWidget(new QLabel("サウンドの種類"), 3, 0);
    grid->addWidget(new QLabel("選択できるファイル"), 3, 1);
    lstSoundKey = AddList(&frmSetting::lstSoundKey_Click);
    grid->addWidget(lstSoundKey, 4, 0);
    filSound = AddList(&frmSetting::filSound_Click);
    grid->addWidget(filSound, 4, 1);
    lblSetumei[0] = TextLabel();
    grid->addWidget(lblSetumei[0], 5, 0, 1, 2);
    lblNowSound = TextLabel();
    grid->addWidget(lblNowSound, 6, 0, 1, 2);
    lblSoundSetting = TextLabel();
    grid->addWidget(lblSoundSetting, 7, 0, 1, 2);
    cmdSoundSet = AddButton("はい", &frmSetting::cmdSoundSet_Click);
    cmdSoundTest = AddButton("テスト", &frmSetting::cmdSoundTest_Click);
    cmdSoundStop = AddButton("ストップ", &frmSetting::cmdSoundStop_Click);
    grid->addLayout(Row({cmdSoundSet, cmdSoundTest, cmdSoundStop}), 8, 0, 1, 2);
    grid->setRowStretch(4, 1);
    soundPage_ = {"SOUND",
                  "sound",
                  "*.wav;*.mid",
                  "指定されたフォルダにファイルがないのでサウンドの設定はできません。",
                  {kSoundKeys.begin(), kSoundKeys.end()},
                  lblSoundPath,
                  lblKeikoku[0],
                  lstSoundKey,
                  lblSetumei[0],
                  lblNowSound,
                  filSound,
                  lblSoundSetting,
                  &frmSetting::filSound_Click,
                  false};
    return freSound;
}

void frmSetting::lstSoundKey_Click() {
    ShowKey(soundPage_);
}

void frmSetting::filSound_Click() {
    ShowFileChoice(soundPage_);
}

void frmSetting::cmdSoundSet_Click() {
    cmdSoundSet->setEnabled(false);
    SaveFileChoice(soundPage_);
    cmdSoundSet->setEnabled(true);
}

// The play returns at once and the sound runs on under its own alias until
// "ストップ", the next test or the closing of the dialog.
void frmSetting::cmdSoundTest_Click() {
    cmdSoundTest->setEnabled(false);
    cmdSoundStop_Click();
    platform::Pause(kTestPause);
    basEffect::SoundOpen(basIniProc::strAppPath + "sound" + "\\" + SelectedName(filSound),
                         kTestAlias);
    cmdSoundTest->setText("再生中");
    basEffect::SoundPlay(kTestAlias);
    cmdSoundTest->setText("テスト");
    cmdSoundTest->setEnabled(true);
}

void frmSetting::cmdSoundStop_Click() {
    cmdSoundStop->setEnabled(false);
    basEffect::SoundStop(kTestAlias);
    basEffect::SoundClose(kTestAlias);
    cmdSoundStop->setEnabled(true);
}
