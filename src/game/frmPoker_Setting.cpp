#include "game/frmPoker.h"

#include "platform/GameFont.h"
#include "platform/Pause.h"
#include "settings/frmSetting.h"

#include <QLabel>

namespace {

constexpr double kSettingLinePoints = 20;
constexpr int kClosingLinePause = 1000;

} // namespace

void frmPoker::ShowSettings() {
    if (blnSetting) {
        return;
    }
    blnSetting = true;
    const QFont resultFont = lblResult->font();
    lblResult->setFont(GameFont(kSettingLinePoints));
    ShowResult("The Setting Screen Reading");
    frmSetting dialog(this);
    dialog.exec();
    ShowResult("Effective After Starting Next Time");
    platform::Pause(kClosingLinePause);
    lblResult->setText("");
    lblResult->setFont(resultFont);
    blnSetting = false;
}
