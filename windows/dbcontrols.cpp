#include "windows/dbcontrols.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace cx::windows {

QString currentFieldText(const data::DataSource *source, const QString &field)
{
    const data::Query *q = source->dataSet();
    return q->hasField(field) ? q->fieldText(field) : QString();
}

namespace {

// The row indicator: the vertical header shows a mark on the current row only.
class IndicatorModel : public data::QueryTableModel {
public:
    using QueryTableModel::QueryTableModel;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Vertical) {
            if (role == Qt::DisplayRole)
                return section == source()->dataSet()->currentRow() ? QStringLiteral("▶") : QString();
            return QVariant();
        }
        return QueryTableModel::headerData(section, orientation, role);
    }
};

QVector<data::QueryTableModel::Column> modelColumns(const QVector<TDBGrid::Column> &columns)
{
    QVector<data::QueryTableModel::Column> out;
    for (const auto &c : columns)
        out.push_back({c.field, c.title});
    return out;
}

} // namespace

TDBGrid::TDBGrid(data::DataSource *source, const QVector<Column> &columns, QWidget *parent)
    : QTableView(parent), model_(new IndicatorModel(source, modelColumns(columns), this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setFixedWidth(12);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(true);
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(i, columns.at(i).width);
    connect(source, &data::DataSource::stateChange, this, &TDBGrid::followQuery);
    connect(source, &data::DataSource::dataChange, this, &TDBGrid::followQuery);
}

void TDBGrid::setIndicator(bool on)
{
    verticalHeader()->setVisible(on);
}

void TDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!following_ && current.isValid())
        model_->activateRow(current.row());
}

void TDBGrid::followQuery()
{
    const int row = model_->source()->dataSet()->currentRow();
    following_ = true;
    if (row >= 0) {
        const QModelIndex at = model_->index(row, std::max(0, currentIndex().column()));
        if (currentIndex().row() != row)
            setCurrentIndex(at);
        selectRow(row);
        scrollTo(at);
    }
    following_ = false;
    verticalHeader()->viewport()->update();
}

TDBText::TDBText(data::DataSource *source, const QString &field, QWidget *parent)
    : QLabel(parent), source_(source), field_(field)
{
    connect(source, &data::DataSource::stateChange, this, &TDBText::refresh);
    connect(source, &data::DataSource::dataChange, this, &TDBText::refresh);
    refresh();
}

void TDBText::refresh()
{
    setText(currentFieldText(source_, field_));
}

void TDBText::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TDBMemo::TDBMemo(data::DataSource *source, const QString &field, QWidget *parent)
    : QPlainTextEdit(parent), source_(source), field_(field)
{
    setReadOnly(true);
    connect(source, &data::DataSource::stateChange, this, &TDBMemo::refresh);
    connect(source, &data::DataSource::dataChange, this, &TDBMemo::refresh);
    refresh();
}

void TDBMemo::refresh()
{
    const QString text = currentFieldText(source_, field_);
    if (text == toPlainText())
        return;
    setPlainText(text);
    emit contentChanged();
}

TDBEdit::TDBEdit(data::DataSource *source, const QString &field, QWidget *parent)
    : QLineEdit(parent), source_(source), field_(field)
{
    setReadOnly(true);
    connect(source, &data::DataSource::stateChange, this, &TDBEdit::refresh);
    connect(source, &data::DataSource::dataChange, this, &TDBEdit::refresh);
    refresh();
}

void TDBEdit::refresh()
{
    setText(currentFieldText(source_, field_));
}

} // namespace cx::windows
