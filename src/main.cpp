#include "config/CardPictures.h"
#include "config/basIniProc.h"
#include "game/frmPoker.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPlatform.h"
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The card pictures decode on worker threads while the game window makes its
    // controls; the window's load then only collects them behind the wait window.
    // InitIniFile is repeated there and then finds all made. Not before the
    // application exists: the picture readers look up their plugins through it.
    basIniProc::InitIniFile();
    basIniProc::StartCardPictures();
    platform::InstallQtSeams();
    QApplication::setWindowIcon(
        QIcon(QString::fromStdString(platform::ProgramFolder() + "vesk_poker.png")));
    frmPoker window;
    platform::CloseOnQuitSignals(window);
    window.show();
    return QApplication::exec();
}
