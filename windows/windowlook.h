#pragma once
// Looks the dictionary windows give their controls from their
// descriptions: fonts by character height, text colours, grid columns.

#include <QColor>
#include <QFont>
#include <QVector>

class QLabel;
class QWidget;

namespace cx::windows {

class TDBGrid;

// A font of the window descriptions: family at a character height in pixels.
QFont pixelFont(const QString &family, int pixels, bool bold = false);

// The colour text is drawn in on w (labels, captions, edits, grid titles).
void setTextColour(QWidget *w, const QColor &colour);

// A one-line label at least as tall as its font's line: the faces standing
// in for the described fonts have taller lines, which would clip the text.
void fitLine(QLabel *label);

struct ColumnLook {
    QFont font;
    QColor colour;
};

// A grid as the dictionary windows describe it: grid font (which sets the
// row height), centred titles in their own font and colour, background,
// a single-line frame, and each column in its own font and colour.
void styleGrid(TDBGrid *grid, const QFont &gridFont, const QFont &titleFont, const QColor &titleColour,
               const QColor &background, const QVector<ColumnLook> &columns);

// Centres a window over the main window (over the screen while there is
// none); the dictionary windows do this when first shown only.
void placeOverMainWindow(QWidget *window);

} // namespace cx::windows
