#pragma once

// Event and pixel helpers shared by the widget tests.

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

namespace widgettest {

inline void Mouse(QWidget &w, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), w.mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

inline void Enter(QWidget &w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), w.mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(&w, &e);
}

inline void Leave(QWidget &w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

inline QImage Shot(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// 8-bit colour of a pixel, comparable with QColor(r, g, b).
inline QColor At(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

inline QColor Rgb(const QColor &c)
{
    return QColor(c.rgb());
}

// Bounding box of the pixels of colour `c`.
inline QRect BoundsOf(const QImage &image, const QColor &c)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace widgettest
