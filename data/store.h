#pragma once
#include "data/connection.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct sqlite3;

namespace cx::data {

// The whole result of one selection: field names and every row's values as
// text (a null value is an empty text).
struct ResultSet {
    QStringList fields;
    std::vector<QString> cells; // row-major, fields.size() per row
    int rowCount() const { return fields.isEmpty() ? 0 : int(cells.size() / fields.size()); }
    const QString &at(int row, int column) const { return cells[std::size_t(row) * fields.size() + column]; }
};

// One open connection to a store file: an encrypted database opened
// read-only, held exclusively (an advisory lock on the file that other
// processes see at once) when the connection asks for it.
class StoreConnection {
public:
    // Opens and checks the store named by settings; throws DataError naming
    // the file when it is missing, locked, not a store, or the password does
    // not match. This first read runs the key derivation (tens of ms).
    explicit StoreConnection(const ConnectionSettings &settings);
    ~StoreConnection();
    StoreConnection(const StoreConnection &) = delete;
    StoreConnection &operator=(const StoreConnection &) = delete;

    // Runs one selection in the Jet dialect and fetches all of it. Throws
    // DataError when the statement is refused: a second statement, anything
    // but a selection, or an error of the engine.
    ResultSet select(const QString &jetStatement);

    QStringList tables();
    const QString &path() const { return path_; }

private:
    QString path_;
    sqlite3 *db_ = nullptr;
    int lockFd_ = -1;
};

} // namespace cx::data
