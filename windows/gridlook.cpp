#include "windows/gridlook.h"

#include "windows/dbcontrols.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace cx::windows {
namespace {

class ColumnDelegate : public QStyledItemDelegate {
public:
    ColumnDelegate(QVector<GridColumnLook> columns, QObject *parent)
        : QStyledItemDelegate(parent), columns_(std::move(columns))
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() < 0 || index.column() >= columns_.size())
            return;
        const GridColumnLook &look = columns_.at(index.column());
        option->font = look.font;
        option->fontMetrics = QFontMetrics(look.font);
        option->displayAlignment = look.alignment;
        option->palette.setColor(QPalette::Text, look.color);
    }

private:
    QVector<GridColumnLook> columns_;
};

} // namespace

void styleListGrid(TDBGrid *grid, const GridLook &look)
{
    grid->setFont(look.gridFont);
    grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(look.gridFont).height() + 2);
    grid->horizontalHeader()->hide();
    grid->setShowGrid(true);
    grid->setFrameShape(QFrame::Box);
    grid->setLineWidth(1);
    grid->setItemDelegate(new ColumnDelegate(look.columns, grid));
    QPalette p = grid->palette();
    p.setColor(QPalette::Base, look.background);
    p.setColor(QPalette::Window, look.background);
    grid->setPalette(p);
    grid->verticalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: %2; "
                                                         "border: none; border-bottom: 1px solid %3; }")
                                              .arg(look.fixedColor.name(), look.fixedTextColor.name(),
                                                   look.background.name()));
}

} // namespace cx::windows
