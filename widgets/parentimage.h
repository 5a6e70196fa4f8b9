#pragma once

class QPainter;
class QWidget;

namespace cx {

// Draws what lies behind `control` in its parent into `painter`, whose origin
// is the control's top-left corner: the parent erases its background and
// paints itself (not its other children), moved by minus the control's
// position and clipped to the parent's client area. Transparent controls use
// it in place of a background. Nothing is drawn without a parent.
void DrawParentImage(const QWidget &control, QPainter &painter);

} // namespace cx
