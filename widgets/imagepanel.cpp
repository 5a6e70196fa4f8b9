#include "widgets/imagepanel.h"

#include "widgets/parentimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace cx {

std::vector<QPoint> TilePositions(QSize client, QSize picture)
{
    std::vector<QPoint> positions;
    const int pw = picture.width(), ph = picture.height();
    if (pw <= 0 || ph <= 0)
        return positions;
    for (int y = 0; y < client.height() + ph; y += ph)
        for (int x = 0; x < client.width() + pw; x += pw)
            positions.emplace_back(x, y);
    return positions;
}

bool CaptionShows(const QString &caption)
{
    for (const QChar c : caption)
        if (!c.isSpace() && c.category() != QChar::Other_Control)
            return true;
    return false;
}

TImagePanel::TImagePanel(QWidget *parent) : QWidget(parent)
{
    // The paint covers everything: erasing first would only flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImagePanel::sizeToPicture()
{
    if (!m_autoSize || m_picture.isNull())
        return;
    QSize s = size();
    if (m_align != alTop && m_align != alBottom && m_align != alClient)
        s.setWidth(m_picture.width());
    if (m_align != alLeft && m_align != alRight && m_align != alClient)
        s.setHeight(m_picture.height());
    resize(s);
}

void TImagePanel::setPicture(const QImage &value)
{
    m_picture = value;
    sizeToPicture();
    repaint();
}

void TImagePanel::setDrawStyle(TImageDrawStyle value)
{
    m_drawStyle = value;
    repaint();
}

void TImagePanel::setAutoSize(bool value)
{
    m_autoSize = value;
    sizeToPicture();
}

void TImagePanel::setTransparent(bool value)
{
    m_transparent = value;
    repaint();
}

void TImagePanel::setCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    repaint();
}

void TImagePanel::setAlignment(TAlignment value)
{
    if (value == m_alignment)
        return;
    m_alignment = value;
    repaint();
}

void TImagePanel::setColor(const QColor &value)
{
    if (m_color == value)
        return;
    m_color = value;
    update();
}

void TImagePanel::paintEvent(QPaintEvent *)
{
    QImage bitmap(size(), QImage::Format_RGB32);
    // Where a picture drawn at its natural size does not reach, Color shows.
    bitmap.fill(color());
    QPainter p(&bitmap);
    if (m_transparent)
        DrawParentImage(*this, p);
    if (!m_picture.isNull() && !m_picture.size().isEmpty()) {
        switch (m_drawStyle) {
        case dsNormal:
            p.drawImage(0, 0, m_picture);
            break;
        case dsStretch:
            p.drawImage(rect(), m_picture);
            break;
        case dsTile:
            for (const QPoint &at : TilePositions(size(), m_picture.size()))
                p.drawImage(at, m_picture);
            break;
        }
    }
    if (CaptionShows(m_caption)) {
        Qt::Alignment h = Qt::AlignHCenter;
        if (m_alignment == taLeftJustify)
            h = Qt::AlignLeft;
        else if (m_alignment == taRightJustify)
            h = Qt::AlignRight;
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), int(h) | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
    }
    p.end();
    QPainter(this).drawImage(0, 0, bitmap);
}

void TImagePanel::resizeEvent(QResizeEvent *)
{
    emit resized();
    repaint();
}

void TImagePanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    emit mouseDown(event);
}

void TImagePanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    emit mouseUp(event);
    if (click)
        emit clicked();
}

void TImagePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    mousePressEvent(event);
}

} // namespace cx
