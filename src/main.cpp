#include "config/CardPictures.h"
#include "config/basIniProc.h"
#include "game/frmPoker.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    // The card pictures decode on worker threads while the toolkit starts and the
    // game window makes its controls; the window's load then only collects them
    // behind the wait window. InitIniFile is repeated there and then finds all made.
    basIniProc::InitIniFile();
    basIniProc::StartCardPictures();
    QApplication app(argc, argv);
    platform::InstallQtSeams();
    QApplication::setWindowIcon(
        QIcon(QString::fromStdString(platform::ProgramFolder() + "vesk_poker.png")));
    frmPoker window;
    window.show();
    return QApplication::exec();
}
