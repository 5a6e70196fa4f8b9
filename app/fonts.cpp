#include "app/fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace cx::app {

const std::vector<FontMapping> &fontMappings()
{
    static const QStringList song{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")};
    static const QStringList hei{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")};
    static const QStringList li{QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC")};
    static const QStringList sans{QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")};
    static const std::vector<FontMapping> all{
        {QStringLiteral("宋体"), song},
        {QStringLiteral("SimSun"), song},
        {QStringLiteral("黑体"), hei},
        {QStringLiteral("SimHei"), hei},
        {QStringLiteral("隶书"), li},
        {QStringLiteral("LiSu"), li},
        {QStringLiteral("Calibri"), {QStringLiteral("Carlito"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("MS Sans Serif"), sans},
    };
    return all;
}

QStringList installFontSubstitutions()
{
    const QStringList installed = QFontDatabase::families();
    QStringList unmapped;
    for (const FontMapping &m : fontMappings()) {
        QStringList present;
        for (const QString &face : m.faces)
            if (installed.contains(face, Qt::CaseInsensitive))
                present << face;
        if (present.isEmpty()) {
            unmapped << m.name;
            continue;
        }
        QFont::removeSubstitutions(m.name);
        QFont::insertSubstitutions(m.name, present);
    }
    return unmapped;
}

} // namespace cx::app
