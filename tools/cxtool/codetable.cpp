// cxtool make-code-table: builds the character code table that the
// application embeds (resources/chartable/mywb.txt) from open data:
//   readings  Unihan kXHC1983 (all readings, in dictionary order), else kMandarin
//   Wubi 86   the shortest single-character code of the Rime wubi86 dictionary
//   traditional forms  OpenCC s2t
// One line per toneless reading of every GB2312 hanzi, filed alphabetically
// under the character's common reading (kMandarin), then the fixed lines of
// full-width and ASCII characters, ending with the blank line.
#include "cxtool/command.h"

#include "text/gbk.h"
#include "stores/sources.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <opencc/SimpleConverter.hpp>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace
{

const QString kSep[4] = {QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"), QStringLiteral("④")};

// Where OpenCC's traditional form is replaced: the table files 沈 as the
// traditional form of 沉, so that a lookup of 沈 finds the line of 沉.
const QHash<QChar, QChar> kTraditionalOverrides = {{QChar(0x6C89), QChar(0x6C88)}};

QString firstExisting(const QStringList &candidates)
{
    for (const QString &c : candidates)
        if (QFile::exists(c))
            return c;
    return candidates.first();
}

// "zhōng" -> "ZHONG", "lǜ" -> "LV", "ḿ" -> "M".
QString tonelessPinyin(const QString &reading)
{
    QString d = reading.normalized(QString::NormalizationForm_D);
    d.replace(QStringLiteral("u\u0308"), QStringLiteral("v"));
    QString out;
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    out = out.toUpper();
    static const QRegularExpression valid(QStringLiteral("^[A-Z]{1,6}$"));
    if (!valid.match(out).hasMatch())
        throw std::runtime_error("unexpected reading " + reading.toStdString());
    return out;
}

struct Readings {
    QStringList xhc;      // kXHC1983, dictionary order
    QStringList mandarin; // kMandarin, most common first
};

QHash<char32_t, Readings> loadReadings(const QString &path)
{
    QHash<char32_t, Readings> all;
    const QList<QByteArray> lines = cx::stores::readSource(path).split('\n');
    for (const QByteArray &raw : lines) {
        if (!raw.startsWith("U+"))
            continue;
        const QList<QByteArray> cols = raw.trimmed().split('\t');
        if (cols.size() < 3)
            continue;
        const bool xhc = cols[1] == "kXHC1983";
        if (!xhc && cols[1] != "kMandarin")
            continue;
        const char32_t cp = cols[0].mid(2).toUInt(nullptr, 16);
        Readings &r = all[cp];
        for (const QString &v : QString::fromUtf8(cols[2]).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (xhc) // "0571.020:jiào"
                r.xhc << tonelessPinyin(v.section(QLatin1Char(':'), 1));
            else
                r.mandarin << tonelessPinyin(v);
        }
    }
    return all;
}

// Shortest Wubi code of every single character: codes starting with z (the
// lookup key) are dropped, a shorter code wins, among equals the heavier.
QHash<char32_t, QString> loadWubi(const QString &path)
{
    struct Best {
        QString code;
        double weight = 0;
    };
    QHash<char32_t, Best> best;
    const QList<QByteArray> lines = cx::stores::readSource(path).split('\n');
    bool body = false;
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (!body) {
            body = line == "...";
            continue;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> cols = line.split('\t');
        if (cols.size() < 2)
            continue;
        const QList<uint> text = QString::fromUtf8(cols[0]).toUcs4();
        const QString code = QString::fromUtf8(cols[1]).trimmed();
        if (text.size() != 1 || code.isEmpty() || code.startsWith(QLatin1Char('z')))
            continue;
        const double weight = cols.size() > 2 ? cols[2].toDouble() : 0;
        auto it = best.find(text[0]);
        if (it == best.end())
            best.insert(text[0], {code, weight});
        else if (code.size() < it->code.size() || (code.size() == it->code.size() && weight > it->weight))
            *it = {code, weight};
    }
    if (!body)
        throw std::runtime_error("no dictionary rows in " + path.toStdString());
    QHash<char32_t, QString> codes;
    for (auto it = best.cbegin(); it != best.cend(); ++it)
        codes.insert(it.key(), it->code.toUpper());
    return codes;
}

QString line(const QString &simplified, const QString &traditional, const QString &f1, const QString &f2,
             const QString &f3, const QString &f4)
{
    return simplified + traditional + kSep[0] + f1 + kSep[1] + f2 + kSep[2] + f3 + kSep[3] + f4;
}

// The lines after the hanzi, in their fixed order.
QStringList fixedLines()
{
    QStringList out;
    // Bytes 1-2 and 3-4 hold the character twice (one byte each for ASCII).
    auto same = [&](QChar c, QChar code) { out << line(c, c, code, code, code, code); };
    for (QChar c : QStringLiteral("1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
        same(c, c);
    // Full-width characters that carry their ASCII counterpart.
    for (QChar c : QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ()=-+/\\"))
        same(QChar(c.unicode() + 0xFEE0), c);
    for (QChar c : QStringLiteral("()=-+/\\ABC"))
        same(c, c);
    // Punctuation carrying itself, full-width and ASCII; · has an empty last field.
    for (QChar c : QStringLiteral("。，”“：｜）（＊＆＾＃＠！？＞＜，、－＝％%.:;\""))
        same(c, c);
    const QString dot = QStringLiteral("·");
    out << line(dot, dot, dot, dot, dot, QString());
    for (QChar c : QStringLiteral("［］｛｝[]{}"))
        same(c, c);
    const QString blank = QStringLiteral(" ");
    out << line(blank, blank, blank, blank, blank, blank);
    return out;
}

struct Entry {
    cx::text::Gbk code; // GBK bytes of the simplified character, the tie-break
    QString filing;     // the reading it is filed under
    QStringList lines;
};

int makeCodeTable(const QStringList &argv)
{
    QString readingsPath = firstExisting({QStringLiteral("/usr/share/unicode/Unihan_Readings.txt"),
                                          QStringLiteral("/usr/share/unicode/Unihan_Readings.txt.bz2")});
    QString wubiPath = QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml");
    const QString usage = QStringLiteral("usage: cxtool make-code-table [--readings UNIHAN_READINGS] "
                                         "[--wubi WUBI86_DICT] OUT");
    QString out;
    for (int i = 0; i < argv.size(); ++i) {
        const bool hasValue = i + 1 < argv.size();
        if (argv[i] == QLatin1String("--readings") && hasValue)
            readingsPath = argv[++i];
        else if (argv[i] == QLatin1String("--wubi") && hasValue)
            wubiPath = argv[++i];
        else if (out.isEmpty() && !argv[i].startsWith(QLatin1String("--")))
            out = argv[i];
        else {
            cxtool::err(usage);
            return 2;
        }
    }
    if (out.isEmpty()) {
        cxtool::err(usage);
        return 2;
    }

    const QHash<char32_t, Readings> readings = loadReadings(readingsPath);
    const QHash<char32_t, QString> wubi = loadWubi(wubiPath);
    const opencc::SimpleConverter s2t("s2t.json");

    std::vector<Entry> entries;
    int fromMandarin = 0, traditionalDiffers = 0;
    std::map<int, int> byLineCount;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const cx::text::Gbk code{static_cast<char>(lead), static_cast<char>(trail)};
            cx::text::ConversionReport bad;
            const QString ch = cx::text::fromGbk(code, &bad);
            if (bad.replaced || ch.size() != 1 || cx::text::toGbk(ch) != code)
                continue; // an unassigned code of the hanzi rows
            const char32_t cp = ch.at(0).unicode();
            const Readings r = readings.value(cp);
            QStringList readingLines = r.xhc.isEmpty() ? r.mandarin : r.xhc;
            readingLines.removeDuplicates();
            if (readingLines.isEmpty())
                throw std::runtime_error("no reading for " + ch.toStdString());
            if (r.xhc.isEmpty())
                ++fromMandarin;
            const QString w = wubi.value(cp);
            if (w.isEmpty())
                throw std::runtime_error("no Wubi code for " + ch.toStdString());

            QString trad = QString::fromStdString(s2t.Convert(ch.toStdString()));
            cx::text::ConversionReport tradBad;
            if (kTraditionalOverrides.contains(ch.at(0)))
                trad = kTraditionalOverrides.value(ch.at(0));
            if (trad.size() != 1 || cx::text::toGbk(trad, &tradBad).size() != 2 || tradBad.replaced)
                trad = ch; // no single GBK character: the simplified form stands for both

            Entry e{code, readingLines.first(), {}};
            if (!r.mandarin.isEmpty() && readingLines.contains(r.mandarin.first()))
                e.filing = r.mandarin.first();
            for (const QString &p : readingLines)
                e.lines << line(ch, trad, p, w, p.left(1), w.left(1));
            ++byLineCount[static_cast<int>(e.lines.size())];
            if (trad != ch)
                traditionalDiffers += static_cast<int>(e.lines.size());
            entries.push_back(std::move(e));
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.filing != b.filing ? a.filing < b.filing : a.code < b.code;
    });

    QStringList all;
    for (const Entry &e : entries)
        all << e.lines;
    const qsizetype hanziLines = all.size();
    all << fixedLines();

    cx::text::Gbk bytes;
    for (const QString &l : all) {
        cx::text::ConversionReport bad;
        bytes += cx::text::toGbk(l, &bad);
        if (bad.replaced)
            throw std::runtime_error("not GBK: " + l.toStdString());
        bytes += "\r\n";
    }
    // Written aside and renamed, so a failed run leaves the old table whole.
    QSaveFile f(out);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !f.commit())
        throw std::runtime_error("cannot write " + out.toStdString());

    cxtool::out(QStringLiteral("%1: %2 lines, %3 bytes").arg(out).arg(all.size()).arg(bytes.size()));
    cxtool::out(QStringLiteral("hanzi: %1 lines for %2 characters (%3 read from kMandarin, no kXHC1983); "
                               "%4 lines with a different traditional form")
                    .arg(hanziLines)
                    .arg(entries.size())
                    .arg(fromMandarin)
                    .arg(traditionalDiffers));
    for (const auto &[count, chars] : byLineCount)
        cxtool::out(QStringLiteral("  %1 characters with %2 line(s)").arg(chars).arg(count));
    cxtool::out(QStringLiteral("other: %1 lines").arg(all.size() - hanziLines));
    return 0;
}

cxtool::Registration makeTable{{QStringLiteral("make-code-table"),
                                QStringLiteral("[--readings UNIHAN_READINGS] [--wubi WUBI86_DICT] OUT"),
                                makeCodeTable}};

} // namespace
