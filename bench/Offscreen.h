#pragma once

#include <QByteArray>
#include <QtGlobal>

// Without a display a benchmark still runs, drawing into memory.
inline void OffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}
