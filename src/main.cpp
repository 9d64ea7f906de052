#include "game/StartUp.h"
#include "game/frmPoker.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    platform::CatchQuitSignals();
    QApplication app(argc, argv);
    BeginStartUp();
    platform::InstallQtSeams();
    QApplication::setWindowIcon(
        QIcon(QString::fromStdString(platform::ProgramFolder() + "vesk_poker.png")));
    frmPoker window;
    platform::CloseOnQuitSignals(window);
    window.show();
    const int status = QApplication::exec();
    return window.blnSaveFailed ? 1 : status;
}
