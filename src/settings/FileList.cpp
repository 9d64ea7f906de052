#include "settings/FileList.h"

#include "settings/FolderFiles.h"

#include <QFile>
#include <QListWidget>
#include <QSignalBlocker>

namespace settings {
namespace {

constexpr int kRowPadding = 4;

std::string NameOf(const QListWidgetItem* item) {
    return item == nullptr ? std::string() : item->data(Qt::UserRole).toByteArray().toStdString();
}

} // namespace

QString Decoded(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

// Rows a little taller than the text: the game's face draws its underscore below
// the line, where a row of plain height would cut it off ("C_05" read as "C 05").
void FillList(QListWidget* list, const std::vector<std::string>& names) {
    const QSignalBlocker quiet(list);
    const QFontMetrics metrics = list->fontMetrics();
    list->clear();
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(Decoded(name), list);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
        item->setSizeHint(QSize(metrics.horizontalAdvance(item->text()) + kRowPadding,
                                metrics.height() + kRowPadding));
    }
}

std::string SelectedName(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? std::string() : NameOf(selected.front());
}

void SelectRow(QListWidget* list, int row) {
    const QSignalBlocker quiet(list);
    list->setCurrentRow(row);
}

int StoredRow(const QListWidget* list, const std::string& name) {
    int folded = -1;
    for (int row = 0; row < list->count(); ++row) {
        const std::string listed = NameOf(list->item(row));
        if (listed == name) {
            return row;
        }
        if (folded < 0 && SameIgnoringAsciiCase(listed, name)) {
            folded = row;
        }
    }
    return folded;
}

} // namespace settings
