#pragma once
#include <QString>

// The five stores under dat/, their passwords, and the table names that are
// the implementation's own choice. The other table names (hzlib, 成语,
// 歇后语, 灯谜, wylib, fyclib, hzbs) are fixed by the statements.
namespace cx::data::stores {

struct StoreFile {
    const char *file;     // relative to the working directory
    const char16_t *password;
};

inline constexpr StoreFile kWords{"dat/lxwd.dat", u"乙乙⑤C⑥"};
inline constexpr StoreFile kIdioms{"dat/lxwe.dat", u"⑤乙乙C⑥"};
inline constexpr StoreFile kClassical{"dat/lxwa.dat", u"⑤乙乙C"};
inline constexpr StoreFile kCharacters{"dat/lxwg.dat", u"乙乙C⑥"};
inline constexpr StoreFile kStrokes{"dat/lxwi.dat", u"a3c07d2e"};

inline QString password(const StoreFile &s) { return QString::fromUtf16(s.password); }

// The word table of the word store: ID (most frequent words first), word,
// spell (may be empty), ord, content.
inline constexpr char kWordTable[] = "cylib";

// Every store holds this table, one row per collection table of the store:
// tablename, rowcount (the row count as decimal text). The statistics panel
// reads e.g. select rowcount from counts where tablename="成语".
inline constexpr char kCountsTable[] = "counts";

// Stroke-order files: dat/hzbs/<hm> for every row of hzbs.
inline constexpr char kStrokeFolder[] = "dat/hzbs";

} // namespace cx::data::stores
