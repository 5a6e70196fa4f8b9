#include "windows/windowlook.h"

#include "app/forms.h"
#include "windows/dbcontrols.h"

#include <QGuiApplication>
#include <QScreen>

#include <QHeaderView>
#include <QLabel>
#include <QStyledItemDelegate>

namespace cx::windows {
namespace {

// Draws one column's cells in the column's font and colour.
class ColumnDelegate : public QStyledItemDelegate {
public:
    ColumnDelegate(const ColumnLook &look, QObject *parent) : QStyledItemDelegate(parent), look_(look) {}

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = look_.font;
        option->fontMetrics = QFontMetrics(look_.font);
        option->palette.setColor(QPalette::Text, look_.colour);
    }

private:
    ColumnLook look_;
};

} // namespace

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    pal.setColor(QPalette::Text, colour);
    w->setPalette(pal);
}

void fitLine(QLabel *label)
{
    const int line = label->fontMetrics().height();
    if (label->height() < line)
        label->resize(label->width(), line);
}

void styleGrid(TDBGrid *grid, const QFont &gridFont, const QFont &titleFont, const QColor &titleColour,
               const QColor &background, const QVector<ColumnLook> &columns)
{
    grid->setFont(gridFont);
    grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 3);
    QPalette pal = grid->palette();
    pal.setColor(QPalette::Base, background);
    grid->setPalette(pal);
    // Flat: one plain line around the cells.
    grid->setFrameStyle(QFrame::Box | QFrame::Plain);
    grid->setLineWidth(1);
    QHeaderView *titles = grid->horizontalHeader();
    titles->setFont(titleFont);
    titles->setDefaultAlignment(Qt::AlignCenter);
    setTextColour(titles, titleColour);
    titles->setSectionsMovable(true);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setStretchLastSection(false);
    for (int i = 0; i < columns.size(); ++i)
        grid->setItemDelegateForColumn(i, new ColumnDelegate(columns.at(i), grid));
}

void placeOverMainWindow(QWidget *window)
{
    QRect over;
    if (const QWidget *main = app::window(QStringLiteral("TForm7")))
        over = main->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    if (over.isValid())
        window->move(over.center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace cx::windows
