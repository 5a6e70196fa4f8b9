#include "windows/form6.h"

#include "app/application.h"
#include "app/dragwindow.h"
#include "app/forms.h"
#include "app/wheelhook.h"
#include "data/statements.h"
#include "widgets/flatbutton.h"
#include "widgets/flatpanel.h"
#include "widgets/imagepanel.h"
#include "widgets/lumobutton.h"
#include "windows/searchpattern.h"
#include "windows/windowlook.h"


using cx::app::handler;
using cx::windows::pixelFont;
using cx::windows::setTextColour;

namespace {

const QColor kFrame(0x3E, 0x3E, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);

QImage picture(const char *file) { return QImage(QStringLiteral(":/pictures/") + QLatin1String(file)); }

// Rows of table whose word or explanation contains text.
QString containing(const char *table, const QString &text)
{
    const QString pattern = cx::data::statements::literal(QLatin1Char('%') + text + QLatin1Char('%'));
    return QStringLiteral("select * from ") + QLatin1String(table) + QStringLiteral(" where name like ") + pattern
        + QStringLiteral(" or fname like ") + pattern;
}

// The picture buttons: picture above a 宋体 16 px blue caption, navy when
// hot, one cell per glyph picture, the picture growing while hot.
cx::TLumoButton *button(QWidget *parent, const char *name, int top, const QString &caption, const char *glyph)
{
    auto *b = new cx::TLumoButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(35, top, 86, 63);
    b->setButtonStyle(cx::TLumoButton::stNone);
    b->setLayout(cx::TLumoButton::blGlyphTop);
    b->setSpacing(5);
    b->setFont(pixelFont(QStringLiteral("宋体"), 16));
    setTextColour(b, QColor(0x00, 0x00, 0xFF));
    b->setHotTrackColor(kNavy);
    b->setGlyph(picture((QByteArray(glyph) + "_30x30.png").constData()));
    b->setGlyphHot(picture((QByteArray(glyph) + "_39x40.png").constData()));
    b->setNumGlyphs(1);
    b->setNumGlyphsHot(1);
    b->setCaption(caption);
    return b;
}

cx::TFlatPanel *collectionPanel(QWidget *parent, const char *name)
{
    auto *p = new cx::TFlatPanel(parent);
    p->setObjectName(QLatin1String(name));
    p->setGeometry(0, 36, 643, 334);
    p->setColorBorder(kFrame);
    p->setColor(QColor(0xFC, 0xFC, 0xF8));
    return p;
}

cx::windows::TDBGrid *grid(QWidget *parent, cx::data::DataSource *source, const char *name, const QString &nameTitle,
                           const QString &fnameTitle)
{
    auto *g = new cx::windows::TDBGrid(
        source, {{QStringLiteral("name"), nameTitle, 149}, {QStringLiteral("fname"), fnameTitle, 329}}, parent);
    g->setObjectName(QLatin1String(name));
    g->setGeometry(145, 0, 498, 334);
    g->setIndicator(false);
    cx::windows::styleGrid(g, pixelFont(QStringLiteral("宋体"), 17), pixelFont(QStringLiteral("宋体"), 19), kNavy,
                           QColor(0xFB, 0xFB, 0xF9),
                           {{pixelFont(QStringLiteral("宋体"), 15), kNavy},
                            {pixelFont(QStringLiteral("宋体"), 15), QColor(0x00, 0x00, 0x60)}});
    return g;
}

} // namespace

QString ClassicalWordSearch(const QString &text) { return containing("wylib", text); }
QString AntonymSearch(const QString &text) { return containing("fyclib", text); }

TForm6::TForm6(cx::data::QuerySlot &qry4, QWidget *parent) : QWidget(parent), qry4(qry4)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("澄心辞苑"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(643, 396);
    setFont(pixelFont(QStringLiteral("宋体"), 15));
    setTextColour(this, Qt::black);

    FlatPanel3 = new cx::TFlatPanel(this);
    FlatPanel3->setObjectName(QStringLiteral("FlatPanel3"));
    FlatPanel3->setGeometry(0, 0, 643, 396);
    FlatPanel3->setColorBorder(kFrame);

    ImagePanel1 = new cx::TImagePanel(FlatPanel3);
    ImagePanel1->setObjectName(QStringLiteral("ImagePanel1"));
    ImagePanel1->setAlign(cx::TImagePanel::alTop);
    ImagePanel1->setGeometry(2, 2, 639, 33);
    ImagePanel1->setDrawStyle(cx::TImagePanel::dsTile);
    ImagePanel1->setPicture(picture("tile.png"));
    ImagePanel1->setFont(pixelFont(QStringLiteral("隶书"), 27));
    setTextColour(ImagePanel1, kFrame);
    ImagePanel1->setCaption(QStringLiteral("中国古汉语文言词总汇"));

    FlatButton1 = new cx::TFlatButton(ImagePanel1);
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton1->setGeometry(605, 0, 33, 33);
    FlatButton1->setTransparent(cx::TFlatButton::tmAlways);
    FlatButton1->setTransBorder(true);
    FlatButton1->setGlyph(picture("glyph_close_24x24.png"));
    FlatButton1->setToolTip(QStringLiteral("关闭"));
    FlatButton1->setCursor(cx::LumoHandCursor());

    ImagePanel2 = new cx::TImagePanel(FlatPanel3);
    ImagePanel2->setObjectName(QStringLiteral("ImagePanel2"));
    ImagePanel2->setAlign(cx::TImagePanel::alBottom);
    ImagePanel2->setGeometry(2, 372, 639, 22);
    ImagePanel2->setDrawStyle(cx::TImagePanel::dsTile);
    ImagePanel2->setPicture(picture("tile.png"));

    cx::data::DataSource *ds4 = &qry4.source;
    flatpanel1 = collectionPanel(FlatPanel3, "flatpanel1");
    LumoButton3 = button(flatpanel1, "LumoButton3", 50, QStringLiteral("搜索文言词"), "glyph_search");
    LumoButton4 = button(flatpanel1, "LumoButton4", 146, QStringLiteral("退出返回"), "glyph_return");
    dbgrd1 = grid(flatpanel1, ds4, "dbgrd1", QStringLiteral("文言"), QStringLiteral("释词"));

    flatpanel2 = collectionPanel(FlatPanel3, "flatpanel2");
    LumoButton2 = button(flatpanel2, "LumoButton2", 50, QStringLiteral("搜索反义词"), "glyph_search");
    LumoButton1 = button(flatpanel2, "LumoButton1", 146, QStringLiteral("退出返回"), "glyph_return");
    dbgrd2 = grid(flatpanel2, ds4, "dbgrd2", QStringLiteral("词语"), QStringLiteral("反义 "));

    connect(FlatButton1, &cx::TFlatButton::clicked, this, handler([this] { FlatButton1Click(); }));
    connect(LumoButton1, &cx::TLumoButton::clicked, this, handler([this] { LumoButton1Click(); }));
    connect(LumoButton4, &cx::TLumoButton::clicked, this, handler([this] { LumoButton4Click(); }));
    connect(LumoButton3, &cx::TLumoButton::clicked, this, handler([this] { LumoButton3Click(); }));
    connect(LumoButton2, &cx::TLumoButton::clicked, this, handler([this] { LumoButton2Click(); }));
    for (cx::TFlatPanel *surface : {flatpanel1, flatpanel2})
        cx::app::onMouseDown(surface, [this] { cx::app::DragWindow(this); });
    // The grids show no cell tooltips.
    for (cx::windows::TDBGrid *g : {dbgrd1, dbgrd2})
        g->viewport()->installEventFilter(this);

    ApplicationEvents1 = new cx::app::ApplicationEvents(
        this, [this](QObject *target, QEvent *event) { return ApplicationEvents1Message(target, event); });
}

TForm6::~TForm6()
{
    // The hook calls back into this window: it must stop before the
    // window's parts are taken down.
    delete ApplicationEvents1;
}

void TForm6::FlatButton1Click() { close(); }
void TForm6::LumoButton1Click() { close(); }
void TForm6::LumoButton4Click() { close(); }

// Each search runs on the panel that holds its button, which shows the rows.
void TForm6::LumoButton3Click() { cx::windows::RunSearch(qry4, QStringLiteral("文言词"), ClassicalWordSearch); }
void TForm6::LumoButton2Click() { cx::windows::RunSearch(qry4, QStringLiteral("反义词"), AntonymSearch); }

bool TForm6::ApplicationEvents1Message(QObject *target, QEvent *event)
{
    return cx::app::WheelToArrowKeys(this, target, event);
}

bool TForm6::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QWidget::eventFilter(watched, event);
}

void TForm6::showEvent(QShowEvent *event)
{
    if (!placed_) {
        placed_ = true;
        cx::windows::placeOverMainWindow(this);
    }
    QWidget::showEvent(event);
}
