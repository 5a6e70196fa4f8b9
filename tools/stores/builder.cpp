#include "stores/builder.h"

#include "data/storenames.h"
#include "data/storewriter.h"
#include "stores/clean.h"
#include "stores/collectionfile.h"
#include "stores/hanzi.h"
#include "stores/pinyin.h"
#include "text/gbk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <opencc/SimpleConverter.hpp>
#include <set>
#include <stdexcept>
#include <tuple>
#include <unistd.h>

namespace cx::stores {
namespace {

namespace names = cx::data::stores;
using Rows = QList<QStringList>;

const QString kSayings = QStringLiteral("歇后语");
const QString kRiddles = QStringLiteral("灯谜");
const QString kIdioms = QStringLiteral("成语");
const QString kClassical = QStringLiteral("wylib");
const QString kAntonyms = QStringLiteral("fyclib");
const QString kCharacters = QStringLiteral("hzlib");
const QString kStrokes = QStringLiteral("hzbs");
QString wordTable() { return QString::fromLatin1(names::kWordTable); }

QString number(qsizetype n)
{
    return QLocale::c().toString(qlonglong(n));
}

bool fitsGbk(const QString &s)
{
    text::ConversionReport r;
    text::toGbk(s, &r);
    return r.replaced == 0;
}

QString fileName(const names::StoreFile &s)
{
    return QFileInfo(QString::fromLatin1(s.file)).fileName();
}

class Build {
public:
    explicit Build(const BuildOptions &o) : o_(o) { clock_.start(); }

    void step(const QString &what) const
    {
        if (o_.progress)
            o_.progress(QStringLiteral("[%1 s] %2").arg(clock_.elapsed() / 1000.0, 5, 'f', 1).arg(what));
    }
    const BuildOptions &options() const { return o_; }
    BuildReport report;

private:
    const BuildOptions &o_;
    QElapsedTimer clock_;
};

// ---- the user's collections ------------------------------------------------

QString importPath(const QString &outDir, const QString &table, bool append)
{
    return outDir + QStringLiteral("/import/") + table + (append ? QStringLiteral(".add.tsv") : QStringLiteral(".tsv"));
}

// A collection as built, replaced or extended by what the user saved.
Rows withImports(Build &b, const QString &table, Rows rows)
{
    const QString replace = importPath(b.options().outDir, table, false);
    const QString add = importPath(b.options().outDir, table, true);
    if (QFile::exists(replace)) {
        rows = readCollectionFile(replace, table);
        b.step(QStringLiteral("%1: %2 entries from %3").arg(table, number(rows.size()), replace));
    }
    if (QFile::exists(add)) {
        const Rows extra = readCollectionFile(add, table);
        std::set<QStringList> seen(rows.cbegin(), rows.cend());
        qsizetype added = 0;
        for (const QStringList &r : extra)
            if (seen.insert(r).second) {
                rows << r;
                ++added;
            }
        b.step(QStringLiteral("%1: %2 entries added from %3").arg(table, number(added), add));
    }
    return rows;
}

// ---- words -------------------------------------------------------------------

struct Word {
    QString word, spell, content;
    double frequency = 0;
    bool cedictIdiom = false;
};

std::vector<Word> loadWords(Build &b)
{
    const SourcePaths &src = b.options().sources;
    b.step(QStringLiteral("words: reading the explanations"));
    const std::map<QString, QString> explanations = readExplanations(src.explanations);
    b.step(QStringLiteral("words: reading the word readings"));
    const std::map<QString, WordReading> readings = readWordPinyin(readSource(src.wordPinyin));
    const std::map<QString, CedictEntry> cedict = readCedict(readSource(src.cedict));
    // The Rime dictionary writes traditional headwords.
    std::map<QString, QString> terra;
    {
        const opencc::SimpleConverter t2s("t2s.json");
        for (const auto &[k, v] : readRimeReadings(readSource(src.terraPinyin)))
            terra.emplace(QString::fromStdString(t2s.Convert(k.toStdString())), v);
    }

    b.step(QStringLiteral("words: cleaning %1 entries").arg(number(explanations.size())));
    std::map<QString, Word> byWord;
    qsizetype single = 0, broken = 0, outsideGbk = 0, empty = 0, garbled = 0, merged = 0;
    for (const auto &[raw, text] : explanations) {
        const QString key = cleanHeadword(raw);
        if (key.isEmpty()) {
            ++broken;
            continue;
        }
        // The source's few one-character entries explain other words; the
        // character store explains characters.
        if (key.size() == 1) {
            ++single;
            continue;
        }
        if (!fitsGbk(key)) {
            ++outsideGbk;
            continue;
        }
        const QString content = cleanExplanation(text);
        if (content.isEmpty()) {
            ++(text.trimmed().isEmpty() ? empty : garbled);
            continue;
        }
        auto [it, inserted] = byWord.try_emplace(key);
        if (!inserted) {
            ++merged;
            if (raw != key) // the headword as written wins over a repaired one
                continue;
        }
        it->second.word = key;
        it->second.content = content;
    }
    b.report.remarks << QStringLiteral("words: left out %1 one-character entries, %2 broken headwords, %3 outside GBK, "
                                       "%4 empty and %5 garbled explanations; %6 repaired headwords merged")
                            .arg(number(single), number(broken), number(outsideGbk), number(empty), number(garbled))
                            .arg(number(merged));

    std::vector<Word> words;
    words.reserve(byWord.size());
    qsizetype withSpell = 0;
    for (auto &[key, w] : byWord) {
        const auto r = readings.find(key);
        const auto c = cedict.find(key);
        const auto t = terra.find(key);
        if (r != readings.end()) {
            w.frequency = r->second.frequency;
            w.spell = wordPinyin(key, r->second.pinyin);
        }
        if (c != cedict.end()) {
            w.cedictIdiom = c->second.idiom;
            if (w.spell.isEmpty())
                w.spell = wordPinyin(key, c->second.pinyin);
        }
        if (w.spell.isEmpty() && t != terra.end())
            w.spell = wordPinyin(key, t->second);
        withSpell += !w.spell.isEmpty();
        words.push_back(std::move(w));
    }
    std::sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        return a.frequency != b.frequency ? a.frequency > b.frequency : a.word < b.word;
    });
    b.step(QStringLiteral("words: %1 words, %2 with a dictionary pinyin").arg(number(words.size()), number(withSpell)));
    return words;
}

// A traditional form the program can show: characters outside GBK keep
// their simplified form.
QString traditionalInGbk(const QString &simplified, const QString &traditional)
{
    if (fitsGbk(traditional))
        return traditional;
    const QList<uint> s = simplified.toUcs4(), t = traditional.toUcs4();
    if (s.size() != t.size())
        return simplified;
    QString out;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char32_t c = t[i];
        const QString one = QString::fromUcs4(&c, 1);
        out += fitsGbk(one) ? one : QString::fromUcs4(reinterpret_cast<const char32_t *>(&s[i]), 1);
    }
    return out;
}

Rows wordRows(Build &b, const std::vector<Word> &words)
{
    b.step(QStringLiteral("words: traditional forms"));
    const opencc::SimpleConverter s2t("s2tw.json");
    Rows rows;
    rows.reserve(qsizetype(words.size()));
    for (const Word &w : words)
        rows << QStringList{w.word, w.spell,
                            traditionalInGbk(w.word, QString::fromStdString(s2t.Convert(w.word.toStdString()))),
                            w.content};
    return rows;
}

Rows idiomRows(Build &b, const std::vector<Word> &words)
{
    std::vector<const Word *> idioms;
    for (const Word &w : words) {
        const QList<uint> u = w.word.toUcs4();
        if (u.size() != 4 || !std::all_of(u.cbegin(), u.cend(), [](uint c) { return isHanzi(c); }))
            continue;
        if (w.spell.isEmpty() || !(w.cedictIdiom || explainsIdiom(w.content)))
            continue;
        idioms.push_back(&w);
    }
    // The most used first; among the rare ones the dictionary's own idioms.
    std::stable_sort(idioms.begin(), idioms.end(), [](const Word *a, const Word *b) {
        return std::tuple(-a->frequency, !a->cedictIdiom) < std::tuple(-b->frequency, !b->cedictIdiom);
    });
    Rows rows;
    for (const Word *w : idioms)
        rows << QStringList{w->word, w->spell, idiomDescription(w->content)};
    b.step(QStringLiteral("成语: %1 idioms").arg(number(rows.size())));
    return rows;
}

// ---- characters ----------------------------------------------------------------

struct Hanzi {
    char32_t cp;
    text::Gbk gbk;
};

bool isGb2312(const text::Gbk &g)
{
    const auto lead = static_cast<unsigned char>(g[0]), trail = static_cast<unsigned char>(g[1]);
    return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1;
}

// Every hanzi of GBK, the most frequent first (by the frequency list), then
// the rest of GB2312, then the rest of GBK, each in code order.
std::vector<Hanzi> gbkHanzi(const std::map<char32_t, int> &rank)
{
    std::vector<Hanzi> out;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const text::Gbk g{char(lead), char(trail)};
            text::ConversionReport r;
            const QList<uint> u = text::fromGbk(g, &r).toUcs4();
            if (!r.replaced && u.size() == 1 && isHanzi(u[0]))
                out.push_back({char32_t(u[0]), g});
        }
    auto key = [&](const Hanzi &h) {
        const auto it = rank.find(h.cp);
        return std::tuple(it == rank.end() ? INT_MAX : it->second, isGb2312(h.gbk) ? 0 : 1, h.gbk);
    };
    std::sort(out.begin(), out.end(), [&](const Hanzi &a, const Hanzi &b) { return key(a) < key(b); });
    return out;
}

QString readingsOf(const std::map<QByteArray, QString> &f, QString *main)
{
    QStringList all;
    auto field = [&](const char *name) {
        const auto it = f.find(name);
        return it == f.end() ? QString() : it->second;
    };
    for (const QString &v : field("kXHC1983").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString r = v.section(QLatin1Char(':'), -1);
        if (!r.isEmpty() && !all.contains(r))
            all << r;
    }
    const QStringList mandarin = field("kMandarin").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &r : mandarin)
        if (!all.contains(r))
            all << r;
    // A reading the program cannot show (ḿ is outside GBK) is left out.
    all.removeIf([](const QString &r) { return !fitsGbk(r); });
    *main = all.value(0);
    for (const QString &r : mandarin)
        if (fitsGbk(r)) {
            *main = r;
            break;
        }
    return all.join(QLatin1Char(' '));
}

Rows characterRows(Build &b, const std::vector<Word> &words)
{
    const SourcePaths &src = b.options().sources;
    b.step(QStringLiteral("hzlib: reading Unihan, the radicals and the Wubi codes"));
    UnihanFields unihan;
    readUnihan(readSource(src.unihanReadings), {"kMandarin", "kXHC1983", "kDefinition"}, unihan);
    readUnihan(readSource(src.unihanIrg), {"kRSUnicode", "kTotalStrokes"}, unihan);
    readUnihan(readSource(src.unihanVariants), {"kTraditionalVariant", "kSimplifiedVariant", "kZVariant",
                                                "kSemanticVariant"},
               unihan);
    const std::map<QString, QString> radicals = readCjkRadicals(readSource(src.cjkRadicals));
    const std::map<char32_t, QString> positional = readRadicalScript(readSource(src.radicalScript));
    const std::map<char32_t, QString> wubi = readWubi(readSource(src.wubi));
    const std::map<char32_t, int> rank = readCharacterFrequency(readSource(src.characterFrequency));

    // A few common words that begin with each character, the most used first.
    std::map<char32_t, QStringList> examples;
    for (const Word &w : words) {
        const QList<uint> u = w.word.toUcs4();
        if (w.frequency <= 0 || u.size() < 2 || u.size() > 4)
            continue;
        QStringList &list = examples[u[0]];
        if (list.size() < 5)
            list << w.word + QStringLiteral("：") + firstSense(w.content, 40);
    }

    const opencc::SimpleConverter s2t("s2tw.json");
    Rows rows;
    qsizetype noWubi = 0;
    for (const Hanzi &h : gbkHanzi(rank)) {
        const auto u = unihan.find(h.cp);
        if (u == unihan.end() || !u->second.count("kRSUnicode"))
            continue;
        const std::map<QByteArray, QString> &f = u->second;
        auto field = [&](const char *name) {
            const auto it = f.find(name);
            return it == f.end() ? QString() : it->second;
        };
        const QString name = QString::fromUcs4(&h.cp, 1);
        QString oldname = traditionalInGbk(name, QString::fromStdString(s2t.Convert(name.toStdString())));
        if (oldname.toUcs4().size() != 1)
            oldname = name;

        // kRSUnicode "149'.7": radical 149 in its simplified form, 7 more strokes.
        const QString rs = field("kRSUnicode").section(QLatin1Char(' '), 0, 0);
        const QString radicalNumber = rs.section(QLatin1Char('.'), 0, 0);
        QString part;
        if (const auto p = positional.find(h.cp); p != positional.end())
            part = p->second;
        else if (const auto r = radicals.find(radicalNumber); r != radicals.end())
            part = r->second;
        else if (const auto r2 = radicals.find(QString(radicalNumber).remove(QLatin1Char('\''))); r2 != radicals.end())
            part = r2->second;

        QString spell;
        const QString readings = readingsOf(f, &spell);
        const auto w = wubi.find(h.cp);
        const QString wbcode = w == wubi.end() ? QString() : w->second;
        noWubi += wbcode.isEmpty();

        QStringList content;
        if (!readings.isEmpty())
            content << QStringLiteral("读音：") + readings;
        QString strokes = QStringLiteral("部首：") + part;
        if (rs.contains(QLatin1Char('.')))
            strokes += QStringLiteral("　部外笔画：") + rs.section(QLatin1Char('.'), 1, 1);
        const QString total = field("kTotalStrokes").section(QLatin1Char(' '), 0, 0);
        if (!total.isEmpty())
            strokes += QStringLiteral("　总笔画：") + total;
        content << strokes;
        if (!wbcode.isEmpty())
            content << QStringLiteral("五笔：") + wbcode;
        auto inGbk = [&](const QString &chars) {
            QString out;
            for (char32_t c : chars.toUcs4()) {
                const QString one = QString::fromUcs4(&c, 1);
                if (one != name && fitsGbk(one) && !out.contains(one))
                    out += one;
            }
            return out;
        };
        if (oldname != name)
            content << QStringLiteral("繁体：") + oldname;
        const QString simplified = inGbk(unihanCharacters(field("kSimplifiedVariant")));
        if (!simplified.isEmpty())
            content << QStringLiteral("简体：") + simplified;
        QString variants = inGbk(unihanCharacters(field("kZVariant")) + unihanCharacters(field("kSemanticVariant")) +
                                 unihanCharacters(field("kTraditionalVariant")));
        for (QChar c : oldname + simplified)
            variants.remove(c);
        if (!variants.isEmpty())
            content << QStringLiteral("异体：") + variants;
        if (!field("kDefinition").isEmpty())
            content << QStringLiteral("英文释义：") + field("kDefinition");
        if (const auto e = examples.find(h.cp); e != examples.end()) {
            content << QStringLiteral("常用词：");
            for (const QString &x : e->second)
                content << QStringLiteral("　") + x;
        }
        rows << QStringList{name, oldname, part, wbcode, spell, content.join(QLatin1Char('\n'))};
    }
    b.step(QStringLiteral("hzlib: %1 characters").arg(number(rows.size())));
    if (noWubi)
        b.report.remarks << QStringLiteral("hzlib: %1 characters have no Wubi code").arg(number(noWubi));
    return rows;
}

// ---- stroke order ----------------------------------------------------------------

// The stroke files by character, in the order of the character store.
std::vector<std::pair<char32_t, QString>> strokeFiles(Build &b)
{
    const SourcePaths &src = b.options().sources;
    const std::map<char32_t, int> rank = readCharacterFrequency(readSource(src.characterFrequency));
    const std::map<char32_t, QString> files = listStrokeFiles(src.strokes);
    std::vector<std::pair<char32_t, QString>> out;
    qsizetype outside = 0;
    std::map<char32_t, std::size_t> order;
    for (const Hanzi &h : gbkHanzi(rank))
        order.emplace(h.cp, order.size());
    for (const auto &[cp, path] : files) {
        if (order.count(cp))
            out.emplace_back(cp, path);
        else
            ++outside;
    }
    std::sort(out.begin(), out.end(), [&](const auto &x, const auto &y) { return order[x.first] < order[y.first]; });
    if (outside)
        b.report.remarks << QStringLiteral("hzbs: %1 stroke files of characters outside GBK left out").arg(number(outside));
    return out;
}

QString movieName(char32_t cp)
{
    return QString::number(uint(cp), 16) + QStringLiteral(".json");
}

// Copies the stroke files into a fresh folder and puts it in place of hzbs/.
void writeStrokeFolder(Build &b, const std::vector<std::pair<char32_t, QString>> &files)
{
    const QString outDir = b.options().outDir;
    const QString target = outDir + QStringLiteral("/hzbs");
    const QString fresh = target + QStringLiteral(".part");
    const QString old = target + QStringLiteral(".old");
    QDir(fresh).removeRecursively();
    QDir(old).removeRecursively();
    if (!QDir().mkpath(fresh))
        throw std::runtime_error("cannot create " + fresh.toStdString());
    qsizetype n = 0;
    for (const auto &[cp, path] : files) {
        // A hard link where the data lies on the same file system: the files
        // are never written to, and 9,500 links are much faster than copies.
        const QString to = fresh + QLatin1Char('/') + movieName(cp);
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(to).constData()) != 0 &&
            !QFile::copy(path, to))
            throw std::runtime_error("cannot copy " + path.toStdString() + " into " + fresh.toStdString());
        if (++n % 2000 == 0)
            b.step(QStringLiteral("hzbs: %1 of %2 stroke files copied").arg(number(n), number(files.size())));
    }
    // The stroke data's licence travels with the files.
    const QString licence = b.options().sources.strokes + QStringLiteral("/ARPHICPL.TXT");
    if (QFile::exists(licence) && !QFile::copy(licence, fresh + QStringLiteral("/ARPHICPL.TXT")))
        throw std::runtime_error("cannot copy " + licence.toStdString());
    if (QFileInfo::exists(target) && !QDir().rename(target, old))
        throw std::runtime_error("cannot move " + target.toStdString() + " aside");
    if (!QDir().rename(fresh, target))
        throw std::runtime_error("cannot rename " + fresh.toStdString() + " to " + target.toStdString());
    QDir(old).removeRecursively();
    b.report.strokeFiles = int(files.size());
}

// ---- writing ---------------------------------------------------------------------

// The fields of a table as stored, and a stored row from a collection row.
QStringList storedFields(const QString &table)
{
    if (table == kSayings)
        return {QStringLiteral("ID"), QStringLiteral("keyword"), QStringLiteral("phonetic"), QStringLiteral("descript")};
    if (table == kClassical || table == kAntonyms)
        return collectionColumns(table);
    if (table == kStrokes)
        return {QStringLiteral("hz"), QStringLiteral("hm")};
    return QStringList{QStringLiteral("ID")} + collectionColumns(table);
}

QStringList storedRow(const QString &table, int id, const QStringList &row)
{
    if (table == kSayings)
        return {QString::number(id), row[0], QLatin1String(""), row[1]};
    if (table == kClassical || table == kAntonyms || table == kStrokes)
        return row;
    return QStringList{QString::number(id)} + row;
}

struct Table {
    QString name;
    Rows rows;
};

void writeStore(Build &b, const names::StoreFile &store, const std::vector<Table> &tables)
{
    const QString path = b.options().outDir + QLatin1Char('/') + fileName(store);
    b.step(QStringLiteral("writing %1").arg(path));
    data::StoreWriter w(path, names::password(store));
    Rows counts;
    for (const Table &t : tables) {
        w.beginTable(t.name, storedFields(t.name));
        int id = 0;
        for (const QStringList &r : t.rows) {
            QStringList stored = storedRow(t.name, ++id, r);
            for (QString &v : stored) // an absent value is stored as empty text, never as null
                if (v.isNull())
                    v = QLatin1String("");
            w.addRow(stored);
        }
        w.endTable();
        counts << QStringList{t.name, QString::number(t.rows.size())};
        b.report.tables.push_back({fileName(store), t.name, int(t.rows.size())});
    }
    w.addTable(QString::fromLatin1(names::kCountsTable), {QStringLiteral("tablename"), QStringLiteral("rowcount")},
               counts);
    w.commit();
}

Rows starter(Build &b, const QString &table)
{
    const QString path = b.options().sources.starter + QLatin1Char('/') + table + QStringLiteral(".tsv");
    Rows rows = readCollectionFile(path, table);
    b.step(QStringLiteral("%1: %2 entries").arg(table, number(rows.size())));
    return withImports(b, table, rows);
}

} // namespace

unsigned storeOfTable(const QString &table)
{
    if (table == wordTable())
        return kWordStore;
    if (table == kIdioms || table == kSayings || table == kRiddles)
        return kIdiomStore;
    if (table == kClassical || table == kAntonyms)
        return kClassicalStore;
    if (table == kCharacters)
        return kCharacterStore;
    if (table == kStrokes)
        return kStrokeStore;
    return 0;
}

BuildReport buildStores(const BuildOptions &options)
{
    if (const QString missing = options.sources.firstMissing(); !missing.isEmpty())
        throw std::runtime_error("source missing: " + missing.toStdString() +
                                 " (scripts/setup.sh installs the open data)");
    Build b(options);
    const unsigned s = options.stores;
    std::vector<Word> words;
    if (s & (kWordStore | kIdiomStore | kCharacterStore))
        words = loadWords(b);
    if (s & kWordStore)
        writeStore(b, names::kWords, {{wordTable(), withImports(b, wordTable(), wordRows(b, words))}});
    if (s & kIdiomStore)
        writeStore(b, names::kIdioms,
                   {{kIdioms, withImports(b, kIdioms, idiomRows(b, words))},
                    {kSayings, starter(b, kSayings)},
                    {kRiddles, starter(b, kRiddles)}});
    if (s & kClassicalStore)
        writeStore(b, names::kClassical, {{kClassical, starter(b, kClassical)}, {kAntonyms, starter(b, kAntonyms)}});
    if (s & kCharacterStore)
        writeStore(b, names::kCharacters, {{kCharacters, withImports(b, kCharacters, characterRows(b, words))}});
    if (s & kStrokeStore) {
        const auto files = strokeFiles(b);
        writeStrokeFolder(b, files);
        Rows rows;
        for (const auto &[cp, path] : files)
            rows << QStringList{QString::fromUcs4(&cp, 1), movieName(cp)};
        writeStore(b, names::kStrokes, {{kStrokes, rows}});
    }
    b.step(QStringLiteral("done"));
    return std::move(b.report);
}

int saveImport(const QString &outDir, const QString &table, const QString &file, bool append)
{
    if (collectionColumns(table).isEmpty())
        throw std::runtime_error("no collection file can fill table " + table.toStdString());
    const Rows rows = readCollectionFile(file, table);
    if (!QDir().mkpath(outDir + QStringLiteral("/import")))
        throw std::runtime_error("cannot create " + (outDir + QStringLiteral("/import")).toStdString());
    const QString target = importPath(outDir, table, append);
    QByteArray text;
    if (append && QFile::exists(target)) {
        QFile old(target);
        if (!old.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + target.toStdString());
        text = old.readAll();
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
    }
    for (const QStringList &r : rows)
        text += collectionLine(r).toUtf8() + '\n';
    // Written beside and renamed, so a failed write keeps the saved file.
    const QString temp = target + QStringLiteral(".part");
    QFile out(temp);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size() || !out.flush())
        throw std::runtime_error("cannot write " + temp.toStdString());
    out.close();
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0)
        throw std::runtime_error("cannot rename " + temp.toStdString());
    // A replacement makes the collection the file alone.
    if (!append)
        QFile::remove(importPath(outDir, table, true));
    return int(rows.size());
}

} // namespace cx::stores
