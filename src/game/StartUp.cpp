#include "game/StartUp.h"

#include "config/CardPictures.h"
#include "config/basIniProc.h"
#include "platform/GameFont.h"

#include <QAccessible>

void BeginStartUp() {
    StartChoosingGameFont();
    // Not before the application exists: the picture readers find their plugins
    // through it.
    basIniProc::InitIniFile();
    basIniProc::StartCardPictures();
    // The first widget to change asks whether accessibility is on, and the bridge
    // then connects to the session bus and waits for its answer (without a bus,
    // libdbus first tries to launch one). Asked now, the window thread waits while
    // the workers read the fonts and the pictures, not after.
    QAccessible::isActive();
}
