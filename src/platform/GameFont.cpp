#include "platform/GameFont.h"

#include <QFontDatabase>
#include <QFuture>
#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString ChooseFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& wanted : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                                  QStringLiteral("IPAGothic")}) {
        if (families.contains(wanted)) {
            return wanted;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

QFuture<QString>& Chosen() {
    static QFuture<QString> chosen;
    return chosen;
}

} // namespace

void StartChoosingGameFont() {
    Chosen() = QtConcurrent::run(ChooseFamily);
}

QFont GameFont(double pointSize) {
    static const QString family = Chosen().isValid() ? Chosen().result() : ChooseFamily();
    QFont font(family);
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}
