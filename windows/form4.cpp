#include "windows/form4.h"

#include "app/application.h"
#include "app/dragwindow.h"
#include "app/forms.h"
#include "app/wheelhook.h"
#include "data/statements.h"
#include "widgets/flatpanel.h"
#include "widgets/lumobutton.h"
#include "windows/descriptsections.h"
#include "windows/searchpattern.h"
#include "windows/windowlook.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolTip>

using cx::app::handler;
using cx::windows::pixelFont;
using cx::windows::setTextColour;

namespace cx::windows {

TCaptionLabel::TCaptionLabel(QWidget *parent) : QLabel(parent) {}

void TCaptionLabel::setCaption(const QString &caption)
{
    caption_ = caption;
    setText(CaptionLines(caption));
}

void TCaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

HintTiming &applicationHintTiming()
{
    static HintTiming timing;
    return timing;
}

} // namespace cx::windows

namespace {

const QColor kPanelColour(0xFC, 0xFC, 0xFA);
const QColor kBandColour(0xF5, 0xF5, 0xEB);
const QColor kGridBackground(0xFC, 0xFC, 0xF8);
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kDarkNavy(0x00, 0x00, 0x60);
const QColor kDarkOlive(0x3E, 0x3E, 0x00);
const QColor kLightOlive(0x8C, 0x8C, 0x00);
const QColor kOlive(0x80, 0x80, 0x00);

QImage picture(const char *file) { return QImage(QStringLiteral(":/pictures/") + QLatin1String(file)); }

cx::TFlatPanel *panel(QWidget *parent, const char *name, QRect geometry, const QColor &border, const QColor &colour)
{
    auto *p = new cx::TFlatPanel(parent);
    p->setObjectName(QLatin1String(name));
    p->setGeometry(geometry);
    if (border.isValid())
        p->setColorBorder(border);
    p->setColor(colour);
    return p;
}

// The picture buttons of the window: 宋体 15 px blue captions, navy when hot,
// the glyph left of the caption, one cell per glyph picture.
cx::TLumoButton *button(QWidget *parent, const char *name, QRect geometry, const QString &caption,
                        cx::TLumoButton::TStyle style, const char *glyph, const char *glyphHot)
{
    auto *b = new cx::TLumoButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setButtonStyle(style);
    b->setLayout(cx::TLumoButton::blGlyphLeft);
    b->setSpacing(5);
    b->setFont(pixelFont(QStringLiteral("宋体"), 15));
    setTextColour(b, QColor(0x00, 0x00, 0xFF));
    b->setHotTrackColor(kNavy);
    b->setGlyph(picture(glyph));
    if (glyphHot)
        b->setGlyphHot(picture(glyphHot));
    b->setNumGlyphs(1);
    b->setNumGlyphsHot(1);
    b->setCaption(caption);
    return b;
}

cx::windows::TDBText *fieldLabel(QWidget *parent, cx::data::DataSource *source, const char *name, const char *field,
                                 QRect geometry, const QFont &font, const QColor &colour)
{
    auto *t = new cx::windows::TDBText(source, QLatin1String(field), parent);
    t->setObjectName(QLatin1String(name));
    // The stand-in faces set their lines wider apart than the designed box
    // allows for: the box holds at least one whole line.
    geometry.setHeight(std::max(geometry.height(), QFontMetrics(font).height()));
    t->setGeometry(geometry);
    t->setFont(font);
    setTextColour(t, colour);
    t->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    t->setWordWrap(true);
    return t;
}

cx::windows::TCaptionLabel *captionLabel(QWidget *parent, const char *name, QRect geometry, const QFont &font,
                                         const QColor &colour)
{
    auto *l = new cx::windows::TCaptionLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(font);
    setTextColour(l, colour);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

QPlainTextEdit *hiddenMemo(QWidget *parent, const char *name, QRect geometry, const QStringList &paragraphs)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QLatin1String(name));
    m->setGeometry(geometry);
    m->setReadOnly(true);
    m->setPlainText(paragraphs.join(QLatin1Char('\n')));
    m->hide();
    return m;
}

cx::windows::TDBGrid *grid(QWidget *parent, cx::data::DataSource *source, const char *name,
                           const QVector<cx::windows::TDBGrid::Column> &columns,
                           const QVector<cx::windows::ColumnLook> &looks)
{
    auto *g = new cx::windows::TDBGrid(source, columns, parent);
    g->setObjectName(QLatin1String(name));
    g->setGeometry(0, 50, 321, 375);
    cx::windows::styleGrid(g, pixelFont(QStringLiteral("宋体"), 20), pixelFont(QStringLiteral("宋体"), 19), kNavy,
                           kGridBackground, looks);
    return g;
}

// Paragraph `index` of a hidden text control, and how many it holds.
QString paragraph(const QPlainTextEdit *memo, int index) { return memo->document()->findBlockByNumber(index).text(); }
int paragraphs(const QPlainTextEdit *memo) { return memo->document()->blockCount(); }

// The next index of an introduction cycle: 0, 1, …, count - 1, 0, …
int nextParagraph(int index, int count)
{
    ++index;
    return index == count ? 0 : index;
}

// The text of `row` in the grid's column at visual place `place`: the
// columns the user sees first and second, wherever they were moved.
QString shownCell(const cx::windows::TDBGrid *grid, int row, int place)
{
    const int column = grid->horizontalHeader()->logicalIndex(place);
    return grid->model()->index(row, column).data().toString();
}

} // namespace

TForm4::TForm4(cx::data::QuerySlot &qry3, QWidget *parent) : QWidget(parent), qry3(qry3)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("澄心辞苑"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(721, 425);
    setFont(pixelFont(QStringLiteral("宋体"), 13));

    // Created in this order, the riddle panel ends on top; the main window
    // decides which one stays visible before the window is first shown.
    buildIdiomPanel();
    buildSayingPanel();
    buildRiddlePanel();

    for (cx::TLumoButton *close : {LumoButton3, LumoButton6, LumoButton10})
        connect(close, &cx::TLumoButton::clicked, this, handler([this] { LumoButton3Click(); }));

    // Hints are the window's own: no grid shows Qt's cell tooltips, and the
    // riddle grid shows the window hint text after the hint pause.
    for (cx::windows::TDBGrid *g : {dbgrd1, dbgrd2, dbgrd3})
        g->viewport()->installEventFilter(this);
    hintTimer_.setSingleShot(true);
    connect(&hintTimer_, &QTimer::timeout, this, [this] { showRiddleHint(); });

    ApplicationEvents1 = new cx::app::ApplicationEvents(
        this, [this](QObject *target, QEvent *event) { return ApplicationEvents1Message(target, event); });
}

TForm4::~TForm4()
{
    // The hook calls back into this window: it must stop before the
    // window's parts are taken down.
    delete ApplicationEvents1;
}

void TForm4::buildIdiomPanel()
{
    cx::data::DataSource *ds3 = &qry3.source;
    flatpanel3 = panel(this, "flatpanel3", QRect(0, 0, 721, 425), QColor(0x80, 0x80, 0x40), kPanelColour);
    flatpanel5 = panel(flatpanel3, "flatpanel5", QRect(0, 0, 321, 51), Qt::black, kBandColour);
    LumoButton4 = button(flatpanel5, "LumoButton4", QRect(27, 10, 126, 36), QStringLiteral("成语搜索"),
                         cx::TLumoButton::stFlat, "glyph_search_19x20.png", "glyph_search_24x24.png");
    LumoButton3 = button(flatpanel5, "LumoButton3", QRect(163, 10, 126, 36), QStringLiteral("退出返回"),
                         cx::TLumoButton::stFlat, "glyph_return_19x20.png", "glyph_return_24x24.png");
    dbgrd2 = grid(flatpanel3, ds3, "dbgrd2",
                  {{QStringLiteral("keyword"), QStringLiteral("成 语"), 130},
                   {QStringLiteral("phonetic"), QStringLiteral("拼 音"), 158}},
                  {{pixelFont(QStringLiteral("宋体"), 15), kNavy}, {pixelFont(QStringLiteral("Calibri"), 15), kDarkNavy}});
    DBText1 = fieldLabel(flatpanel3, ds3, "DBText1", "keyword", QRect(336, 12, 56, 13),
                         pixelFont(QStringLiteral("宋体"), 13, true), kDarkOlive);
    DBText1->setWordWrap(false);
    DBText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The label sizes itself to its text.
    auto fit = [this] { DBText1->adjustSize(); };
    connect(ds3, &cx::data::DataSource::dataChange, DBText1, fit);
    connect(ds3, &cx::data::DataSource::stateChange, DBText1, fit);
    fit();
    label9 = captionLabel(flatpanel3, "label9", QRect(336, 37, 369, 388), pixelFont(QStringLiteral("宋体"), 13),
                          kDarkOlive);
    dbmemodescript1 = new cx::windows::TDBMemo(ds3, QStringLiteral("descript"), flatpanel3);
    dbmemodescript1->setObjectName(QStringLiteral("dbmemodescript1"));
    dbmemodescript1->setGeometry(48, 128, 209, 201);
    dbmemodescript1->hide();

    connect(LumoButton4, &cx::TLumoButton::clicked, this, handler([this] { LumoButton4Click(); }));
    connect(dbgrd2, &QAbstractItemView::clicked, this, [this](const QModelIndex &cell) {
        cx::app::guarded([&] { dbgrd2CellClick(cell); });
    });
    connect(dbmemodescript1, &cx::windows::TDBMemo::contentChanged, this,
            handler([this] { dbmemodescript1Change(); }));
    for (QWidget *surface : {static_cast<QWidget *>(flatpanel3), static_cast<QWidget *>(flatpanel5),
                             static_cast<QWidget *>(label9)})
        cx::app::onMouseDown(surface, [this] { cx::app::DragWindow(this); });
}

void TForm4::buildSayingPanel()
{
    cx::data::DataSource *ds3 = &qry3.source;
    flatpanel4 = panel(this, "flatpanel4", QRect(0, 0, 721, 425), QColor(), kPanelColour);
    flatpanel6 = panel(flatpanel4, "flatpanel6", QRect(0, 0, 321, 51), Qt::black, kBandColour);
    LumoButton5 = button(flatpanel6, "LumoButton5", QRect(27, 10, 130, 36), QStringLiteral("歇后语搜索"),
                         cx::TLumoButton::stFlat, "glyph_search_19x20.png", "glyph_search_24x24.png");
    LumoButton6 = button(flatpanel6, "LumoButton6", QRect(163, 10, 130, 36), QStringLiteral("退出返回"),
                         cx::TLumoButton::stFlat, "glyph_return_19x20.png", "glyph_return_24x24.png");
    dbgrd3 = grid(flatpanel4, ds3, "dbgrd3",
                  {{QStringLiteral("keyword"), QStringLiteral("歇后语"), 158},
                   {QStringLiteral("descript"), QStringLiteral("说明"), 131}},
                  {{pixelFont(QStringLiteral("宋体"), 15), kNavy}, {pixelFont(QStringLiteral("宋体"), 15), kDarkNavy}});
    dbtextkeyword1 = fieldLabel(flatpanel4, ds3, "dbtextkeyword1", "keyword", QRect(368, 40, 313, 57),
                                pixelFont(QStringLiteral("黑体"), 19), kDarkOlive);
    dbtextdescript1 = fieldLabel(flatpanel4, ds3, "dbtextdescript1", "descript", QRect(368, 96, 313, 57),
                                 pixelFont(QStringLiteral("黑体"), 19), kLightOlive);
    label5 = captionLabel(flatpanel4, "label5", QRect(344, 184, 361, 241), pixelFont(QStringLiteral("宋体"), 15),
                          Qt::black);
    memo2 = hiddenMemo(flatpanel4, "memo2", QRect(440, 248, 185, 89), SayingIntroduction());

    connect(LumoButton5, &cx::TLumoButton::clicked, this, handler([this] { LumoButton5Click(); }));
    connect(label5, &cx::windows::TCaptionLabel::clicked, this, handler([this] { label5Click(); }));
    for (QWidget *surface : {static_cast<QWidget *>(flatpanel4), static_cast<QWidget *>(flatpanel6),
                             static_cast<QWidget *>(dbtextkeyword1), static_cast<QWidget *>(dbtextdescript1)})
        cx::app::onMouseDown(surface, [this] { cx::app::DragWindow(this); });
}

void TForm4::buildRiddlePanel()
{
    cx::data::DataSource *ds3 = &qry3.source;
    flatpanel2 = panel(this, "flatpanel2", QRect(0, 0, 721, 425), kOlive, kPanelColour);
    flatpanel7 = panel(flatpanel2, "flatpanel7", QRect(0, 0, 321, 51), kOlive, kBandColour);
    LumoButton2 = button(flatpanel7, "LumoButton2", QRect(11, 14, 96, 30), QStringLiteral("搜谜面"),
                         cx::TLumoButton::stFlat, "glyph_bubble_purple_24x24.png", nullptr);
    LumoButton8 = button(flatpanel7, "LumoButton8", QRect(109, 14, 96, 30), QStringLiteral("搜谜目"),
                         cx::TLumoButton::stFlat, "glyph_bubble_green_24x24.png", nullptr);
    LumoButton9 = button(flatpanel7, "LumoButton9", QRect(207, 14, 96, 30), QStringLiteral("搜谜底"),
                         cx::TLumoButton::stFlat, "glyph_bubble_purple_24x24.png", nullptr);
    dbgrd1 = grid(flatpanel2, ds3, "dbgrd1",
                  {{QStringLiteral("keyword"), QStringLiteral("谜 面"), 158},
                   {QStringLiteral("phonetic"), QStringLiteral("谜 目"), 130}},
                  {{pixelFont(QStringLiteral("宋体"), 15), kNavy}, {pixelFont(QStringLiteral("宋体"), 15), kDarkNavy}});
    dbtextkeyword = fieldLabel(flatpanel2, ds3, "dbtextkeyword", "keyword", QRect(349, 32, 348, 24),
                               pixelFont(QStringLiteral("黑体"), 23), kDarkOlive);
    dbtextphonetic = fieldLabel(flatpanel2, ds3, "dbtextphonetic", "phonetic", QRect(349, 80, 348, 24),
                                pixelFont(QStringLiteral("黑体"), 20), kLightOlive);
    // The answer sits in the middle of the free band between the category
    // (ending at 104) and the introduction (starting at 192), in a dark red
    // that sets it apart from the olive riddle text.
    dbtextdescript = fieldLabel(flatpanel2, ds3, "dbtextdescript", "descript", QRect(349, 124, 348, 48),
                                pixelFont(QStringLiteral("黑体"), 26, true), QColor(0x9C, 0x1C, 0x10));
    dbtextdescript->setWordWrap(false);
    dbtextdescript->setAlignment(Qt::AlignCenter);
    label8 = captionLabel(flatpanel2, "label8", QRect(360, 192, 329, 177), pixelFont(QStringLiteral("宋体"), 15),
                          kOlive);
    memo3 = hiddenMemo(flatpanel2, "memo3", QRect(424, 200, 209, 161), RiddleIntroduction());
    LumoButton7 = button(flatpanel2, "LumoButton7", QRect(523, 381, 90, 28), QStringLiteral("下一条"),
                         cx::TLumoButton::stNone, "glyph_next_24x24.png", nullptr);
    LumoButton10 = button(flatpanel2, "LumoButton10", QRect(619, 381, 90, 28), QStringLiteral("退出返回"),
                          cx::TLumoButton::stNone, "glyph_clock_24x24.png", nullptr);

    connect(LumoButton2, &cx::TLumoButton::clicked, this, handler([this] { LumoButton2Click(); }));
    connect(LumoButton8, &cx::TLumoButton::clicked, this, handler([this] { LumoButton8Click(); }));
    connect(LumoButton9, &cx::TLumoButton::clicked, this, handler([this] { LumoButton9Click(); }));
    connect(LumoButton7, &cx::TLumoButton::clicked, this, handler([this] { LumoButton7Click(); }));
    connect(dbgrd1, &QAbstractItemView::clicked, this, [this](const QModelIndex &cell) {
        cx::app::guarded([&] { dbgrd1CellClick(cell); });
    });
    for (QWidget *surface : {static_cast<QWidget *>(flatpanel2), static_cast<QWidget *>(flatpanel7),
                             static_cast<QWidget *>(dbtextkeyword), static_cast<QWidget *>(dbtextphonetic),
                             static_cast<QWidget *>(label8)})
        cx::app::onMouseDown(surface, [this] { cx::app::DragWindow(this); });
}

void TForm4::FormCreate()
{
    sayingIndex_ = 0;
    riddleIndex_ = 0;
    label8->setCaption(paragraph(memo3, riddleIndex_));
    label5->setCaption(paragraph(memo2, sayingIndex_));
}

void TForm4::showPanel(cx::TFlatPanel *chosen)
{
    chosen->setVisible(true);
    for (cx::TFlatPanel *p : {flatpanel2, flatpanel3, flatpanel4})
        if (p != chosen)
            p->setVisible(false);
}

void TForm4::LumoButton4Click()
{
    using cx::data::statements::S8;
    if (cx::windows::RunSearch(qry3, QStringLiteral("成语"), S8) == cx::windows::SearchOutcome::Found) {
        showPanel(flatpanel3);
        cx::app::showWindow(this);
    }
}

void TForm4::LumoButton5Click()
{
    using cx::data::statements::S9;
    if (cx::windows::RunSearch(qry3, QStringLiteral("歇后语"), S9) == cx::windows::SearchOutcome::Found) {
        showPanel(flatpanel4);
        cx::app::showWindow(this);
    }
}

// The riddle searches run on the riddle panel, which shows their rows.
void TForm4::LumoButton2Click() { cx::windows::RunSearch(qry3, QStringLiteral("灯谜谜面"), cx::data::statements::S10); }
void TForm4::LumoButton8Click() { cx::windows::RunSearch(qry3, QStringLiteral("灯谜谜目"), cx::data::statements::S11); }
void TForm4::LumoButton9Click() { cx::windows::RunSearch(qry3, QStringLiteral("灯谜谜底"), cx::data::statements::S12); }

void TForm4::LumoButton3Click() { close(); }

void TForm4::label5Click()
{
    sayingIndex_ = nextParagraph(sayingIndex_, paragraphs(memo2));
    label5->setCaption(paragraph(memo2, sayingIndex_));
}

void TForm4::LumoButton7Click()
{
    riddleIndex_ = nextParagraph(riddleIndex_, paragraphs(memo3));
    label8->setCaption(paragraph(memo3, riddleIndex_));
}

void TForm4::dbgrd2CellClick(const QModelIndex &cell)
{
    cx::windows::applicationHintTiming() = {500, 10000};
    hint_ = QStringLiteral("成语：") + shownCell(dbgrd2, cell.row(), 0) + QLatin1Char('\r') + QStringLiteral("读音：")
        + shownCell(dbgrd2, cell.row(), 1);
}

void TForm4::dbgrd1CellClick(const QModelIndex &cell)
{
    cx::windows::applicationHintTiming() = {500, 10000};
    hint_ = QStringLiteral("谜面：") + shownCell(dbgrd1, cell.row(), 0) + QLatin1Char('\r') + QStringLiteral("谜目：")
        + shownCell(dbgrd1, cell.row(), 1);
}

void TForm4::dbmemodescript1Change()
{
    if (const std::optional<QString> caption = cx::windows::DescriptionCaption(dbmemodescript1->toPlainText()))
        label9->setCaption(*caption);
}

bool TForm4::ApplicationEvents1Message(QObject *target, QEvent *event)
{
    return cx::app::WheelToArrowKeys(this, target, event);
}

bool TForm4::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    if (watched == dbgrd1->viewport()) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            // The pointer rests: the hint shows once it has stayed for the
            // hint pause; a release shows the hint of the row just clicked.
            if (event->type() == QEvent::MouseButtonRelease)
                QToolTip::hideText();
            if (!QToolTip::isVisible())
                hintTimer_.start(cx::windows::applicationHintTiming().pause);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::Leave:
        case QEvent::Hide:
            hintTimer_.stop();
            QToolTip::hideText();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm4::showRiddleHint()
{
    if (hint_.isEmpty() || !dbgrd1->isVisible())
        return;
    QToolTip::showText(QCursor::pos(), cx::windows::CaptionLines(hint_), dbgrd1->viewport(), QRect(),
                       cx::windows::applicationHintTiming().hidePause);
}

void TForm4::showEvent(QShowEvent *event)
{
    if (!placed_) {
        placed_ = true;
        cx::windows::placeOverMainWindow(this);
    }
    QWidget::showEvent(event);
}
