#include "settings/MessageBox.h"

#include <QMessageBox>
#include <utility>

namespace settings {
namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

bool Show(QWidget* parent, const QString& prompt, const QString& title, bool askYesNo) {
    if (Hook()) {
        return Hook()(title, prompt, askYesNo);
    }
    QString text = prompt;
    text.replace("\r\n", "\n");
    const auto buttons = askYesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

void MsgBox(QWidget* parent, const QString& prompt) {
    Show(parent, prompt, kGameTitle, false);
}

bool AskYesNo(QWidget* parent, const QString& prompt, const QString& title) {
    return Show(parent, prompt, title, true);
}

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

} // namespace settings
