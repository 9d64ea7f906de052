#include "settings/frmSetting.h"

#include "config/basIniProc.h"
#include "platform/Pause.h"
#include "settings/FileList.h"
#include "settings/SettingKeys.h"
#include "sound/basEffect.h"

#include <QPushButton>

using namespace settings;

namespace {

constexpr const char* kTestAlias = "TEST";
constexpr int kTestPause = 1000;

} // namespace

QFrame* frmSetting::CreateSoundPage() {
    soundPage_ = {"SOUND",
                  "sound",
                  "*.wav;*.mid",
                  "指定されたフォルダにファイルがないのでサウンドの設定はできません。",
                  {kSoundKeys.begin(), kSoundKeys.end()},
                  &frmSetting::lstSoundKey_Click,
                  &frmSetting::filSound_Click,
                  false};
    cmdSoundSet = AddButton("はい", &frmSetting::cmdSoundSet_Click);
    cmdSoundTest = AddButton("テスト", &frmSetting::cmdSoundTest_Click);
    cmdSoundStop = AddButton("ストップ", &frmSetting::cmdSoundStop_Click);
    freSound =
        CreateFilePage(soundPage_, "サウンド設定", "に、*.wav、*.mid等の音ファイルを置いて下さい",
                       "サウンドの種類", nullptr, {cmdSoundSet, cmdSoundTest, cmdSoundStop});
    lblSoundPath = soundPage_.path;
    lblKeikoku[0] = soundPage_.warning;
    lstSoundKey = soundPage_.keys;
    lblSetumei[0] = soundPage_.description;
    lblNowSound = soundPage_.current;
    filSound = soundPage_.files;
    lblSoundSetting = soundPage_.prompt;
    return freSound;
}

void frmSetting::lstSoundKey_Click() {
    ShowKey(soundPage_);
}

void frmSetting::filSound_Click() {
    ShowFileChoice(soundPage_);
}

void frmSetting::cmdSoundSet_Click() {
    const DisabledWhileRunning running(cmdSoundSet);
    SaveFileChoice(soundPage_);
}

// The play returns at once and the sound runs on under its own alias until
// "ストップ", the next test or the closing of the dialog.
void frmSetting::cmdSoundTest_Click() {
    const DisabledWhileRunning running(cmdSoundTest);
    cmdSoundStop_Click();
    platform::Pause(kTestPause);
    basEffect::SoundOpen(basIniProc::strAppPath + "sound" + "\\" + SelectedName(filSound),
                         kTestAlias);
    cmdSoundTest->setText("再生中");
    basEffect::SoundPlay(kTestAlias);
    cmdSoundTest->setText("テスト");
}

void frmSetting::cmdSoundStop_Click() {
    const DisabledWhileRunning running(cmdSoundStop);
    basEffect::SoundStop(kTestAlias);
    basEffect::SoundClose(kTestAlias);
}
