#pragma once
#include "data/store.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace cx::data {

// A query as the windows use it: a connection string, a statement made of
// text lines, and once open the whole result with a current row.
//
// The query keeps its store connection (and so the exclusive hold on the
// file) from its first successful open until its connection string changes
// or an open fails. Every statement after the first then runs without
// paying the store's key derivation again; the store stays held while the
// program runs, as it would be anyway since a slot is open almost always.
class Query : public QObject {
    Q_OBJECT
public:
    explicit Query(QObject *parent = nullptr);
    ~Query() override;

    // Stores the text only; closes the query and opens nothing.
    void setConnectionString(const QString &text);
    const QString &connectionString() const { return connectionString_; }

    // The statement lines. Changing them closes the query; the command text
    // is the lines joined.
    void clearSql();
    void addSql(const QString &line);
    const QStringList &sql() const { return sql_; }
    QString commandText() const;

    // Runs the command text and fetches the whole result; the first row
    // becomes current. Throws DataError; the query is then closed.
    void open();
    void close();
    bool isOpen() const { return open_; }

    int recordCount() const { return open_ ? result_.rowCount() : 0; }
    const QStringList &fieldNames() const { return result_.fields; }
    int fieldIndex(const QString &name) const; // -1 when the result has no such field
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }

    // The current row's value of a field as text; empty for a null value, a
    // closed query or an empty result. Throws DataError when the open result
    // has no such field.
    QString fieldText(const QString &name) const;
    QString cell(int row, int column) const;

    int currentRow() const { return recordCount() > 0 ? current_ : -1; }
    void setCurrentRow(int row); // clamped to the result
    void first() { setCurrentRow(0); }
    void last() { setCurrentRow(recordCount() - 1); }
    void next() { setCurrentRow(current_ + 1); }
    void prior() { setCurrentRow(current_ - 1); }

signals:
    void opened();
    void closed();
    void currentRowChanged(int row);

private:
    QString connectionString_;
    QStringList sql_;
    std::unique_ptr<StoreConnection> connection_;
    ResultSet result_;
    bool open_ = false;
    int current_ = 0;
};

// The link between a query and the displays bound to it.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(Query *dataSet, QObject *parent = nullptr);
    Query *dataSet() const { return dataSet_; }

signals:
    // Raised when the query opens and whenever its current row moves.
    void dataChange();
    // Raised when the query opens or closes: bound displays refresh or blank.
    void stateChange();

private:
    Query *dataSet_;
};

// One of the main window's queries with its data source.
struct QuerySlot {
    QuerySlot() : source(&query) {}
    QuerySlot(const QuerySlot &) = delete;
    QuerySlot &operator=(const QuerySlot &) = delete;
    Query query;
    DataSource source;
};

} // namespace cx::data
