#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// What a window shows, control by control: place, face, inks, text and state, and
// a digest of the pixels of the game's own painted controls. A test compares it with
// the record in tests/snapshots; VESK_RECORD=1 writes the records anew, to be
// looked at before they are committed.
namespace testsupport {

inline QString Digest(const QWidget* widget) {
    // A grab paints, which the widget allows only when not const.
    const QImage image =
        const_cast<QWidget*>(widget)->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QByteArrayView bytes(image.constBits(), image.sizeInBytes());
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().left(12);
}

inline void Describe(const QWidget* widget, const QWidget* root, int depth, QStringList& lines) {
    const QRect r = widget->geometry();
    const QFont font = widget->font();
    const QPalette palette = widget->palette();
    QString line =
        QString(depth * 2, ' ') + QString("%1 %2 %3,%4 %5x%6 %7 %8/%9/%10 %11/%12%13")
                                      .arg(widget->metaObject()->className(), widget->objectName())
                                      .arg(r.x())
                                      .arg(r.y())
                                      .arg(r.width())
                                      .arg(r.height())
                                      .arg(widget->isVisibleTo(root) ? "shown" : "hidden")
                                      .arg(font.family())
                                      .arg(font.pointSizeF())
                                      .arg(font.weight())
                                      .arg(palette.color(widget->foregroundRole()).name(),
                                           palette.color(widget->backgroundRole()).name(),
                                           widget->autoFillBackground() ? " filled" : "");
    if (!widget->isEnabled()) {
        line += " off";
    }
    if (widget == root->focusWidget()) { // the window's own, active or not
        line += " focus";
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        line += QString(" align %1%2 \"%3\"")
                    .arg(int(label->alignment()), 0, 16)
                    .arg(label->wordWrap() ? " wrap" : "", label->text());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        const auto* push = qobject_cast<const QPushButton*>(widget);
        line += QString("%1%2 \"%3\"")
                    .arg(button->isChecked() ? " checked" : "")
                    .arg(push && (push->isDefault() || push->autoDefault()) ? " default" : "",
                         button->text());
    } else if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
        line += QString(" \"%1\" of %2").arg(box->currentText()).arg(box->count());
    } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        for (int row = 0; row < list->count(); ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            line +=
                QString(" | %1,%2 %3x%4%5 \"%6\"")
                    .arg(item.x())
                    .arg(item.y())
                    .arg(item.width())
                    .arg(item.height())
                    .arg(list->item(row)->isSelected() ? " selected" : "", list->item(row)->text());
        }
    }
    // What a screen reader says, where it is more than the text shown.
    auto* widgetNamed = const_cast<QWidget*>(widget);
    const QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widgetNamed);
    const QString name = reader != nullptr ? reader->text(QAccessible::Name) : QString();
    if (!name.isEmpty() && !line.endsWith("\"" + name + "\"")) {
        line += " read \"" + name + "\"";
    }
    if (QByteArray(widget->metaObject()->superClass()->className()) == "QWidget" &&
        QByteArray(widget->metaObject()->className()).front() != 'Q' && widget != root) {
        line += " pixels " + Digest(widget);
    }
    lines << line;
    for (const QObject* child : widget->children()) {
        if (const auto* w = qobject_cast<const QWidget*>(child); w && !w->isWindow()) {
            Describe(w, root, depth + 1, lines);
        }
    }
}

// The window's description, with the program folder written as "<folder>".
inline QStringList Snapshot(const QWidget* root, const QString& folder = {}) {
    QStringList lines{QString("title \"%1\" minimum %2x%3")
                          .arg(root->windowTitle())
                          .arg(root->minimumWidth())
                          .arg(root->minimumHeight())};
    Describe(root, root, 0, lines);
    if (!folder.isEmpty()) {
        lines.replaceInStrings(folder, "<folder>");
    }
    lines.replaceInStrings("\n", "\\n");
    return lines;
}

// The record of the running test row, `name` telling the windows of one row apart.
inline QStringList Recorded(const QString& name, const QStringList& actual) {
    const QString row = QString("%1-%2-%3")
                            .arg(QTest::currentTestFunction(), QTest::currentDataTag(), name)
                            .replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    QFile file(QStringLiteral(VESK_SNAPSHOTS "/") + row + ".txt");
    if (qEnvironmentVariableIsSet("VESK_RECORD") && file.open(QIODevice::WriteOnly)) {
        file.write(actual.join('\n').toUtf8() + '\n');
        file.close();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {"no record " + file.fileName()};
    }
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace testsupport

// The window looks as recorded for this test row.
#define QCOMPARE_SNAPSHOT(name, ...)                                                               \
    do {                                                                                           \
        const QStringList actual_ = testsupport::Snapshot(__VA_ARGS__);                            \
        QCOMPARE(actual_, testsupport::Recorded(name, actual_));                                   \
    } while (false)
