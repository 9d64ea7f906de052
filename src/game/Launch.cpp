#include "game/Launch.h"

#include "platform/ProgramFolder.h"
#include "platform/SingleGame.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string_view>

bool AnswerVersionRequest(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("vesk-poker %s\n", VESK_VERSION);
            return true;
        }
    }
    return false;
}

// The window's class and its Wayland application id are the launcher's name, so
// a desktop shows the running game under the menu entry's icon.
bool StartAsTheOnlyGame() {
    QApplication::setApplicationName(VESK_APP_ID);
    QGuiApplication::setDesktopFileName(VESK_APP_ID);
    const QString besideProgram =
        QString::fromStdString(platform::ExecutableFolder()) + "vesk_poker.png";
    QApplication::setWindowIcon(QIcon::fromTheme(VESK_APP_ID, QIcon(besideProgram)));
    return platform::ClaimGameFolder(platform::ProgramFolder());
}
