#pragma once
#include <QString>
#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

namespace cx::data {

// Writes an encrypted store for the tools and the tests. The store is built
// in a temporary file beside the target and only renamed over it by
// commit(), so an interrupted build never leaves a half store.
//
// Field "ID" holds whole numbers, every other field text; a null QString
// becomes a null value. The fields the statements compare by equality
// (ID, part, spell, wbcode, oldname, hz) get an index.
class StoreWriter {
public:
    StoreWriter(const QString &path, const QString &password);
    ~StoreWriter(); // without commit(), the temporary file is removed
    StoreWriter(const StoreWriter &) = delete;
    StoreWriter &operator=(const StoreWriter &) = delete;

    void beginTable(const QString &table, const QStringList &fields);
    void addRow(const QStringList &values); // one value per field
    void endTable();

    // A table in one call.
    void addTable(const QString &table, const QStringList &fields, const QList<QStringList> &rows);

    void commit();

private:
    void exec(const QString &sql);
    [[noreturn]] void fail(const QString &what);

    QString path_, tempPath_;
    sqlite3 *db_ = nullptr;
    sqlite3_stmt *insert_ = nullptr;
    QString table_;
    QStringList fields_;
    int idColumn_ = -1;
    bool committed_ = false;
};

} // namespace cx::data
