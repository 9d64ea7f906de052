#pragma once

#include <QString>
#include <functional>

class QWidget;

// The settings dialog's message boxes: no icon, OK only unless the player is asked,
// and then Yes and No. Tests answer them through the hook instead of a modal box.
namespace settings {

inline const QString kGameTitle = QStringLiteral("VESK POKER");

void MsgBox(QWidget* parent, const QString& prompt);

// True when the player answered Yes.
bool AskYesNo(QWidget* parent, const QString& prompt, const QString& title);

// Receives every box instead of the player: its title, its text (line breaks as
// CR LF) and whether Yes and No were offered; returns the answer, true for Yes. An
// empty hook brings the real boxes back.
using MessageBoxHook =
    std::function<bool(const QString& title, const QString& prompt, bool askYesNo)>;
void SetMessageBoxHook(MessageBoxHook hook);

} // namespace settings
