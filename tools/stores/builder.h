#pragma once
// Builds the five stores from the open data (see sources.h) and the starter
// collections, and loads a user's own collections.
#include "stores/sources.h"

#include <QString>
#include <functional>
#include <vector>

namespace cx::stores {

enum StoreMask : unsigned {
    kWordStore = 1,
    kIdiomStore = 2,
    kClassicalStore = 4,
    kCharacterStore = 8,
    kStrokeStore = 16,
    kAllStores = 31,
};

struct TableCount {
    QString file;  // "lxwe.dat"
    QString table; // "成语"
    int rows = 0;
};

struct BuildReport {
    std::vector<TableCount> tables; // in the order written
    int strokeFiles = 0;            // files copied into hzbs/
    QStringList remarks;            // what the cleaning left out, one line each
};

struct BuildOptions {
    QString outDir;    // the dat folder
    SourcePaths sources;
    unsigned stores = kAllStores;
    // One line per step, for the person waiting.
    std::function<void(const QString &)> progress;
};

// Builds the stores named by options.stores into options.outDir. Every store
// is written to a temporary file and renamed over the old one when it is
// complete; the stroke files go to a temporary folder that replaces hzbs/
// the same way. The user's collections saved under outDir/import/ (see
// saveImport) are applied. The same sources give the same rows.
// Throws std::runtime_error (a source is missing or unreadable) or
// cx::data::DataError (a store cannot be written).
BuildReport buildStores(const BuildOptions &options);

// The store that holds table, 0 for an unknown table.
unsigned storeOfTable(const QString &table);

// Saves a user's collection file for table under outDir/import/ so that this
// and every later build applies it: replacing the collection, or (append)
// extending it after the rows it has. The file is checked first and nothing
// is saved when it has a bad entry (std::runtime_error). Returns the number
// of entries read.
int saveImport(const QString &outDir, const QString &table, const QString &file, bool append);

} // namespace cx::stores
