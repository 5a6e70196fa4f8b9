#include "windows/descriptsections.h"

namespace cx::windows {

QString CollapseSeparators(const QString &text, QChar sep)
{
    QString result;
    result.reserve(text.size() + 1);
    bool afterText = false;
    for (const QChar c : text) {
        if (c != sep) {
            result.append(c);
            afterText = true;
        } else if (afterText) {
            result.append(c);
            afterText = false;
        }
    }
    if (!result.isEmpty() && result.back() != sep)
        result.append(sep);
    return result;
}

QString TakeField(QString &work, QChar sep)
{
    const qsizetype p = work.indexOf(sep);
    if (p < 0)
        return QString();
    QString field = work.left(p);
    work.remove(0, p + 1);
    return field;
}

std::optional<QString> DescriptionCaption(const QString &descript)
{
    QString work = CollapseSeparators(descript, kSectionSeparator);
    if (work.isEmpty())
        return std::nullopt;
    QString caption = TakeField(work, kSectionSeparator);
    for (int i = 1; i < kDescriptionSections; ++i)
        caption += kSectionJoint + TakeField(work, kSectionSeparator);
    return caption;
}

QString CaptionLines(const QString &caption)
{
    QString lines = caption;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

} // namespace cx::windows
