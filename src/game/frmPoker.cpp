#include "game/frmPoker.h"

#include "game/KeyCodes.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

namespace {

constexpr double kInnerWidth = 11880;
constexpr double kInnerHeight = 8565;
const QColor kTableGreen(0, 128, 0);

} // namespace

frmPoker::frmPoker(QWidget* parent) : QWidget(parent) {
    setWindowTitle("VESK POKER");
    setAutoFillBackground(true);
    QPalette table = palette();
    table.setColor(QPalette::Window, kTableGreen);
    setPalette(table);
    resize(platform::TwipsToPixels(kInnerWidth), platform::TwipsToPixels(kInnerHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    qApp->installEventFilter(this);
    Form_Load();
}

void frmPoker::Form_Load() {}

void frmPoker::Form_Unload() {}

// The window sees every key before the focused control, so Space and Enter never
// also press a focused button.
bool frmPoker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    int code = VirtualKeyCode(*key);
    if (code == 0) {
        return QWidget::eventFilter(watched, event);
    }
    Form_KeyDown(code, 0);
    return code == 0;
}

void frmPoker::Form_KeyDown(int& KeyCode, int /*Shift*/) {
    if (KeyCode == kVkEscape) {
        KeyCode = 0;
        close();
    }
}

void frmPoker::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}
