#include "game/Launch.h"
#include "game/StartUp.h"
#include "game/frmPoker.h"
#include "platform/QtPlatform.h"
#include "platform/QuitSignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (AnswerVersionRequest(argc, argv)) {
        return 0;
    }
    QApplication app(argc, argv);
    if (!StartAsTheOnlyGame()) {
        return 0;
    }
    BeginStartUp();
    platform::InstallQtSeams();
    frmPoker window;
    platform::CloseOnQuitSignals(window);
    window.show();
    return QApplication::exec();
}
