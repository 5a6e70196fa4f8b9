#include "stores/sources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <stdexcept>

namespace cx::stores {
namespace {

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> out = text.split('\n');
    for (QByteArray &l : out)
        if (l.endsWith('\r'))
            l.chop(1);
    return out;
}

// The npm packages wrap text files in `module.exports = `…`;`.
QByteArray unwrapModule(const QByteArray &text)
{
    const qsizetype open = text.indexOf('`');
    const qsizetype close = text.lastIndexOf('`');
    if (text.startsWith("module.exports") && open >= 0 && close > open)
        return text.mid(open + 1, close - open - 1);
    return text;
}

char32_t onlyCodePoint(const QString &s)
{
    const QList<uint> u = s.toUcs4();
    return u.size() == 1 ? char32_t(u[0]) : 0;
}

} // namespace

SourcePaths SourcePaths::defaults(const QString &dataRoot, const QString &starterDir)
{
    auto unihan = [](const char *name) {
        const QString plain = QStringLiteral("/usr/share/unicode/") + QLatin1String(name);
        return QFile::exists(plain) ? plain : plain + QStringLiteral(".bz2");
    };
    SourcePaths p;
    p.unihanReadings = unihan("Unihan_Readings.txt");
    p.unihanIrg = unihan("Unihan_IRGSources.txt");
    p.unihanVariants = unihan("Unihan_Variants.txt");
    p.cjkRadicals = QStringLiteral("/usr/share/unicode/CJKRadicals.txt");
    p.wubi = QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml");
    p.terraPinyin = QStringLiteral("/usr/share/rime-data/terra_pinyin.dict.yaml");
    p.radicalScript = dataRoot + QStringLiteral("/cnchar-radical/cnchar.radical.min.js");
    p.explanations = dataRoot + QStringLiteral("/cnchar-data/explanation");
    p.wordPinyin = dataRoot + QStringLiteral("/@pinyin-pro/data/json/complete.json");
    p.cedict = dataRoot + QStringLiteral("/hanzi/lib/data/cedict_ts.u8.js");
    p.characterFrequency = dataRoot + QStringLiteral("/hanzi/lib/data/frequencyjunda.txt.js");
    p.strokes = dataRoot + QStringLiteral("/hanzi-writer-data");
    p.starter = starterDir;
    return p;
}

QString SourcePaths::firstMissing() const
{
    for (const QString *p : {&unihanReadings, &unihanIrg, &unihanVariants, &cjkRadicals, &wubi, &terraPinyin,
                             &radicalScript, &explanations, &wordPinyin, &cedict, &characterFrequency, &strokes,
                             &starter})
        if (!QFileInfo::exists(*p))
            return *p;
    return {};
}

QByteArray readSource(const QString &path)
{
    if (path.endsWith(QLatin1String(".bz2"))) {
        QProcess p;
        p.start(QStringLiteral("bzip2"), {QStringLiteral("-dc"), path});
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            throw std::runtime_error("cannot decompress " + path.toStdString() + ": " +
                                     p.readAllStandardError().toStdString());
        return p.readAllStandardOutput();
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void readUnihan(const QByteArray &text, const QList<QByteArray> &fields, UnihanFields &into)
{
    for (const QByteArray &line : lines(text)) {
        if (!line.startsWith("U+"))
            continue;
        const qsizetype t1 = line.indexOf('\t');
        const qsizetype t2 = t1 < 0 ? -1 : line.indexOf('\t', t1 + 1);
        if (t2 < 0)
            continue;
        const QByteArray field = line.mid(t1 + 1, t2 - t1 - 1);
        if (!fields.contains(field))
            continue;
        bool ok = false;
        const char32_t cp = line.mid(2, t1 - 2).toUInt(&ok, 16);
        if (ok)
            into[cp][field] = QString::fromUtf8(line.mid(t2 + 1)).trimmed();
    }
}

QString unihanCharacters(const QString &value)
{
    QString out;
    for (const QString &v : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!v.startsWith(QLatin1String("U+")))
            continue;
        bool ok = false;
        const char32_t cp = v.mid(2).section(QLatin1Char('<'), 0, 0).toUInt(&ok, 16);
        if (ok && !out.contains(QString::fromUcs4(&cp, 1)))
            out += QString::fromUcs4(&cp, 1);
    }
    return out;
}

std::map<QString, QString> readCjkRadicals(const QByteArray &text)
{
    std::map<QString, QString> out;
    for (const QByteArray &line : lines(text)) {
        if (line.startsWith('#') || line.trimmed().isEmpty())
            continue;
        const QList<QByteArray> cols = line.split(';');
        if (cols.size() < 3)
            continue;
        bool ok = false;
        const char32_t cp = cols[2].trimmed().toUInt(&ok, 16);
        if (ok)
            out[QString::fromLatin1(cols[0].trimmed())] = QString::fromUcs4(&cp, 1);
    }
    return out;
}

std::map<char32_t, QString> readWubi(const QByteArray &text)
{
    struct Best {
        QString code;
        double weight = 0;
    };
    std::map<char32_t, Best> best;
    bool body = false;
    for (const QByteArray &line : lines(text)) {
        if (!body) {
            body = line == "...";
            continue;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> cols = line.split('\t');
        if (cols.size() < 2)
            continue;
        const char32_t cp = onlyCodePoint(QString::fromUtf8(cols[0]));
        const QString code = QString::fromUtf8(cols[1]).trimmed();
        if (!cp || code.isEmpty() || code.startsWith(QLatin1Char('z')))
            continue;
        const double weight = cols.size() > 2 ? cols[2].toDouble() : 0;
        auto it = best.find(cp);
        if (it == best.end())
            best.emplace(cp, Best{code, weight});
        else if (code.size() < it->second.code.size() ||
                 (code.size() == it->second.code.size() && weight > it->second.weight))
            it->second = {code, weight};
    }
    std::map<char32_t, QString> out;
    for (const auto &[cp, b] : best)
        out.emplace(cp, b.code.toUpper());
    return out;
}

std::map<QString, QString> readRimeReadings(const QByteArray &text)
{
    std::map<QString, QString> out;
    bool body = false;
    for (const QByteArray &line : lines(text)) {
        if (!body) {
            body = line == "...";
            continue;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> cols = line.split('\t');
        if (cols.size() >= 2)
            out.emplace(QString::fromUtf8(cols[0]), QString::fromUtf8(cols[1]).trimmed());
    }
    return out;
}

std::map<char32_t, QString> readRadicalScript(const QByteArray &text)
{
    // The table is the JSON text whose "*" member lists the radicals; every
    // other member is radical → "strokes:" then pairs of a character and a
    // letter for its structure.
    std::map<char32_t, QString> out;
    qsizetype from = 0;
    while ((from = text.indexOf("JSON.parse('", from)) >= 0) {
        from += 12;
        const qsizetype end = text.indexOf("')", from);
        if (end < 0)
            break;
        const QJsonDocument doc = QJsonDocument::fromJson(text.mid(from, end - from));
        const QJsonObject o = doc.object();
        if (!o.contains(QLatin1String("*")))
            continue;
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (it.key() == QLatin1String("*"))
                continue;
            const QString v = it.value().toString().section(QLatin1Char(':'), 1);
            const QList<uint> u = v.toUcs4();
            for (qsizetype i = 0; i + 1 < u.size(); i += 2)
                out.emplace(char32_t(u[i]), it.key());
        }
        break;
    }
    return out;
}

std::map<QString, QString> readExplanations(const QString &folder)
{
    std::map<QString, QString> out;
    QStringList files = QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        QFile f(folder + QLatin1Char('/') + name);
        if (!f.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + f.fileName().toStdString());
        const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
        for (auto it = o.begin(); it != o.end(); ++it)
            out[it.key()] = it.value().toString();
    }
    return out;
}

std::map<QString, WordReading> readWordPinyin(const QByteArray &json)
{
    std::map<QString, WordReading> out;
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QJsonValue v = it.value();
        WordReading r;
        if (v.isArray()) {
            r.pinyin = v[0].toString();
            r.frequency = v[1].toDouble();
        } else {
            r.pinyin = v.toString();
        }
        out.emplace(it.key(), r);
    }
    return out;
}

std::map<QString, CedictEntry> readCedict(const QByteArray &text)
{
    std::map<QString, CedictEntry> out;
    for (const QByteArray &raw : lines(unwrapModule(text))) {
        if (raw.startsWith('#') || raw.isEmpty())
            continue;
        // 傳統 传统 [chuan2 tong3] /tradition/…/
        const QString line = QString::fromUtf8(raw);
        const qsizetype s1 = line.indexOf(QLatin1Char(' '));
        const qsizetype s2 = s1 < 0 ? -1 : line.indexOf(QLatin1Char(' '), s1 + 1);
        const qsizetype open = line.indexOf(QLatin1Char('['), s2);
        const qsizetype close = open < 0 ? -1 : line.indexOf(QLatin1Char(']'), open);
        const qsizetype slash = close < 0 ? -1 : line.indexOf(QLatin1Char('/'), close);
        if (s2 < 0 || slash < 0)
            continue;
        const QString simplified = line.mid(s1 + 1, s2 - s1 - 1);
        QStringList senses = line.mid(slash + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (QString &s : senses)
            s = s.trimmed();
        const bool idiom = std::any_of(senses.cbegin(), senses.cend(),
                                       [](const QString &s) { return s.contains(QLatin1String("(idiom)")); });
        auto [it, inserted] = out.try_emplace(simplified);
        if (inserted) {
            it->second.traditional = line.left(s1);
            it->second.pinyin = line.mid(open + 1, close - open - 1);
            it->second.english = senses.join(QLatin1String("; "));
        }
        it->second.idiom = it->second.idiom || idiom;
    }
    return out;
}

std::map<char32_t, int> readCharacterFrequency(const QByteArray &text)
{
    std::map<char32_t, int> out;
    for (const QByteArray &line : lines(unwrapModule(text))) {
        const QList<QByteArray> cols = line.split('\t');
        if (cols.size() < 2)
            continue;
        bool ok = false;
        const int rank = cols[0].trimmed().toInt(&ok);
        const char32_t cp = onlyCodePoint(QString::fromUtf8(cols[1]));
        if (ok && cp)
            out.emplace(cp, rank);
    }
    return out;
}

std::map<char32_t, QString> listStrokeFiles(const QString &folder)
{
    std::map<char32_t, QString> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        const char32_t cp = onlyCodePoint(name.chopped(5));
        if (cp && cp >= 0x2E80) // package.json and the like are not characters
            out.emplace(cp, dir.filePath(name));
    }
    return out;
}

} // namespace cx::stores
