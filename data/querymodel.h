#pragma once
#include "data/query.h"

#include <QAbstractTableModel>
#include <QVector>

namespace cx::data {

// Feeds a grid from a data source: one row per result row, one column per
// listed field. The grid moves the query's current row through
// activateRow(); the model follows opens and closes of the query.
class QueryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString title;
    };
    QueryTableModel(DataSource *source, QVector<Column> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Makes row the query's current row (a click, a key or the wheel on the grid).
    void activateRow(int row);
    DataSource *source() const { return source_; }
    const QVector<Column> &columns() const { return columns_; }

private:
    void reset();

    DataSource *source_;
    QVector<Column> columns_;
    QVector<int> fieldColumns_; // result column of each listed field, -1 when absent
};

} // namespace cx::data
