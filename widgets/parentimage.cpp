#include "widgets/parentimage.h"

#include <QPainter>
#include <QWidget>

namespace cx {

void DrawParentImage(const QWidget &control, QPainter &painter)
{
    QWidget *parent = control.parentWidget();
    if (!parent)
        return;
    const QRect behind = control.geometry() & parent->rect();
    if (behind.isEmpty())
        return;
    // render() puts the top-left of the source region at the target offset;
    // the clipped region may start right of or below the control's corner.
    painter.save();
    parent->render(&painter, behind.topLeft() - control.pos(), QRegion(behind),
                   QWidget::DrawWindowBackground);
    painter.restore();
}

} // namespace cx
