#include "widgets/lumobutton.h"
#include "widgets/gradprogress.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMediaDevices>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QtEndian>

// Resources of a static library must be registered by name from outside any
// namespace, or the linker drops them.
static void InitWidgetResources()
{
    Q_INIT_RESOURCE(widgets);
}

namespace cx {

namespace {

constexpr int kTimerDefaultMs = 50;

bool IsFramed(TLumoButton::TStyle style)
{
    return style == TLumoButton::stDefault || style == TLumoButton::stFrameLowered
           || style == TLumoButton::stFrameRaised;
}

bool IsDotted(TLumoButton::TStyle style)
{
    return style == TLumoButton::stFlatDot || style == TLumoButton::stRaisedDot;
}

void SetPixel(QImage &image, int x, int y, QRgb color)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixel(x, y, color);
}

} // namespace

int LumoGlyphCount(QSize size, int current)
{
    const int w = size.width(), h = size.height();
    if (w <= 0 || h <= 0)
        return current;
    if (w < h || w / h < 2)
        return 1;
    if (w % h == 0)
        return w / h > 4 ? 1 : w / h;
    return current;
}

QRect LumoGlyphRect(TLumoButton::TLayout layout, const QRect &r, QSize cell, QSize text,
                    bool captionEmpty, int spacingLayout, bool popupMark, int d)
{
    const int cw = cell.width(), ch = cell.height(), tw = text.width(), th = text.height();
    int x = 0, y = 0;
    if (captionEmpty) {
        x = r.left() + (r.width() - cw) / 2 - (popupMark ? 5 : 0);
        y = r.top() + (r.height() - ch) / 2;
    } else {
        switch (layout) {
        case TLumoButton::blGlyphLeft:
            x = r.left() + (r.width() - (tw + cw)) / 2 - spacingLayout;
            y = r.top() + (r.height() - ch) / 2;
            break;
        case TLumoButton::blGlyphRight:
            x = r.left() + (r.width() - cw + tw) / 2 + spacingLayout;
            y = r.top() + (r.height() - ch) / 2;
            break;
        case TLumoButton::blGlyphTop:
            x = r.left() + (r.width() - cw) / 2;
            y = r.top() + (r.height() - ch) / 2 - th / 2 - spacingLayout;
            break;
        case TLumoButton::blGlyphBottom:
            x = r.left() + (r.width() - cw) / 2;
            y = r.top() + (r.height() - ch) / 2 + th / 2 + spacingLayout;
            break;
        }
    }
    return QRect(x + d, y + d, cw, ch);
}

QRect LumoCaptionRect(TLumoButton::TLayout layout, const QRect &r, bool glyphEmpty,
                      const QRect &g, QSize text, int spacing, int d)
{
    const int tw = text.width(), th = text.height();
    if (glyphEmpty)
        return QRect(r.left() + (r.width() - tw) / 2 + d, r.top() + (r.height() - th) / 2 + d, tw, th);
    int x = 0, y = 0;
    switch (layout) {
    case TLumoButton::blGlyphLeft:
        x = g.left() + g.width() + spacing;
        y = g.top() + (g.height() - th) / 2;
        break;
    case TLumoButton::blGlyphRight:
        x = g.left() - tw - spacing;
        y = g.top() + (g.height() - th) / 2;
        break;
    case TLumoButton::blGlyphTop:
        x = g.left() + g.width() / 2 - tw / 2;
        y = g.top() + g.height() + spacing;
        break;
    case TLumoButton::blGlyphBottom:
        x = g.left() + g.width() / 2 - tw / 2;
        y = g.top() - 8 - spacing - th / 2;
        break;
    }
    return QRect(x, y, tw, th);
}

int LumoFrameWidth(TLumoButton::TStyle style, TLumoButton::DrawState state)
{
    const bool normal = state == TLumoButton::DrawState::Normal;
    switch (style) {
    case TLumoButton::stFlat:
    case TLumoButton::stFlatDot:
        return normal ? 0 : 1;
    case TLumoButton::stNone:
        return 0;
    case TLumoButton::stRaised:
    case TLumoButton::stRaisedDot:
        return 2;
    case TLumoButton::stDefault:
    case TLumoButton::stFrameLowered:
    case TLumoButton::stFrameRaised:
        return 1;
    }
    return 0;
}

void LumoFrameRing(QImage &image, const QRect &r, QRgb first, QRgb second, bool dotted)
{
    const int x0 = r.left(), y0 = r.top(), x1 = r.left() + r.width(), y1 = r.top() + r.height();
    if (x1 <= x0 || y1 <= y0)
        return;
    auto run = [&](int x, int y, int dx, int dy, int count, QRgb color) {
        for (int i = 0; i < count; ++i)
            if (!dotted || i % 2 == 0)
                SetPixel(image, x + i * dx, y + i * dy, color);
    };
    run(x0, y0, 1, 0, x1 - 1 - x0, first);     // top row, x0 .. x1 - 2
    run(x0, y0, 0, 1, y1 - 1 - y0, first);     // left column, y0 .. y1 - 2
    run(x1 - 1, y0, 0, 1, y1 - y0, second);    // right column, y0 .. y1 - 1
    run(x0, y1 - 1, 1, 0, x1 - x0, second);    // bottom row, x0 .. x1 - 1
}

void LumoFocusRect(QImage &image, const QRect &r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    auto invert = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFF);
    };
    const int x0 = r.left(), y0 = r.top(), x1 = r.left() + r.width() - 1, y1 = r.top() + r.height() - 1;
    // Dots on the outline's even positions (x + y even), each pixel once.
    for (int x = x0; x <= x1; ++x) {
        if ((x + y0) % 2 == 0)
            invert(x, y0);
        if (y1 != y0 && (x + y1) % 2 == 0)
            invert(x, y1);
    }
    for (int y = y0 + 1; y < y1; ++y) {
        if ((x0 + y) % 2 == 0)
            invert(x0, y);
        if (x1 != x0 && (x1 + y) % 2 == 0)
            invert(x1, y);
    }
}

QImage LumoGlyphCell(const QImage &glyph, int numGlyphs, int index)
{
    if (glyph.isNull() || numGlyphs < 1)
        return QImage();
    const int cw = glyph.width() / numGlyphs;
    if (cw <= 0)
        return QImage();
    return glyph.copy(index * cw, 0, cw, glyph.height()).convertToFormat(QImage::Format_RGB32);
}

void LumoDrawTransparent(QImage &image, QPoint at, const QImage &cell, QRgb brush)
{
    if (cell.isNull())
        return;
    const QRgb transparent = cell.pixel(0, cell.height() - 1) & 0x00FFFFFF;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb p = cell.pixel(x, y) & 0x00FFFFFF;
            SetPixel(image, at.x() + x, at.y() + y, p == transparent ? brush : (p | 0xFF000000));
        }
}

bool LumoIsInk(QRgb pixel, QRgb transparent)
{
    // Near-white pixels stay open, as in the flat button's embossed form.
    return (pixel & 0x00FFFFFF) != (transparent & 0x00FFFFFF) && qGray(pixel) < 224;
}

void LumoDrawDisabled(QImage &image, QPoint at, const QImage &cell, QRgb highlight, QRgb shadow)
{
    if (cell.isNull())
        return;
    const QRgb transparent = cell.pixel(0, cell.height() - 1);
    for (const auto &[offset, color] : {std::pair{1, highlight}, std::pair{0, shadow}})
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (LumoIsInk(cell.pixel(x, y), transparent))
                    SetPixel(image, at.x() + x + offset, at.y() + y + offset, color);
}

QPoint LumoPopupPosition(TLumoButton::TPositionPopup position, QPoint screenTopLeft, QSize button,
                         QSize menu)
{
    const int sx = screenTopLeft.x(), sy = screenTopLeft.y();
    switch (position) {
    case TLumoButton::puDown:
        return QPoint(sx - 1, sy + button.height());
    case TLumoButton::puLeft:
        return QPoint(sx - 1 - menu.width(), sy); // right edge at sx - 1
    case TLumoButton::puRight:
        return QPoint(sx + button.width() + 1, sy);
    }
    return screenTopLeft;
}

QString LumoKindCaption(TLumoButton::TKind kind)
{
    switch (kind) {
    case TLumoButton::skCustom: return QString();
    case TLumoButton::skOK: return QStringLiteral("OK");
    case TLumoButton::skCancel: return QStringLiteral("Cancel");
    case TLumoButton::skHelp: return QStringLiteral("&Help");
    case TLumoButton::skYes: return QStringLiteral("&Yes");
    case TLumoButton::skNo: return QStringLiteral("&No");
    case TLumoButton::skClose: return QStringLiteral("&Close");
    case TLumoButton::skAbort: return QStringLiteral("Abort");
    case TLumoButton::skRetry: return QStringLiteral("&Retry");
    case TLumoButton::skIgnore: return QStringLiteral("&Ignore");
    case TLumoButton::skAll: return QStringLiteral("&All");
    case TLumoButton::skSilly: return QStringLiteral("&Silly");
    }
    return QString();
}

int LumoKindModalResult(TLumoButton::TKind kind)
{
    switch (kind) {
    case TLumoButton::skOK: return 1;
    case TLumoButton::skCancel: return 2;
    case TLumoButton::skAbort: return 3;
    case TLumoButton::skRetry: return 4;
    case TLumoButton::skIgnore: return 5;
    case TLumoButton::skYes: return 6;
    case TLumoButton::skNo: return 7;
    case TLumoButton::skAll: return 8;
    default: return 0;
    }
}

QString LumoKindGlyphPath(TLumoButton::TKind kind, bool hot)
{
    static const char *const names[] = {"",      "ok",    "cancel", "help",   "yes", "no",
                                        "close", "abort", "retry",  "ignore", "all", "silly"};
    if (kind == TLumoButton::skCustom)
        return QString();
    return QStringLiteral(":/widgets/kind%1%2.xpm")
        .arg(QLatin1String(names[kind]), hot ? QStringLiteral("hot") : QString());
}

QChar LumoAccelerator(const QString &caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return QChar();
}

WaveSound ParseWave(const QByteArray &file)
{
    WaveSound sound;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return sound;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype length = u32(at + 4);
        const qsizetype body = at + 8;
        if (length > file.size() - body)
            return WaveSound();
        if (id == "fmt " && length >= 16) {
            if (u16(body) != 1) // PCM only
                return WaveSound();
            sound.channels = u16(body + 2);
            sound.sampleRate = int(u32(body + 4));
            sound.bitsPerSample = u16(body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            sound.samples = file.mid(body, length);
            return sound.bitsPerSample == 16 && sound.channels > 0 ? sound : WaveSound();
        }
        at = body + length + (length & 1);
    }
    return WaveSound();
}

void PlayEntrySound()
{
    InitWidgetResources();
    static const WaveSound sound = [] {
        QFile file(QStringLiteral(":/widgets/preko.wav"));
        return file.open(QIODevice::ReadOnly) ? ParseWave(file.readAll()) : WaveSound();
    }();
    if (sound.samples.isEmpty())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    QByteArray samples = sound.samples;
    QBuffer buffer(&samples);
    buffer.open(QIODevice::ReadOnly);
    QAudioSink sink(device, format);
    QEventLoop loop;
    QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            loop.quit();
    });
    // A device that never reports the end must not hold the button forever.
    const int ms = int(qint64(samples.size()) * 1000
                       / (qint64(sound.sampleRate) * sound.channels * 2));
    QTimer::singleShot(ms + 500, &loop, &QEventLoop::quit);
    sink.start(&buffer);
    if (sink.error() != QAudio::NoError)
        return;
    // The entry drawing waits for the sound; input stays queued meanwhile.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    sink.stop();
}

QCursor LumoHandCursor()
{
    InitWidgetResources();
    static const QCursor cursor(QPixmap(QStringLiteral(":/widgets/handlumob.xpm")), 9, 0);
    return cursor;
}

// ---------------------------------------------------------------------------

TLumoButton::TLumoButton(QWidget *parent) : QWidget(parent)
{
    InitWidgetResources();
    resize(75, 25);
    setFocusPolicy(Qt::NoFocus);
    m_marginLeftTop = sysColor(QPalette::Light);
    m_marginRightBottom = sysColor(QPalette::Dark);
    m_repeatTimer = new QTimer(this);
    m_repeatTimer->setObjectName(QStringLiteral("RepeatTimer"));
    m_repeatTimer->setInterval(kTimerDefaultMs);
    m_repeatStartTimer = new QTimer(this);
    m_repeatStartTimer->setObjectName(QStringLiteral("RepeatStartTimer"));
    m_repeatStartTimer->setInterval(kTimerDefaultMs);
    connect(m_repeatStartTimer, &QTimer::timeout, this, [this] {
        m_repeatStartTimer->stop();
        m_repeatTimer->start();
    });
    connect(m_repeatTimer, &QTimer::timeout, this, &TLumoButton::repeatTick);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { focusMoved(now); });
    watchWindow();
}

TLumoButton::~TLumoButton() = default;

int TLumoButton::repeatInterval() const { return m_repeatTimer->interval(); }
void TLumoButton::setRepeatInterval(int ms) { m_repeatTimer->setInterval(ms); }
int TLumoButton::repeatStartInterval() const { return m_repeatStartTimer->interval(); }
void TLumoButton::setRepeatStartInterval(int ms) { m_repeatStartTimer->setInterval(ms); }

QString TLumoButton::version() const { return QStringLiteral("1.0"); }

QColor TLumoButton::sysColor(QPalette::ColorRole role) const
{
    return palette().color(QPalette::Active, role);
}

bool TLumoButton::framed() const { return IsFramed(m_style); }

void TLumoButton::frameColors(QColor &topLeft, QColor &bottomRight) const
{
    if (m_marginStyle == cmCustom) {
        topLeft = m_marginLeftTop;
        bottomRight = m_marginRightBottom;
        return;
    }
    topLeft = sysColor(QPalette::Light);
    bottomRight = sysColor(QPalette::Dark);
    if (m_style == stDefault)
        bottomRight = Qt::black;
    else if (m_style == stFrameLowered)
        std::swap(topLeft, bottomRight);
}

void TLumoButton::setButtonKind(TKind value)
{
    if (value == m_kind)
        return;
    m_kind = value;
    m_glyph = QImage();
    m_glyphHot = QImage();
    if (value != skCustom) {
        m_glyph = QImage(LumoKindGlyphPath(value, false));
        m_glyphHot = QImage(LumoKindGlyphPath(value, true));
        m_numGlyphs = 1;
        m_numGlyphsHot = 1;
        m_caption = LumoKindCaption(value);
    }
    m_cancel = value == skCancel || value == skNo;
    m_default = value == skOK || value == skYes;
    update();
}

void TLumoButton::setColorMarginLeftTop(const QColor &value)
{
    if (value == m_marginLeftTop)
        return;
    m_marginLeftTop = value;
    if (m_marginStyle == cmDefault && m_style != stNone) {
        QColor topLeft, bottomRight;
        frameColors(topLeft, bottomRight);
        if (value != topLeft)
            m_marginStyle = cmCustom;
    }
    update();
}

void TLumoButton::setColorMarginRightBottom(const QColor &value)
{
    if (value == m_marginRightBottom)
        return;
    m_marginRightBottom = value;
    if (m_marginStyle == cmDefault && m_style != stNone) {
        QColor topLeft, bottomRight;
        frameColors(topLeft, bottomRight);
        if (value != bottomRight)
            m_marginStyle = cmCustom;
    }
    update();
}

void TLumoButton::setColorMarginStyle(TColorMarginDefault value)
{
    m_marginStyle = value;
    if (value == cmDefault && m_style != stNone)
        frameColors(m_marginLeftTop, m_marginRightBottom);
    update();
}

void TLumoButton::setPopupMenuMark(bool value)
{
    m_popupMenuMark = value;
    update();
}

void TLumoButton::setPopupMenuMarkGap(int value)
{
    if (value < 1 || value > 5 || value == m_popupMenuMarkGap)
        return;
    m_popupMenuMarkGap = value;
    update();
}

QMenu *TLumoButton::popupMenu() const { return m_popupMenu; }

void TLumoButton::setPopupMenu(QMenu *menu)
{
    m_popupMenu = menu;
    update();
}

void TLumoButton::setSpacing(int value)
{
    if (value < 1 || value > 5 || value == m_spacing)
        return;
    m_spacing = value;
    update();
}

void TLumoButton::setSpacingLayout(int value)
{
    if (value < -5 || value > 5 || value == m_spacingLayout)
        return;
    m_spacingLayout = value;
    update();
}

void TLumoButton::setNumGlyphs(int value)
{
    if (value < 1 || value > 4 || value == m_numGlyphs)
        return;
    m_numGlyphs = value;
    update();
}

void TLumoButton::setNumGlyphsHot(int value)
{
    if (value < 1 || value > 4 || value == m_numGlyphsHot)
        return;
    m_numGlyphsHot = value;
    update();
}

void TLumoButton::setGlyph(const QImage &bitmap)
{
    if (bitmap.cacheKey() != m_glyph.cacheKey()) {
        m_glyph = bitmap;
        if (!m_glyph.isNull())
            m_numGlyphs = LumoGlyphCount(m_glyph.size(), m_numGlyphs);
        update();
    }
    // Set directly: the ButtonKind setter would drop the glyph just assigned.
    m_kind = skCustom;
}

void TLumoButton::setGlyphHot(const QImage &bitmap)
{
    if (bitmap.cacheKey() != m_glyphHot.cacheKey()) {
        m_glyphHot = bitmap;
        if (!m_glyphHot.isNull())
            m_numGlyphsHot = LumoGlyphCount(m_glyphHot.size(), m_numGlyphsHot);
        update();
    }
    m_kind = skCustom;
}

void TLumoButton::loadGlyphs(const QImage &normal, const QImage &hot)
{
    m_glyph = normal;
    m_glyphHot = hot;
    update();
}

void TLumoButton::setLayout(TLayout value)
{
    m_layout = value;
    update();
}

void TLumoButton::setButtonStyle(TStyle value)
{
    m_style = value;
    if (IsFramed(value)) {
        m_parentColor = false;
        m_color = sysColor(QPalette::Button);
    }
    update();
}

void TLumoButton::setHintSecondLine(const QString &text)
{
    m_hintSecondLine = text;
    // Qt's tool tips break lines at a line feed.
    if (!toolTip().isEmpty() && !text.isEmpty())
        setToolTip(toolTip() + u'\n' + text);
}

void TLumoButton::setCaption(const QString &text)
{
    m_caption = text;
    update();
}

QColor TLumoButton::color() const
{
    if (!m_parentColor)
        return m_color;
    if (const QWidget *parent = parentWidget()) {
        const QVariant own = parent->property("Color");
        if (own.canConvert<QColor>() && own.value<QColor>().isValid())
            return own.value<QColor>();
        return parent->palette().color(QPalette::Active, QPalette::Window);
    }
    return sysColor(QPalette::Window);
}

void TLumoButton::setColor(const QColor &value)
{
    m_color = value;
    m_parentColor = false;
    update();
}

void TLumoButton::setParentColor(bool value)
{
    m_parentColor = value;
    update();
}

// --- drawing ----------------------------------------------------------------

void TLumoButton::drawNow(DrawState state)
{
    compose(state);
    if (!isVisible())
        return;
    // Qt may deliver the paint later (a window holding a web view does); that
    // paint still shows this drawing.
    m_blitPending = true;
    repaint();
}

void TLumoButton::paintEvent(QPaintEvent *)
{
    if (!m_blitPending || m_bitmap.size() != size())
        compose(DrawState::Normal);
    m_blitPending = false;
    QPainter painter(this);
    painter.drawImage(0, 0, m_bitmap);
}

void TLumoButton::compose(DrawState state)
{
    if (width() <= 0 || height() <= 0)
        return;
    if (m_bitmap.size() != size())
        m_bitmap = QImage(size(), QImage::Format_RGB32);
    const QColor face = sysColor(QPalette::Button);
    const QRgb brush = (framed() ? face : color()).rgb();
    QRect r = rect();

    QColor topLeft, bottomRight;
    frameColors(topLeft, bottomRight);
    if (state == DrawState::Pressed)
        std::swap(topLeft, bottomRight);
    const int rings = LumoFrameWidth(m_style, state);
    for (int i = 0; i < rings; ++i) {
        LumoFrameRing(m_bitmap, r, topLeft.rgb(), bottomRight.rgb(), IsDotted(m_style));
        r.adjust(1, 1, -1, -1);
    }
    {
        QPainter painter(&m_bitmap);
        painter.fillRect(r, QColor(brush));
        if (m_style == stFrameRaised)
            r.adjust(1, 1, -1, -1);
        if (framed()) {
            const QColor highlight = sysColor(QPalette::Light), shadow = sysColor(QPalette::Dark);
            const bool sunken = state == DrawState::Pressed;
            painter.fillRect(r.adjusted(1, 1, -1, -1), face);
            DrawEdgeRing(painter, r, sunken ? shadow : highlight, sunken ? highlight : shadow);
        }
    }
    m_workRect = r;

    QSize text;
    if (!m_caption.isEmpty()) {
        const QFontMetrics metrics(font());
        text = QSize(metrics.horizontalAdvance(m_caption), metrics.height());
    }
    drawGlyph(state, text);
    if (framed() && m_focused && m_showFocused)
        LumoFocusRect(m_bitmap, r.adjusted(3, 3, -3, -3));
    m_captionRect = QRect();
    if (!m_caption.isEmpty())
        drawCaption(state, text);
}

void TLumoButton::drawGlyph(DrawState state, QSize text)
{
    m_glyphRect = QRect();
    const bool enabled = isEnabled();
    bool hot = false;
    if (state != DrawState::Normal && !m_glyphHot.isNull()) {
        if (m_glyph.isNull())
            return; // only a hot glyph: nothing is drawn
        hot = enabled;
    }
    const QImage &source = hot ? m_glyphHot : m_glyph;
    if (source.isNull())
        return;
    const int count = hot ? m_numGlyphsHot : m_numGlyphs;
    const int index = !hot && count == 2 && !enabled ? 1 : 0;
    const QImage cell = LumoGlyphCell(source, count, index);
    const QSize cellSize(source.width() / count, source.height());
    const int d = state == DrawState::Pressed ? 1 : 0;
    m_glyphRect = LumoGlyphRect(m_layout, m_workRect, cellSize, text, m_caption.isEmpty(),
                                m_spacingLayout, m_popupMenuMark, d);
    const QRgb brush = (framed() ? sysColor(QPalette::Button) : color()).rgb();
    const QRgb highlight = sysColor(QPalette::Light).rgb(), shadow = sysColor(QPalette::Dark).rgb();
    if (hot || enabled || count == 2)
        LumoDrawTransparent(m_bitmap, m_glyphRect.topLeft(), cell, brush);
    else
        LumoDrawDisabled(m_bitmap, m_glyphRect.topLeft(), cell, highlight, shadow);

    if (m_popupMenuMark
        && (m_caption.isEmpty() || m_layout == blGlyphTop || m_layout == blGlyphBottom)) {
        static const QImage arrow =
            QImage(QStringLiteral(":/widgets/strela.xpm")).convertToFormat(QImage::Format_RGB32);
        const QPoint at(m_glyphRect.left() + cellSize.width() + m_popupMenuMarkGap,
                        m_glyphRect.top() + (m_glyphRect.height() - arrow.height()) / 2);
        if (enabled)
            LumoDrawTransparent(m_bitmap, at, arrow, brush);
        else
            LumoDrawDisabled(m_bitmap, at, arrow, highlight, shadow);
    }
}

void TLumoButton::drawCaption(DrawState state, QSize text)
{
    const int d = state == DrawState::Pressed ? 1 : 0;
    const QRect t = LumoCaptionRect(m_layout, m_workRect, m_glyph.isNull(), m_glyphRect, text,
                                    m_spacing, d);
    m_captionRect = t;
    QPainter painter(&m_bitmap);
    painter.setFont(font());
    QColor ink = sysColor(QPalette::WindowText);
    if (m_hotTrack && m_captionHot == 0)
        ink = m_hotTrackColor;
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    if (!isEnabled()) {
        painter.setPen(ink);
        painter.drawText(t, flags, m_caption);
        painter.setPen(sysColor(QPalette::Light));
        painter.drawText(t.translated(1, 1), flags, m_caption);
        ink = sysColor(QPalette::Dark);
    }
    painter.setPen(ink);
    painter.drawText(t, flags, m_caption);
}

// --- reactions ---------------------------------------------------------------

void TLumoButton::stopTimers()
{
    m_repeatTimer->stop();
    m_repeatStartTimer->stop();
}

void TLumoButton::repeatTick()
{
    if (m_repeatAction)
        emit clicked();
}

void TLumoButton::pointerEntered()
{
    if (!isEnabled() || m_over)
        return;
    m_over = true;
    QPointer<TLumoButton> self(this);
    emit mouseOver();
    if (!self)
        return;
    m_left = false;
    if (framed() && m_popupMenu)
        setFocus();
    if (m_cursorHandCustom)
        setCursor(LumoHandCursor());
    m_captionHot = 0;
    if (m_playMusic)
        PlayEntrySound();
    drawNow(DrawState::Hot);
}

void TLumoButton::pointerLeft()
{
    if (!isEnabled() || !m_over)
        return;
    m_over = false;
    QPointer<TLumoButton> self(this);
    emit mouseOut();
    if (!self)
        return;
    if (m_cursorHandCustom)
        unsetCursor();
    if (m_repeatAction)
        stopTimers();
    m_captionHot = 1;
    drawNow(DrawState::Normal);
    m_left = true;
}

void TLumoButton::pressReaction()
{
    m_over = true; // a press lands on the button
    if (m_repeatAction)
        m_repeatStartTimer->start();
    m_captionHot = 0;
    drawNow(DrawState::Pressed);
    if (m_popupMenu)
        popupSequence();
}

void TLumoButton::popupSequence()
{
    QPointer<QMenu> menu = m_popupMenu;
    QPointer<TLumoButton> self(this);
    menu->exec(LumoPopupPosition(m_positionPopup, mapToGlobal(QPoint(0, 0)), size(),
                                 menu->sizeHint()));
    if (!self)
        return;
    drawNow(DrawState::Normal);
    m_captionHot = 1;
    if (m_repeatAction)
        stopTimers();
    m_pressed = false; // the menu took the release
}

void TLumoButton::click()
{
    QPointer<TLumoButton> self(this);
    emit clicked();
    if (!self)
        return;
    if (const int result = LumoKindModalResult(m_kind)) {
        if (auto *dialog = qobject_cast<QDialog *>(window()))
            dialog->done(result);
    } else if (m_kind == skClose) {
        window()->close();
    } else if (m_kind == skHelp) {
        for (const QWidget *w = this; w; w = w->parentWidget()) {
            const int context = w->property("HelpContext").toInt();
            if (context != 0) {
                emit helpRequested(context);
                break;
            }
        }
    }
    if (self && m_popupMenu && isEnabled())
        popupSequence();
}

void TLumoButton::enterEvent(QEnterEvent *) { pointerEntered(); }

void TLumoButton::leaveEvent(QEvent *) { pointerLeft(); }

void TLumoButton::mousePressEvent(QMouseEvent *event)
{
    QPointer<TLumoButton> self(this);
    if (event->button() == Qt::LeftButton && isEnabled()) {
        m_pressed = true;
        pressReaction();
    }
    if (self)
        emit mouseDown(event);
}

void TLumoButton::mouseMoveEvent(QMouseEvent *event)
{
    QPointer<TLumoButton> self(this);
    emit mouseMove(event);
    if (!self || !isEnabled())
        return;
    // Followed here too: while the button is held Qt defers enter and leave.
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && !m_over)
        pointerEntered();
    else if (!inside && m_over)
        pointerLeft();
}

void TLumoButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<TLumoButton> self(this);
    if (event->button() == Qt::LeftButton && isEnabled()) {
        const bool inside = rect().contains(event->position().toPoint());
        if (!inside && m_over)
            pointerLeft();
        if (!self)
            return;
        const bool clicks = m_pressed && inside;
        m_pressed = false;
        // The click runs first, while the button still shows the pressed look.
        if (clicks)
            click();
        if (!self)
            return;
        if (!m_left && isEnabled()) {
            if (m_repeatAction)
                stopTimers();
            drawNow(DrawState::Hot);
            if (framed())
                setFocus();
        }
    }
    if (self)
        emit mouseUp(event);
}

void TLumoButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPointer<TLumoButton> self(this);
    emit doubleClicked();
    if (!self)
        return;
    if (event->button() == Qt::LeftButton && isEnabled()) {
        pressReaction();
        if (!self)
            return;
        emit mouseDown(event);
        // The second press clicks; its release does not.
        m_pressed = false;
        click();
    } else {
        emit mouseDown(event);
    }
}

void TLumoButton::focusInEvent(QFocusEvent *event)
{
    if (framed())
        m_focused = true;
    QWidget::focusInEvent(event);
}

void TLumoButton::focusOutEvent(QFocusEvent *event)
{
    if (framed()) {
        m_focused = false;
        if (m_showFocused)
            update();
    }
    QWidget::focusOutEvent(event);
}

void TLumoButton::focusMoved(QWidget *now)
{
    if (auto *button = qobject_cast<TLumoButton *>(now))
        m_activeDefault = button == this;
    else
        m_activeDefault = m_default;
    if (framed() && m_focused && m_showFocused)
        update();
}

void TLumoButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            m_captionHot = 1;
            m_pressed = false;
            stopTimers();
            if (m_over && m_cursorHandCustom)
                unsetCursor();
            m_over = false;
            drawNow(DrawState::Normal);
        }
        update();
        break;
    case QEvent::PaletteChange:
        if (framed())
            m_color = sysColor(QPalette::Button);
        update();
        break;
    case QEvent::FontChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

bool TLumoButton::event(QEvent *event)
{
    // A new parent, or an ancestor moved to another window before showing.
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)
        watchWindow();
    return QWidget::event(event);
}

void TLumoButton::watchWindow()
{
    QWidget *top = window();
    if (top == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top;
    top->installEventFilter(this);
}

bool TLumoButton::canTakeFocus() const { return isVisible() && isEnabled(); }

// Keys nobody else took travel up to the window: Enter for the active default
// button, Escape for a Cancel button, and the caption's accelerator.
bool TLumoButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_watchedWindow || event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    bool take = false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        take = m_activeDefault && mods == Qt::NoModifier;
    else if (key->key() == Qt::Key_Escape)
        take = m_cancel && mods == Qt::NoModifier;
    else if (mods == Qt::NoModifier || mods == Qt::AltModifier) {
        const QChar accelerator = LumoAccelerator(m_caption);
        QChar typed;
        if (key->key() > 0 && key->key() < 0x10000)
            typed = QChar(key->key()).toLower();
        take = !accelerator.isNull() && typed == accelerator;
    }
    if (!take || !canTakeFocus())
        return false;
    click();
    return true;
}

} // namespace cx
