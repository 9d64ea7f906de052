#pragma once

#include <QString>
#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;

// The dialog's lists hold names as the file system gives them (bytes) and show them
// as text; what is stored and compared is always the bytes.
namespace settings {

QString Decoded(const std::string& name);
void FillList(QListWidget* list, const std::vector<std::string>& names);
// The selected entry's name, "" when nothing is selected.
std::string SelectedName(const QListWidget* list);
// Selects a row without running the list's own handler; -1 selects nothing.
void SelectRow(QListWidget* list, int row);
// The row holding the stored file: its very bytes, else the first with the same
// bytes but for the case of ASCII letters; -1 when none.
int StoredRow(const QListWidget* list, const std::string& name);

} // namespace settings
