#pragma once
#include <QString>

namespace cx::test {

// Store passwords and the connection string of a store under dir.
inline const QString kWordPassword = QStringLiteral("乙乙⑤C⑥");
inline const QString kIdiomPassword = QStringLiteral("⑤乙乙C⑥");
inline const QString kClassicalPassword = QStringLiteral("⑤乙乙C");
inline const QString kCharacterPassword = QStringLiteral("乙乙C⑥");
inline const QString kStrokePassword = QStringLiteral("a3c07d2e");

QString connectionString(const QString &file, const QString &password);

// Writes the five stores, dat/lxwd.dat … dat/lxwi.dat, under root with a
// few rows each (see the counts below) and returns root + "/dat".
QString writeFixtureStores(const QString &root);

// What the fixture holds, for the tests' expectations.
namespace fixture {
inline constexpr int kCharactersInFirstSelection = 6; // hzlib ID 201..299
inline constexpr int kCharacters = 9;
inline constexpr int kWords = 5;
inline constexpr int kIdiomsInFirstSelection = 4;     // 成语 ID 1..199
inline constexpr int kSayingsInFirstSelection = 3;
inline constexpr int kRiddlesInFirstSelection = 3;
inline constexpr int kClassicalWords = 3;
inline constexpr int kAntonyms = 4;
inline constexpr int kStrokeMovies = 3;
} // namespace fixture

} // namespace cx::test
