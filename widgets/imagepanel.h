#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

namespace cx {

// The top-left corners of the copies of a `picture`-sized tile that cover a
// `client`-sized area from its top-left corner; the last row and column may
// stick out. None for an empty picture.
std::vector<QPoint> TilePositions(QSize client, QSize picture);

// Whether a caption draws anything: not empty once leading and trailing
// blanks and control characters are removed.
bool CaptionShows(const QString &caption);

// A container whose background is a picture, drawn at its natural size,
// stretched or tiled, with an optional one-line caption over it. Composed
// offscreen and copied in one operation; the background is never erased
// separately. The caption is drawn in the palette's WindowText; the default
// Color is the palette's Button.
class TImagePanel : public QWidget {
    Q_OBJECT
public:
    enum TImageDrawStyle { dsNormal, dsStretch, dsTile };
    Q_ENUM(TImageDrawStyle)
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    // How the window places the panel in its parent; AutoSize keeps the
    // extents this placement decides.
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)

    Q_PROPERTY(QImage Picture READ picture WRITE setPicture)
    Q_PROPERTY(TImageDrawStyle DrawStyle READ drawStyle WRITE setDrawStyle)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(TAlign Align READ align WRITE setAlign)

    explicit TImagePanel(QWidget *parent = nullptr);

    QImage picture() const { return m_picture; }
    // Copies the picture; sizes the panel to it under AutoSize and repaints.
    void setPicture(const QImage &value);
    TImageDrawStyle drawStyle() const { return m_drawStyle; }
    void setDrawStyle(TImageDrawStyle value);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);
    QString caption() const { return m_caption; }
    void setCaption(const QString &value);
    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    QColor color() const { return m_color.value_or(palette().color(QPalette::Button)); }
    void setColor(const QColor &value);
    TAlign align() const { return m_align; }
    void setAlign(TAlign value) { m_align = value; }

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(QMouseEvent *event);
    void mouseMove(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override { emit mouseMove(event); }
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void sizeToPicture();

    QImage m_picture;
    TImageDrawStyle m_drawStyle = dsNormal;
    bool m_autoSize = false;
    bool m_transparent = false;
    QString m_caption;
    TAlignment m_alignment = taCenter;
    std::optional<QColor> m_color;
    TAlign m_align = alNone;
    bool m_pressed = false;
};

} // namespace cx
