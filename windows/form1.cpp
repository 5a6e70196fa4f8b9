#include "windows/form1.h"

#include "app/application.h"
#include "app/boxes.h"
#include "app/dragwindow.h"
#include "app/forms.h"
#include "app/wheelhook.h"
#include "chartable/chartable.h"
#include "data/runquery.h"
#include "data/searchinput.h"
#include "data/statements.h"
#include "data/storenames.h"
#include "speech/spvoice.h"
#include "widgets/flatpanel.h"
#include "widgets/lumobutton.h"
#include "windows/dbcontrols.h"
#include "windows/gridlook.h"
#include "windows/windowlook.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

using cx::app::handler;
using cx::windows::fitLine;
using cx::windows::pixelFont;
using cx::windows::setTextColour;

namespace {

QImage picture(const char *file) { return QImage(QStringLiteral(":/pictures/") + QLatin1String(file)); }

const QColor kNavy(0x00, 0x00, 0x80);

QString wordTable() { return QString::fromLatin1(cx::data::stores::kWordTable); }

} // namespace

QString firstWordsStatement()
{
    return QStringLiteral("select * from ") + wordTable() + QStringLiteral(" where ID>0 and ID<200");
}

QString wordSearchStatement(const QString &text)
{
    return QStringLiteral("select * from ") + wordTable() + QStringLiteral(" where word like ")
        + cx::data::statements::literal(QLatin1Char('%') + text + QLatin1Char('%'));
}

QString wordEntryText(const QString &word, const QString &spell, const QString &wubi, const QString &ord,
                      const QString &content)
{
    const QStringList lines{QString(),
                            QStringLiteral("澄心辞苑"),
                            QString(),
                            QStringLiteral("词条：") + word,
                            QStringLiteral("拼音：") + spell,
                            QStringLiteral("五笔：") + wubi,
                            QStringLiteral("繁体：") + ord,
                            QStringLiteral("释义：") + content,
                            QString()};
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString spokenWord(const QString &word)
{
    QString out = word;
    out.replace(QLatin1Char('.'), QStringLiteral("。"));
    return out;
}

QString computedPinyin(const QString &word)
{
    QString out = cx::chartable::ConvertText(word, cx::chartable::CodeField::Pinyin);
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

QString computedWubi(const QString &word) { return cx::chartable::ConvertText(word, cx::chartable::CodeField::Wubi); }

TForm1::TForm1(cx::data::QuerySlot &qry2, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), qry2_(qry2)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("澄心辞苑"));
    setFont(pixelFont("宋体", 13));
    setFixedSize(700, 417);
    cx::data::DataSource *ds2 = &qry2.source;

    flatpanel2 = new cx::TFlatPanel(this);
    flatpanel2->setObjectName(QStringLiteral("flatpanel2"));
    flatpanel2->setGeometry(0, 0, 700, 417);
    flatpanel2->setColor(QColor(0xFC, 0xFC, 0xF8));
    flatpanel2->setColorBorder(QColor(0x00, 0x26, 0x39));
    cx::app::onMouseDown(flatpanel2, [this] { flatpanel2MouseDown(); });

    auto band = [&](cx::TFlatPanel *&panel, const char *name, int left, int width) {
        panel = new cx::TFlatPanel(flatpanel2);
        panel->setObjectName(QString::fromLatin1(name));
        panel->setGeometry(left, 0, width, 57);
        panel->setColor(QColor(0xF5, 0xF5, 0xEB));
        panel->setColorBorder(Qt::black);
    };
    band(flatpanel6, "flatpanel6", 0, 273);
    band(flatpanel3, "flatpanel3", 272, 428);

    const QFont song15 = pixelFont("宋体", 15);
    auto barButton = [&](cx::TLumoButton *&button, const char *name, int left, const char *text, const char *glyph,
                         const char *hot, void (TForm1::*click)()) {
        button = new cx::TLumoButton(flatpanel6);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, 13, 110, 36);
        button->setCaption(QString::fromUtf8(text));
        button->setFont(song15);
        setTextColour(button, Qt::blue);
        button->setHotTrackColor(kNavy);
        button->setButtonStyle(cx::TLumoButton::stNone);
        button->setLayout(cx::TLumoButton::blGlyphLeft);
        button->setSpacing(5);
        button->setGlyph(picture(glyph));
        button->setGlyphHot(picture(hot));
        connect(button, &cx::TLumoButton::clicked, this, handler([this, click] { (this->*click)(); }));
    };
    barButton(LumoButton4, "LumoButton4", 19, "词语搜索", "glyph_search_19x20.png", "glyph_search_24x24.png",
              &TForm1::LumoButton4Click);
    barButton(LumoButton5, "LumoButton5", 139, "退出返回", "glyph_return_19x20.png", "glyph_return_24x24.png",
              &TForm1::LumoButton5Click);

    img1 = new QLabel(flatpanel3);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(2, 2, 424, 53);
    img1->setScaledContents(true);
    img1->setPixmap(QPixmap::fromImage(picture("word_banner.jpg")));
    cx::app::onMouseDown(img1, [this] { flatpanel2MouseDown(); });

    DBGrid1 = new cx::windows::TDBGrid(ds2, {{QStringLiteral("word"), QString(), 245}}, flatpanel2);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(0, 56, 273, 361);
    cx::windows::styleListGrid(DBGrid1, {pixelFont("宋体", 19), Qt::white, QColor(0x80, 0x80, 0x40), Qt::black,
                                     {{song15, kNavy, Qt::AlignLeft | Qt::AlignVCenter}}});

    Image1 = new QLabel(flatpanel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(292, 72, 16, 16);
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Image1->setPixmap(QPixmap::fromImage(picture("glyph_mark_16x16.png")));

    auto label = [&](QLabel *&l, const char *name, QRect at, const char *text, const QColor &color) {
        l = new QLabel(QString::fromUtf8(text), flatpanel2);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(at);
        l->setFont(song15);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextColour(l, color);
        fitLine(l);
    };
    label(label9, "label9", QRect(308, 72, 60, 15), "【词语】", Qt::blue);
    label(label2, "label2", QRect(308, 95, 60, 15), "【拼音】", kNavy);
    label(label3, "label3", QRect(308, 118, 60, 15), "【五笔】", kNavy);
    label(label7, "label7", QRect(308, 141, 60, 15), "【繁体】", kNavy);
    label(label8, "label8", QRect(308, 164, 60, 15), "【释义】", kNavy);

    auto field = [&](cx::windows::TDBText *&l, const char *name, const char *fieldName, QRect at, const QColor &color) {
        l = new cx::windows::TDBText(ds2, QString::fromLatin1(fieldName), flatpanel2);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(at);
        l->setFont(song15);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextColour(l, color);
        fitLine(l);
    };
    field(dbtextword, "dbtextword", "word", QRect(365, 71, 80, 15), Qt::blue);
    // Sized to its text: a long word must not be cut off.
    connect(ds2, &cx::data::DataSource::dataChange, dbtextword, [this] { dbtextword->adjustSize(); });
    connect(ds2, &cx::data::DataSource::stateChange, dbtextword, [this] { dbtextword->adjustSize(); });
    field(dbtextspell, "dbtextspell", "spell", QRect(365, 93, 324, 18), kNavy);
    dbtextspell->setFont(pixelFont("Calibri", 15));
    fitLine(dbtextspell);
    label(label4, "label4", QRect(365, 116, 324, 18), "五笔", kNavy);
    label4->setWordWrap(true);
    field(dbtextord, "dbtextord", "ord", QRect(365, 139, 324, 18), kNavy);
    label(label5, "label5", QRect(312, 188, 377, 229), "label5", kNavy);
    label5->setWordWrap(true);
    label(label6, "label6", QRect(112, 288, 30, 15), "拼音", Qt::blue);
    label6->hide();

    dbmemocontent = new cx::windows::TDBMemo(ds2, QStringLiteral("content"), flatpanel2);
    dbmemocontent->setObjectName(QStringLiteral("dbmemocontent"));
    dbmemocontent->setGeometry(48, 152, 177, 169);
    dbmemocontent->setFont(pixelFont("宋体", 13));
    dbmemocontent->setFrameShape(QFrame::NoFrame);
    dbmemocontent->hide();
    connect(dbmemocontent, &cx::windows::TDBMemo::contentChanged, this, [this] { dbmemocontentChange(); });

    LumoButton1 = new cx::TLumoButton(flatpanel2);
    LumoButton1->setObjectName(QStringLiteral("LumoButton1"));
    LumoButton1->setGeometry(618, 67, 25, 25);
    LumoButton1->setGlyph(picture("glyph_speak_20x20.png"));
    LumoButton1->setColor(QColor(0xFC, 0xFC, 0xF8));
    connect(LumoButton1, &cx::TLumoButton::clicked, this, handler([this] { LumoButton1Click(); }));

    LumoButton2 = new cx::TLumoButton(flatpanel2);
    LumoButton2->setObjectName(QStringLiteral("LumoButton2"));
    LumoButton2->setGeometry(650, 67, 25, 25);
    LumoButton2->setGlyph(picture("glyph_copy_16x16.png"));
    LumoButton2->setToolTip(QStringLiteral("复制解释"));
    connect(LumoButton2, &cx::TLumoButton::clicked, this, handler([this] { LumoButton2Click(); }));

    // After every bound display: they have taken the new row by now.
    connect(ds2, &cx::data::DataSource::dataChange, this, [this] { ds2DataChange(); });

    spvoice1 = new cx::speech::TSpVoice(this);
    spvoice1->setObjectName(QStringLiteral("spvoice1"));
    connect(spvoice1, &cx::speech::TSpVoice::errorOccurred, this,
            [](const QString &message) { cx::app::boxes().error(message); });

    ApplicationEvents1 = new cx::app::ApplicationEvents(
        this, [this](QObject *target, QEvent *event) { return ApplicationEvents1Message(target, event); });
    ApplicationEvents1->setObjectName(QStringLiteral("ApplicationEvents1"));
}

TForm1::~TForm1()
{
    // The hook calls back into this window: it must stop before the
    // window's parts are taken down.
    delete ApplicationEvents1;
}

void TForm1::ds2DataChange()
{
    if (qry2_.query.recordCount() == 0)
        return;
    if (dbtextspell->text().isEmpty()) {
        label6->setText(computedPinyin(dbtextword->text()));
        dbtextspell->setText(label6->text());
    }
    label4->setText(computedWubi(dbtextword->text()));
}

void TForm1::dbmemocontentChange()
{
    const QString text = dbmemocontent->toPlainText();
    if (!text.isEmpty())
        label5->setText(text);
}

void TForm1::LumoButton1Click()
{
    spvoice1->Speak(QString(cx::speech::kChineseTag) + spokenWord(dbtextword->text()), cx::speech::SVSFlagsAsync);
}

void TForm1::LumoButton2Click()
{
    QGuiApplication::clipboard()->setText(
        wordEntryText(dbtextword->text(), dbtextspell->text(), label4->text(), dbtextord->text(), label5->text()));
    cx::app::boxes().message(QStringLiteral("复制成功"));
}

void TForm1::LumoButton4Click()
{
    const std::optional<QString> reply =
        cx::app::boxes().input(QStringLiteral("词语"), QStringLiteral("请搜索......    "), QString());
    if (!reply || reply->isEmpty())
        return;
    const QString text = cx::data::KeepDoubleByte(*reply);
    if (!cx::data::HasDoubleByte(text))
        return;
    cx::data::RunQuery(qry2_, wordSearchStatement(text), true);
    if (qry2_.query.recordCount() == 0)
        cx::app::boxes().message(text + QStringLiteral(" 没有搜索到结果！"));
}

void TForm1::LumoButton5Click() { hide(); }

void TForm1::flatpanel2MouseDown() { cx::app::DragWindow(this); }

bool TForm1::ApplicationEvents1Message(QObject *target, QEvent *event)
{
    return cx::app::WheelToArrowKeys(this, target, event);
}

void TForm1::ensureFirstSelection()
{
    if (!qry2_.query.isOpen())
        cx::data::RunQuery(qry2_, firstWordsStatement(), true);
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    cx::app::guarded([this] { ensureFirstSelection(); });
    if (placed_)
        return;
    placed_ = true;
    const QWidget *main = cx::app::window(QStringLiteral("TForm7"));
    QRect over = main && main->isVisible() ? main->frameGeometry() : QRect();
    if (over.isNull())
        if (const QScreen *s = screen())
            over = s->availableGeometry();
    if (!over.isNull())
        move(over.center() - QPoint(width() / 2, height() / 2));
}
