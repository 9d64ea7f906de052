#pragma once

#include <QFont>
#include <QString>

class QFrame;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QWidget;

// How the settings dialog's pages look: the game's face throughout, a heading per
// page, warnings in red, and texts that wrap rather than widen the dialog.
namespace settings {

inline constexpr double kTextPoints = 10;

QFont DialogFont(double points);
QFrame* NewPage();
QLabel* Heading(const QString& text);
QLabel* NoticeLabel(const QString& text);
QLabel* WarningLabel();
// Empty by default; long file names and paths wrap onto the next line.
QLabel* TextLabel(const QString& text = {});
// The selected row stands out clearly in the list that has the focus, and stays
// plain to see in the others.
void SetSelectionColors(QListWidget* list);
// Widgets side by side, left-aligned, with the row's spare room after them.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets);

} // namespace settings
