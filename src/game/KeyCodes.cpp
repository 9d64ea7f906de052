#include "game/KeyCodes.h"

#include <QKeyEvent>

int VirtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key;
    }
    switch (key) {
    case Qt::Key_Space:
        return kVkSpace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kVkEnter;
    case Qt::Key_Escape:
        return kVkEscape;
    default:
        return 0;
    }
}
