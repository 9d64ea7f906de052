#include "platform/GameFont.h"

#include <QFontDatabase>
#include <QStringList>

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

} // namespace

QFont GameFont(double pointSize) {
    static const QString family = ChooseFamily();
    QFont font(family);
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}
