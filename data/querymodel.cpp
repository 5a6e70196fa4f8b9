#include "data/querymodel.h"

namespace cx::data {

QueryTableModel::QueryTableModel(DataSource *source, QVector<Column> columns, QObject *parent)
    : QAbstractTableModel(parent), source_(source), columns_(std::move(columns))
{
    connect(source, &DataSource::stateChange, this, &QueryTableModel::reset);
    reset();
}

void QueryTableModel::reset()
{
    beginResetModel();
    fieldColumns_.clear();
    for (const Column &c : columns_)
        fieldColumns_ << source_->dataSet()->fieldIndex(c.field);
    endResetModel();
}

int QueryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : source_->dataSet()->recordCount();
}

int QueryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant QueryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    return source_->dataSet()->cell(index.row(), fieldColumns_.value(index.column(), -1));
}

QVariant QueryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columns_.size())
        return QVariant();
    return columns_.at(section).title;
}

void QueryTableModel::activateRow(int row)
{
    source_->dataSet()->setCurrentRow(row);
}

} // namespace cx::data
