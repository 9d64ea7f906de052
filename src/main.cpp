#include "game/frmPoker.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::InstallQtSeams();
    frmPoker window;
    window.show();
    return QApplication::exec();
}
