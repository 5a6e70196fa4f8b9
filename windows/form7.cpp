#include "windows/form7.h"

#include "app/application.h"
#include "app/boxes.h"
#include "app/forms.h"
#include "app/shell.h"
#include "data/runquery.h"
#include "data/statements.h"
#include "skins/skinengine.h"
#include "widgets/flatpanel.h"
#include "widgets/gradprogress.h"
#include "widgets/imagepanel.h"
#include "widgets/lumobutton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <initializer_list>
#include <utility>

using cx::app::handler;

namespace {

const QSize kDesignClient(885, 620);
const QSize kDesignArea(885, 450);
const QRect kDesignBanner(164, 91, 545, 263);

// The panel switch of a target window: each named child shown or hidden, in
// the order given.
void switchPanels(QWidget *window, std::initializer_list<std::pair<const char *, bool>> panels)
{
    for (const auto &[name, visible] : panels)
        if (QWidget *panel = window->findChild<QWidget *>(QString::fromLatin1(name)))
            panel->setVisible(visible);
}

cx::TGradProgress *etchedLine(QWidget *parent, const char *name)
{
    auto *bar = new cx::TGradProgress(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setStyle(cx::TGradProgress::gsHorizontal);
    bar->setStartColor(QColor(0x00, 0x00, 0xFF));
    bar->setEndColor(QColor(0xFF, 0x00, 0x00));
    bar->setMaxValue(100);
    bar->setPosition(100);
    bar->setStep(1);
    bar->setBevelStyle(cx::TGradProgress::bsLowered);
    bar->setBevelWidth(1);
    bar->setShowPercent(false);
    bar->setBackColor(parent->palette().color(QPalette::Button));
    return bar;
}

QImage picture(const QString &file) { return QImage(QStringLiteral(":/pictures/") + file); }

} // namespace

QRect bannerRect(QSize area)
{
    // The banner keeps its centre at the same fraction of the area.
    const double cx = (kDesignBanner.left() + kDesignBanner.width() / 2.0) * area.width() / kDesignArea.width();
    const double cy = (kDesignBanner.top() + kDesignBanner.height() / 2.0) * area.height() / kDesignArea.height();
    return QRect(int(cx - kDesignBanner.width() / 2.0), int(cy - kDesignBanner.height() / 2.0), kDesignBanner.width(),
                 kDesignBanner.height());
}

MainLayout mainLayout(QSize client)
{
    const int w = client.width(), h = client.height();
    MainLayout l;
    l.gradProgress2 = QRect(0, 0, w, 2);
    l.flatpanel2 = QRect(0, 2, w, 60);
    l.gradProgress3 = QRect(0, 62, w, 2);
    l.smgpnl1 = QRect(0, h - 30, w, 30);
    l.gradProgress5 = QRect(0, h - 32, w, 2);
    l.gradProgress1 = QRect(0, h - 34, w, 2);
    l.flatpanel5 = QRect(0, h - 104, w, 70);
    l.gradProgress4 = QRect(0, h - 106, w, 2);
    l.smgpnl2 = QRect(0, 64, w, qMax(0, h - 106 - 64));
    l.img14 = bannerRect(l.smgpnl2.size());
    return l;
}

QRect maximisedFrame(QSize screen) { return QRect(0, 0, screen.width(), screen.height() - 30); }

QPoint skinMenuPosition(QPoint pointer) { return pointer + QPoint(15, 15); }

QString contactMailUrl()
{
    return QStringLiteral("mailto:zuozhe@chengxin.example?subject=") + QStringLiteral("澄心辞苑-中国优秀软件");
}

QString upgradeSiteUrl() { return QStringLiteral("https://chengxin.example/"); }

QString speechInstallerPath(const QString &executablePath)
{
    return executablePath.left(executablePath.lastIndexOf(QLatin1Char('/')) + 1) + QStringLiteral("TTS5.MSI");
}

TForm7::TForm7(QWidget *parent)
    : QMainWindow(parent), ds1(qry1.source), ds2(qry2.source), ds3(qry3.source), ds4(qry4.source)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("澄心辞苑 Z2020 build 01.01"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/chengxin.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(13);
    setFont(f);
    qry1.query.setObjectName(QStringLiteral("qry1"));
    qry2.query.setObjectName(QStringLiteral("qry2"));
    qry3.query.setObjectName(QStringLiteral("qry3"));
    qry4.query.setObjectName(QStringLiteral("qry4"));

    // The skin component skins every window from here on.
    skndt1 = new cx::skins::TSkinEngine(this);
    skndt1->setObjectName(QStringLiteral("skndt1"));

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);

    GradProgress2 = etchedLine(client_, "GradProgress2");
    flatpanel2 = new cx::TFlatPanel(client_);
    flatpanel2->setObjectName(QStringLiteral("flatpanel2"));
    flatpanel2->setColorBorder(QColor(0xFB, 0xFB, 0xFF));
    GradProgress3 = etchedLine(client_, "GradProgress3");

    smgpnl2 = new cx::TImagePanel(client_);
    smgpnl2->setObjectName(QStringLiteral("smgpnl2"));
    smgpnl2->setDrawStyle(cx::TImagePanel::dsTile);
    smgpnl2->setColor(QColor(0xF4, 0xF4, 0xFF));
    smgpnl2->setPicture(picture(QStringLiteral("tile.png")));
    img14 = new QLabel(smgpnl2);
    img14->setObjectName(QStringLiteral("img14"));
    img14->setScaledContents(true);
    img14->setAttribute(Qt::WA_TranslucentBackground);
    img14->setPixmap(QPixmap::fromImage(picture(QStringLiteral("banner.jpg"))));
    img14->setCursor(Qt::PointingHandCursor);

    GradProgress4 = etchedLine(client_, "GradProgress4");
    flatpanel5 = new cx::TFlatPanel(client_);
    flatpanel5->setObjectName(QStringLiteral("flatpanel5"));
    flatpanel5->setColorBorder(QColor(0xFB, 0xFB, 0xFF));
    GradProgress1 = etchedLine(client_, "GradProgress1");
    GradProgress5 = etchedLine(client_, "GradProgress5");

    smgpnl1 = new cx::TImagePanel(client_);
    smgpnl1->setObjectName(QStringLiteral("smgpnl1"));
    smgpnl1->setDrawStyle(cx::TImagePanel::dsTile);
    smgpnl1->setPicture(picture(QStringLiteral("strip.png")));
    smgpnl1->setCursor(Qt::PointingHandCursor);
    smgpnl1->setToolTip(QStringLiteral("查看各辞库的收录数量"));
    connect(smgpnl1, &cx::TImagePanel::clicked, this, handler([this] { smgpnl1Click(); }));

    buildToolbar();
    buildMenus();

    client_->installEventFilter(this);
    client_->resize(kDesignClient);
    placeControls();
    resize(kDesignClient.width(), kDesignClient.height() + mm1->sizeHint().height());

    // First shown centred on the desktop.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

TForm7::~TForm7() = default;

void TForm7::buildToolbar()
{
    struct Button {
        cx::TLumoButton *TForm7::*member;
        const char *name;
        int left;
        const char *caption;
        const char *glyph;
        void (TForm7::*click)();
    };
    const Button buttons[] = {
        {&TForm7::LumoButton4, "LumoButton4", 8, "成语词典", "tb_idiom", &TForm7::LumoButton4Click},
        {&TForm7::LumoButton3, "LumoButton3", 79, "中华灯谜", "tb_riddle", &TForm7::LumoButton3Click},
        {&TForm7::LumoButton5, "LumoButton5", 150, "歇后语", "tb_saying", &TForm7::LumoButton5Click},
        {&TForm7::LumoButton2, "LumoButton2", 233, "新华字典", "tb_character", &TForm7::LumoButton2Click},
        {&TForm7::LumoButton10, "LumoButton10", 306, "在线书写", "tb_stroke", &TForm7::LumoButton10Click},
        {&TForm7::LumoButton6, "LumoButton6", 388, "古汉语词", "tb_classical", &TForm7::LumoButton6Click},
        {&TForm7::LumoButton7, "LumoButton7", 460, "反义词", "tb_antonym", &TForm7::LumoButton7Click},
        {&TForm7::LumoButton1, "LumoButton1", 540, "汉语辞海", "tb_words", &TForm7::LumoButton1Click},
        {&TForm7::LumoButton9, "LumoButton9", 612, "在线辞海", "tb_online", &TForm7::LumoButton9Click},
        {&TForm7::LumoButton11, "LumoButton11", 756, "联系作者", "tb_contact", &TForm7::LumoButton11Click},
        {&TForm7::LumoButton8, "LumoButton8", 820, "界面", "tb_skin", &TForm7::LumoButton8Click},
    };
    for (const Button &b : buttons) {
        auto *button = new cx::TLumoButton(flatpanel2);
        this->*b.member = button;
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, 0, 64, 60);
        button->setLayout(cx::TLumoButton::blGlyphTop);
        button->setSpacing(5);
        button->setRepeatInterval(50);
        button->setRepeatStartInterval(50);
        button->setGlyph(picture(QLatin1String(b.glyph) + QStringLiteral(".png")));
        button->setGlyphHot(picture(QLatin1String(b.glyph) + QStringLiteral("_hot.png")));
        button->setCaption(QString::fromUtf8(b.caption));
        connect(button, &cx::TLumoButton::clicked, this, handler([this, click = b.click] { (this->*click)(); }));
    }
    // The two word dictionaries carry a red caption of their own.
    for (cx::TLumoButton *red : {LumoButton1, LumoButton9}) {
        QFont f(QStringLiteral("宋体"));
        f.setPixelSize(13);
        red->setFont(f);
        QPalette pal = red->palette();
        pal.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
        red->setPalette(pal);
    }

    struct Separator {
        QLabel *TForm7::*member;
        const char *name;
        int left;
    };
    const Separator separators[] = {
        {&TForm7::img1, "img1", 220}, {&TForm7::img7, "img7", 378}, {&TForm7::img6, "img6", 530}, {&TForm7::img5, "img5", 682}};
    for (const Separator &s : separators) {
        auto *line = new QLabel(flatpanel2);
        this->*s.member = line;
        line->setObjectName(QString::fromLatin1(s.name));
        line->setGeometry(s.left, 2, 5, 55);
        line->setAttribute(Qt::WA_TranslucentBackground);
        line->setPixmap(QPixmap::fromImage(picture(QStringLiteral("separator.png"))));
    }
}

void TForm7::buildMenus()
{
    mm1 = new QMenuBar(this);
    mm1->setObjectName(QStringLiteral("mm1"));
    setMenuBar(mm1);

    auto item = [this](QMenu *menu, QAction *&action, const char *name, const char *caption, void (TForm7::*click)()) {
        action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler([this, click] { (this->*click)(); }));
    };
    auto separator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    auto top = [this](QMenu *&menu, const char *name, const char *caption) {
        menu = mm1->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
    };

    top(y1, "y1", "主要功能");
    item(y1, N14, "N14", "新华字典", &TForm7::LumoButton2Click);
    item(y1, N15, "N15", "汉语辞海", &TForm7::LumoButton1Click);
    item(y1, N16, "N16", "成语词典", &TForm7::LumoButton4Click);
    separator(y1, "N29");
    item(y1, N30, "N30", "退出软件", &TForm7::N30Click);

    top(N8, "N8", "扩展功能");
    item(N8, N17, "N17", "中华灯谜", &TForm7::LumoButton3Click);
    item(N8, N18, "N18", "歇后语", &TForm7::LumoButton5Click);
    separator(N8, "N31");
    item(N8, N19, "N19", "古汉语词典", &TForm7::LumoButton6Click);
    item(N8, N20, "N20", "反义词典", &TForm7::LumoButton7Click);

    top(N11, "N11", "辅助功能");
    item(N11, N21, "N21", "网上辞海", &TForm7::LumoButton9Click);
    item(N11, N22, "N22", "网上汉字笔顺", &TForm7::LumoButton10Click);
    separator(N11, "N28");
    item(N11, N23, "N23", "语音引擎", &TForm7::N23Click);

    top(N12, "N12", "关于软件");
    item(N12, N24, "N24", "软件升级", &TForm7::N24Click);
    item(N12, N25, "N25", "联系作者", &TForm7::N25Click);

    // "更换界面" has no items: the top-level item itself acts.
    N13 = mm1->addAction(QStringLiteral("更换界面"));
    N13->setObjectName(QStringLiteral("N13"));
    connect(N13, &QAction::triggered, this, handler([this] { N13Click(); }));

    popupmenu1 = new QMenu(this);
    popupmenu1->setObjectName(QStringLiteral("popupmenu1"));
    item(popupmenu1, N1, "N1", "春暖花开", &TForm7::N1Click);
    separator(popupmenu1, "N5");
    item(popupmenu1, N2, "N2", "骄阳似火", &TForm7::N2Click);
    separator(popupmenu1, "N6");
    item(popupmenu1, N3, "N3", "秋高气爽", &TForm7::N3Click);
    separator(popupmenu1, "N7");
    item(popupmenu1, N4, "N4", "银装素裏", &TForm7::N4Click);
    separator(popupmenu1, "N9");
    item(popupmenu1, N10, "N10", "蓝色妖姬", &TForm7::N10Click);
}

void TForm7::placeControls()
{
    const MainLayout l = mainLayout(client_->size());
    GradProgress2->setGeometry(l.gradProgress2);
    flatpanel2->setGeometry(l.flatpanel2);
    GradProgress3->setGeometry(l.gradProgress3);
    smgpnl2->setGeometry(l.smgpnl2);
    img14->setGeometry(l.img14);
    GradProgress4->setGeometry(l.gradProgress4);
    flatpanel5->setGeometry(l.flatpanel5);
    GradProgress1->setGeometry(l.gradProgress1);
    GradProgress5->setGeometry(l.gradProgress5);
    smgpnl1->setGeometry(l.smgpnl1);
}

bool TForm7::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_ && event->type() == QEvent::Resize) {
        placeControls();
        // The border is fixed: only maximising changes the size.
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
            && client_->size() != kDesignClient)
            QTimer::singleShot(0, this, [this] {
                if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
                    resize(size() + (kDesignClient - client_->size()));
            });
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- collection actions ------------------------------------------------------
// Each runs its statement first: a failed statement raises, so the target
// window is neither prepared nor shown. A target window that is not part of
// the window set yet is skipped after the statement.

void TForm7::LumoButton2Click()
{
    cx::data::RunQuery(qry1, cx::data::statements::S1(), true);
    if (QWidget *w = cx::app::window(QStringLiteral("TForm5")))
        cx::app::showWindow(w);
}

void TForm7::LumoButton3Click()
{
    cx::data::RunQuery(qry3, cx::data::statements::S2(), false);
    if (QWidget *w = cx::app::window(QStringLiteral("TForm4"))) {
        switchPanels(w, {{"flatpanel2", true}, {"flatpanel3", false}, {"flatpanel4", false}});
        cx::app::showWindow(w);
    }
}

void TForm7::LumoButton4Click()
{
    cx::data::RunQuery(qry3, cx::data::statements::S3(), false);
    if (QWidget *w = cx::app::window(QStringLiteral("TForm4"))) {
        switchPanels(w, {{"flatpanel3", true}, {"flatpanel2", false}, {"flatpanel4", false}});
        cx::app::showWindow(w);
    }
}

void TForm7::LumoButton5Click()
{
    cx::data::RunQuery(qry3, cx::data::statements::S4(), false);
    if (QWidget *w = cx::app::window(QStringLiteral("TForm4"))) {
        switchPanels(w, {{"flatpanel4", true}, {"flatpanel2", false}, {"flatpanel3", false}});
        cx::app::showWindow(w);
    }
}

void TForm7::LumoButton6Click()
{
    cx::data::RunQuery(qry4, cx::data::statements::S5(), false);
    if (QWidget *w = cx::app::window(QStringLiteral("TForm6"))) {
        if (auto *title = w->findChild<cx::TImagePanel *>(QStringLiteral("ImagePanel1")))
            title->setCaption(QStringLiteral("中国古汉语文言词总汇"));
        switchPanels(w, {{"flatpanel1", true}, {"flatpanel2", false}});
        cx::app::showWindow(w);
    }
}

void TForm7::LumoButton7Click()
{
    cx::data::RunQuery(qry4, cx::data::statements::S6(), false);
    if (QWidget *w = cx::app::window(QStringLiteral("TForm6"))) {
        if (auto *title = w->findChild<cx::TImagePanel *>(QStringLiteral("ImagePanel1")))
            title->setCaption(QStringLiteral("中国汉语正反义词总汇"));
        switchPanels(w, {{"flatpanel2", true}, {"flatpanel1", false}});
        cx::app::showWindow(w);
    }
}

void TForm7::LumoButton10Click()
{
    if (QWidget *w = cx::app::window(QStringLiteral("TForm10"))) {
        if (auto *bar = w->findChild<cx::TGradProgress *>(QStringLiteral("GradProgress1")))
            bar->setPosition(0);
        cx::app::showWindow(w);
    }
}

void TForm7::LumoButton1Click()
{
    if (QWidget *w = cx::app::window(QStringLiteral("TForm1")))
        cx::app::showWindow(w);
}

void TForm7::LumoButton9Click()
{
    if (QWidget *w = cx::app::window(QStringLiteral("TForm9")))
        cx::app::showWindow(w);
}

void TForm7::smgpnl1Click()
{
    if (QWidget *w = cx::app::window(QStringLiteral("TForm8")))
        cx::app::showWindow(w);
}

// --- confirmed actions ---------------------------------------------------------

void TForm7::LumoButton11Click()
{
    if (cx::app::boxes().confirm(QStringLiteral("是否确认？\r\n\r\n启动邮件程序，联系软件作者？")))
        cx::app::ShellOpen(contactMailUrl());
}

void TForm7::N25Click() { LumoButton11Click(); }

void TForm7::N24Click()
{
    if (cx::app::boxes().confirm(QStringLiteral("是否确认？\r\n\r\n访问软件升级网站？")))
        cx::app::ShellOpen(upgradeSiteUrl());
}

void TForm7::N23Click()
{
    if (!cx::app::boxes().confirm(QStringLiteral("是否确认？\r\n\r\n如果没有听到发音，请安装语音引擎")))
        return;
    // Nothing happens when the installer is not there.
    const QString installer = speechInstallerPath(QCoreApplication::applicationFilePath());
    if (QFileInfo(installer).isFile())
        cx::app::ShellOpen(installer);
}

void TForm7::N30Click()
{
    if (cx::app::boxes().confirm(QStringLiteral("是否确认？\r\n\r\n退出软件吗？")))
        close();
}

// --- skins -------------------------------------------------------------------

void TForm7::LumoButton8Click() { popupmenu1->popup(skinMenuPosition(QCursor::pos())); }
void TForm7::N13Click() { LumoButton8Click(); }
void TForm7::N1Click() { skndt1->setSkinFile(QStringLiteral("skin\\skin1.skn")); }
void TForm7::N2Click() { skndt1->setSkinFile(QStringLiteral("skin\\skin2.skn")); }
void TForm7::N3Click() { skndt1->setSkinFile(QStringLiteral("skin\\skin3.skn")); }
void TForm7::N4Click() { skndt1->setSkinFile(QStringLiteral("skin\\skin4.skn")); }
void TForm7::N10Click() { skndt1->setSkinFile(QStringLiteral("skin\\skin5.skn")); }

// --- window ------------------------------------------------------------------

void TForm7::WMGetMinMaxInfo()
{
    // The window manager maximises a window within its size limit: the limit
    // is the maximised frame less the frame the window manager draws.
    const QScreen *s = screen();
    if (!s)
        return;
    const QRect frame = maximisedFrame(s->geometry().size());
    const QRect outer = frameGeometry(), inner = geometry();
    const QSize decoration(outer.width() - inner.width(), outer.height() - inner.height());
    // On a screen smaller than the window the limit would shrink the normal
    // window too: it never goes below the normal size.
    const QSize normal(kDesignClient.width(), kDesignClient.height() + menuBar()->sizeHint().height());
    setMaximumSize((frame.size() - decoration).expandedTo(normal));
}

void TForm7::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    WMGetMinMaxInfo();
    if (windowHandle() && !screenWatched_) {
        screenWatched_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { WMGetMinMaxInfo(); });
    }
}

void TForm7::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The frame is known once the window manager has framed the window.
    if (event->type() == QEvent::WindowStateChange)
        QTimer::singleShot(0, this, [this] { WMGetMinMaxInfo(); });
}

void TForm7::closeEvent(QCloseEvent *event)
{
    // Closing the main window by any means ends the program.
    event->accept();
    QCoreApplication::quit();
}
