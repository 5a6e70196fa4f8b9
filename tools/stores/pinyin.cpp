#include "stores/pinyin.h"

#include "stores/hanzi.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace cx::stores {
namespace {

// The toneless letters of a marked or plain syllable, ü kept: "lǜ" → "lü".
QString baseLetters(const QString &syllable)
{
    QString d = syllable.toLower().normalized(QString::NormalizationForm_D);
    d.replace(QStringLiteral("u\u0308"), QStringLiteral("ü"));
    QString out;
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out;
}

bool isSyllableLetters(const QString &letters)
{
    static const QRegularExpression re(QStringLiteral("^(?:[a-zü]{1,6})$"));
    return re.match(letters).hasMatch();
}

} // namespace

QString markedSyllable(const QString &numbered)
{
    QString s = numbered.toLower();
    s.replace(QStringLiteral("u:"), QStringLiteral("ü"));
    s.replace(QLatin1Char('v'), QStringLiteral("ü"));
    int tone = 5;
    if (!s.isEmpty() && s.back().isDigit()) {
        tone = s.back().digitValue();
        s.chop(1);
    }
    if (tone < 1 || tone > 5 || !isSyllableLetters(s))
        return {};
    if (tone == 5)
        return s;
    // The mark goes on a or e, on the o of ou, else on the last vowel; a
    // syllable without a vowel (ng, m) carries it on its first letter.
    qsizetype at = s.indexOf(QLatin1Char('a'));
    if (at < 0)
        at = s.indexOf(QLatin1Char('e'));
    if (at < 0)
        at = s.indexOf(QLatin1String("ou"));
    if (at < 0) {
        for (qsizetype i = s.size() - 1; i >= 0 && at < 0; --i)
            if (QStringLiteral("iouü").contains(s.at(i)))
                at = i;
    }
    if (at < 0)
        at = 0;
    static const QChar marks[4] = {QChar(0x0304), QChar(0x0301), QChar(0x030C), QChar(0x0300)};
    s.insert(at + 1, marks[tone - 1]);
    return s.normalized(QString::NormalizationForm_C);
}

QString wordPinyin(const QString &word, const QString &readings)
{
    QStringList syllables;
    for (const QString &t : readings.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (t == QLatin1String(",") || t == QLatin1String("，") || t == QLatin1String("·") ||
            t == QLatin1String("-"))
            continue;
        const bool numbered =
            t.back().isDigit() || std::all_of(t.cbegin(), t.cend(), [](QChar c) { return c.unicode() < 0x80; });
        const QString s = numbered ? markedSyllable(t) : t.toLower().normalized(QString::NormalizationForm_C);
        if (s.isEmpty() || !isSyllableLetters(baseLetters(s)))
            return {};
        syllables << s;
    }
    QString out;
    qsizetype next = 0;
    for (char32_t c : word.toUcs4()) {
        if (isHanzi(c)) {
            if (next >= syllables.size())
                return {};
            QString s = syllables.at(next++);
            if (c == U'一' && baseLetters(s) == QLatin1String("yi"))
                s = QStringLiteral("yī");
            else if (c == U'不' && baseLetters(s) == QLatin1String("bu"))
                s = QStringLiteral("bù");
            if (!out.isEmpty() && !isWordPunctuation(out.back().unicode()))
                out += QLatin1Char(' ');
            out += s;
        } else if (isWordPunctuation(c) && !out.isEmpty()) {
            out += QString::fromUcs4(&c, 1);
        } else {
            return {};
        }
    }
    return next == syllables.size() ? out : QString();
}

} // namespace cx::stores
