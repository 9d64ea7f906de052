#include "settings/FileList.h"

#include <QFile>
#include <QListWidget>
#include <QSignalBlocker>

namespace settings {
namespace {

std::string NameOf(const QListWidgetItem* item) {
    return item == nullptr ? std::string() : item->data(Qt::UserRole).toByteArray().toStdString();
}

} // namespace

QString Decoded(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

void FillList(QListWidget* list, const std::vector<std::string>& names) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(Decoded(name), list);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
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

bool SameNameIgnoringCase(const QListWidget* list, int row, const std::string& name) {
    return list->item(row)->text().compare(Decoded(name), Qt::CaseInsensitive) == 0;
}

} // namespace settings
