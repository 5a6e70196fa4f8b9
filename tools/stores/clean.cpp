#include "stores/clean.h"

#include "stores/hanzi.h"

#include <QRegularExpression>
#include <QStringList>
#include <map>

namespace cx::stores {
namespace {

bool isCircledNumber(QChar c)
{
    return c.unicode() >= 0x2460 && c.unicode() <= 0x2473;
}

// "1.", "2．", "①" at the start of a sense.
QString withoutNumber(const QString &sense)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(?:[0-9]{1,2}[.．、]|[\\x{2460}-\\x{2473}])\\s*"));
    return QString(sense).remove(number);
}

// The senses of an explanation: its lines, and inside a line the senses
// that start with a circled number.
QStringList senses(const QString &explanation)
{
    QStringList out;
    for (const QString &line : explanation.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        qsizetype start = 0;
        for (qsizetype i = 1; i < line.size(); ++i) {
            if (isCircledNumber(line.at(i))) {
                out << line.mid(start, i - start);
                start = i;
            }
        }
        out << line.mid(start);
    }
    for (QString &s : out)
        s = withoutNumber(s).trimmed();
    out.removeAll(QString());
    return out;
}

// Where a named source starts in a sense: its marker and position.
qsizetype sourceStart(const QString &sense, qsizetype from, qsizetype *markerLength)
{
    static const QStringList markers{QStringLiteral("语出"), QStringLiteral("语本"), QStringLiteral("出自"),
                                     QStringLiteral("典出")};
    qsizetype best = -1;
    for (const QString &m : markers) {
        const qsizetype at = sense.indexOf(m, from);
        if (at >= 0 && (best < 0 || at < best)) {
            best = at;
            *markerLength = m.size();
        }
    }
    return best;
}

// The explanation source lost its opening quotes: 《书名》原文。” gets its
// "：“" back where the quotation follows the title directly.
QString sourceText(QString clause)
{
    clause = clause.trimmed();
    const qsizetype title = clause.indexOf(QStringLiteral("》"));
    if (clause.startsWith(QStringLiteral("《")) && title > 0 && title + 1 < clause.size() &&
        clause.endsWith(QStringLiteral("”")) && !clause.contains(QStringLiteral("“")) &&
        clause.at(title + 1) != QStringLiteral("：").at(0))
        clause.insert(title + 1, QStringLiteral("：“"));
    return clause;
}

} // namespace

QString cleanHeadword(const QString &key)
{
    static const std::map<QString, QString> latinWords{
        {QStringLiteral("卡拉ok"), QStringLiteral("卡拉OK")},
        {QStringLiteral("阿q"), QStringLiteral("阿Q")},
        {QStringLiteral("阿q正传"), QStringLiteral("阿Q正传")},
        {QStringLiteral("中国sos儿童村协会"), QStringLiteral("中国SOS儿童村协会")},
        {QStringLiteral("青霉素g"), QStringLiteral("青霉素G")},
    };
    QString k = key.trimmed();
    k.replace(QStringLiteral("﹐"), QStringLiteral("，"));
    k.replace(QLatin1Char(';'), QStringLiteral("；"));
    k.remove(QStringLiteral("”"));
    k.remove(QStringLiteral("“"));
    if (const auto it = latinWords.find(k); it != latinWords.end())
        return it->second;
    bool hanzi = false;
    for (char32_t c : k.toUcs4()) {
        if (isHanzi(c))
            hanzi = true;
        else if (!isWordPunctuation(c) && c != U'…')
            return {};
    }
    if (!hanzi || !isHanzi(k.toUcs4().front()))
        return {};
    return k;
}

QString cleanExplanation(const QString &text)
{
    // Box-drawing characters and lone kana come from text read in the wrong
    // code page; "??3b4a" and codes like fd45 or b12c stand where the source
    // lost a character. Runs of kana (日から) and formulas (caf2, d860) stay.
    static const QRegularExpression garbled(QStringLiteral(
        "[\\x{2500}-\\x{257F}]|(?<![\\x{3040}-\\x{30FF}])[\\x{3040}-\\x{30FF}](?![\\x{3040}-\\x{30FF}])|"
        "\\?\\?[0-9a-f]{4}|(?<![0-9A-Za-z])(?:f[0-9a-f]|b[01]|c0|d0|e0)[0-9a-f]{2}(?![0-9A-Za-z])"));
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList kept;
    for (const QString &line : t.split(QLatin1Char('\n'))) {
        const QString l = line.trimmed();
        if (!l.isEmpty())
            kept << l;
    }
    QString out = kept.join(QLatin1Char('\n'));
    if (garbled.match(out).hasMatch())
        return {};
    return out;
}

bool explainsIdiom(const QString &explanation)
{
    static const QStringList marks{QStringLiteral("比喻"), QStringLiteral("形容"), QStringLiteral("语出"),
                                   QStringLiteral("语本"), QStringLiteral("出自"), QStringLiteral("典出")};
    for (const QString &m : marks)
        if (explanation.contains(m))
            return true;
    // A title alone names books, papers and treaties too; an allusion quotes
    // the book or points to it.
    static const QRegularExpression allusion(
        QStringLiteral("》\\s*[﹕：:]?\\s*[\"“]|[据见]《"));
    return allusion.match(explanation).hasMatch();
}

QString idiomDescription(const QString &explanation)
{
    QStringList meanings, sources;
    for (const QString &sense : senses(explanation)) {
        QString rest;
        qsizetype from = 0;
        qsizetype markerLength = 0;
        qsizetype at;
        while ((at = sourceStart(sense, from, &markerLength)) >= 0) {
            rest += sense.mid(from, at - from);
            // The source runs to the end of its quotation (”, or the second
            // of a pair of ASCII quotes), else to the next sense mark ◇,
            // else to the end of the sense.
            const qsizetype begin = at + markerLength;
            qsizetype end = -1;
            for (const QString &close : {QStringLiteral("。”"), QStringLiteral("！”"), QStringLiteral("？”")}) {
                const qsizetype e = sense.indexOf(close, begin);
                if (e >= 0 && (end < 0 || e + 2 < end))
                    end = e + 2;
            }
            if (const qsizetype open = sense.indexOf(QLatin1Char('"'), begin); open >= 0) {
                const qsizetype close = sense.indexOf(QLatin1Char('"'), open + 1);
                if (close >= 0 && (end < 0 || close + 1 < end))
                    end = close + 1;
            }
            const qsizetype diamond = sense.indexOf(QStringLiteral("◇"), begin);
            if (diamond >= 0 && (end < 0 || diamond < end))
                end = diamond;
            if (end < 0)
                end = sense.size();
            sources << sourceText(sense.mid(begin, end - begin));
            from = end;
        }
        rest += sense.mid(from);
        for (const QString &part : rest.split(QStringLiteral("◇"), Qt::SkipEmptyParts))
            meanings << part.trimmed();
    }
    QStringList sections;
    for (const QString &m : meanings)
        if (!m.isEmpty())
            sections << m;
    for (const QString &s : sources)
        if (!s.isEmpty())
            sections << QStringLiteral("出处：") + s;
    for (QString &s : sections)
        s.replace(QLatin1Char(';'), QStringLiteral("；"));
    return sections.join(QLatin1Char(';'));
}

QString firstSense(const QString &explanation, int maxLength)
{
    const QStringList all = senses(explanation);
    if (all.isEmpty())
        return {};
    QString s = all.first().section(QStringLiteral("◇"), 0, 0).trimmed();
    if (s.size() > maxLength)
        s = s.left(maxLength) + QStringLiteral("……");
    return s;
}

} // namespace cx::stores
