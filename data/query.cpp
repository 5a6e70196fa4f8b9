#include "data/query.h"

#include "data/error.h"

namespace cx::data {

Query::Query(QObject *parent) : QObject(parent) {}
Query::~Query() = default;

void Query::setConnectionString(const QString &text)
{
    close();
    if (text != connectionString_)
        connection_.reset();
    connectionString_ = text;
}

void Query::clearSql()
{
    close();
    sql_.clear();
}

void Query::addSql(const QString &line)
{
    close();
    sql_ << line;
}

QString Query::commandText() const
{
    return sql_.join(QLatin1Char('\n'));
}

void Query::open()
{
    close();
    try {
        if (!connection_)
            connection_ = std::make_unique<StoreConnection>(parseConnectionString(connectionString_));
        result_ = connection_->select(commandText());
    } catch (const DataError &) {
        connection_.reset(); // an open that failed leaves nothing held
        throw;
    }
    open_ = true;
    current_ = 0;
    emit opened();
    emit currentRowChanged(currentRow());
}

void Query::close()
{
    if (!open_)
        return;
    open_ = false;
    result_ = ResultSet();
    current_ = 0;
    emit closed();
}

int Query::fieldIndex(const QString &name) const
{
    for (int i = 0; i < result_.fields.size(); ++i)
        if (result_.fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString Query::fieldText(const QString &name) const
{
    if (!open_)
        return QString();
    const int column = fieldIndex(name);
    if (column < 0)
        throw DataError(QStringLiteral("查询结果中没有字段“%1”").arg(name));
    return recordCount() > 0 ? result_.at(current_, column) : QString();
}

QString Query::cell(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= result_.fields.size())
        return QString();
    return result_.at(row, column);
}

void Query::setCurrentRow(int row)
{
    const int count = recordCount();
    if (count == 0)
        return;
    row = std::clamp(row, 0, count - 1);
    if (row == current_)
        return;
    current_ = row;
    emit currentRowChanged(row);
}

DataSource::DataSource(Query *dataSet, QObject *parent) : QObject(parent), dataSet_(dataSet)
{
    connect(dataSet, &Query::opened, this, &DataSource::stateChange);
    connect(dataSet, &Query::closed, this, &DataSource::stateChange);
    connect(dataSet, &Query::currentRowChanged, this, &DataSource::dataChange);
}

} // namespace cx::data
