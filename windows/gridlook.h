#pragma once
// The look of a list grid of the character and word windows: one font and colour per
// column, the grid font that sets the row height, the colour of the fixed
// cells (the row indicator) and no title row.

#include <QColor>
#include <QFont>
#include <QVector>

namespace cx::windows {

class TDBGrid;

struct GridColumnLook {
    QFont font;
    QColor color;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

struct GridLook {
    QFont gridFont;       // sets the row height
    QColor background;
    QColor fixedColor;    // the row indicator's cells
    QColor fixedTextColor;
    QVector<GridColumnLook> columns;
};

void styleListGrid(TDBGrid *grid, const GridLook &look);

} // namespace cx::windows
