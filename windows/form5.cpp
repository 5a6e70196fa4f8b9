#include "windows/form5.h"

#include "app/application.h"
#include "app/boxes.h"
#include "app/dragwindow.h"
#include "app/forms.h"
#include "app/wheelhook.h"
#include "data/runquery.h"
#include "data/searchinput.h"
#include "data/statements.h"
#include "speech/spvoice.h"
#include "text/gbk.h"
#include "widgets/flatbutton.h"
#include "widgets/flatpanel.h"
#include "widgets/lumobutton.h"
#include "windows/dbcontrols.h"
#include "windows/gridlook.h"
#include "windows/windowlook.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

using cx::app::handler;
using cx::windows::fitLine;
using cx::windows::pixelFont;
using cx::windows::setTextColour;

namespace {

const QColor kOlive(0x80, 0x80, 0x00);
const QColor kDarkOlive(0x3E, 0x3E, 0x00);

// ---- the character search --------------------------------------------------

bool isPinyinVowel(QChar c)
{
    return QStringLiteral("aeiouü").contains(c);
}

// The tone marks of each vowel, first to fourth tone.
QString tonedVowel(QChar vowel, int tone)
{
    static const struct {
        QChar vowel;
        const char16_t *marks;
    } table[] = {{u'a', u"āáǎà"}, {u'e', u"ēéěè"}, {u'i', u"īíǐì"},
                 {u'o', u"ōóǒò"}, {u'u', u"ūúǔù"}, {u'ü', u"ǖǘǚǜ"}};
    for (const auto &t : table)
        if (t.vowel == vowel)
            return QString(QChar(t.marks[tone - 1]));
    return QString(vowel);
}

// A marked vowel back to its plain letter and its tone (0 when unmarked).
QChar plainVowel(QChar c, int *tone)
{
    static const char16_t *const rows[] = {u"aāáǎà", u"eēéěè", u"iīíǐì", u"oōóǒò", u"uūúǔù", u"üǖǘǚǜ"};
    for (const char16_t *row : rows) {
        const QString r = QString::fromUtf16(row);
        const qsizetype at = r.indexOf(c);
        if (at >= 0) {
            *tone = int(at);
            return r.at(0);
        }
    }
    *tone = 0;
    return c;
}

// The syllable with the tone mark where pinyin puts it: on a or e, on the o
// of ou, else on the last vowel.
QString markSyllable(const QString &plain, int tone)
{
    if (tone < 1 || tone > 4)
        return plain;
    qsizetype at = plain.indexOf(QLatin1Char('a'));
    if (at < 0)
        at = plain.indexOf(QLatin1Char('e'));
    if (at < 0)
        at = plain.indexOf(QLatin1String("ou"));
    if (at < 0)
        for (qsizetype i = plain.size() - 1; i >= 0; --i)
            if (isPinyinVowel(plain.at(i))) {
                at = i;
                break;
            }
    if (at < 0)
        return plain;
    return plain.left(at) + tonedVowel(plain.at(at), tone) + plain.mid(at + 1);
}

// The spellings a pinyin syllable may be stored under: the given tone only,
// or with no tone given all five.
QStringList pinyinSpellings(const QString &input)
{
    QString s = input.toLower();
    int tone = -1;
    if (!s.isEmpty() && s.back() >= QLatin1Char('0') && s.back() <= QLatin1Char('5')) {
        tone = s.back().digitValue() % 5;
        s.chop(1);
    }
    QString plain;
    for (QChar c : s) {
        if (c == QLatin1Char('v'))
            c = QChar(u'ü');
        int marked = 0;
        const QChar p = plainVowel(c, &marked);
        if (marked) {
            if (tone >= 0 && tone != marked)
                return {};
            tone = marked;
        }
        if (!(p >= QLatin1Char('a') && p <= QLatin1Char('z')) && p != QChar(u'ü'))
            return {};
        plain += p;
    }
    // An initial, vowels and an optional nasal or r; or one of the
    // syllables without a vowel (m, n, ng, hm, hng).
    static const QRegularExpression syllable(
        QStringLiteral("^(?:(?:zh|ch|sh|[bpmfdtnlgkhjqxrzcsyw])?[aeiouü]{1,3}(?:n|ng|r)?|h?ng?|h?m)$"));
    if (plain.size() > 6 || !syllable.match(plain).hasMatch())
        return {};
    if (!std::any_of(plain.cbegin(), plain.cend(), isPinyinVowel))
        return {plain};
    if (tone >= 0)
        return {markSyllable(plain, tone)};
    QStringList all{plain};
    for (int t = 1; t <= 4; ++t)
        all << markSyllable(plain, t);
    return all;
}

QString anyOf(const QStringList &conditions)
{
    return QStringLiteral("select * from hzlib where ") + conditions.join(QStringLiteral(" or "));
}

QString equals(const char *field, const QString &value)
{
    return QLatin1String(field) + QStringLiteral(" =") + cx::data::statements::literal(value);
}

} // namespace

QString characterEntryText(const QString &name, const QString &oldname, const QString &part, const QString &spell,
                           const QString &content)
{
    const QString gap = QStringLiteral("\r\n\r\n");
    return name + QStringLiteral("  ") + oldname + gap + QStringLiteral("部首：") + part + QStringLiteral("  拼音：")
        + spell + gap + content;
}

std::optional<QString> characterSearchStatement(const QString &input)
{
    const QString text = cx::text::trimmed(input);
    // Characters first: any hanzi typed is what the user looks for.
    QStringList hanzi;
    for (QChar c : cx::data::KeepDoubleByte(text))
        if (c.script() == QChar::Script_Han && !hanzi.contains(QString(c)) && hanzi.size() < 32)
            hanzi << QString(c);
    if (!hanzi.isEmpty()) {
        QStringList conditions;
        for (const QString &c : hanzi)
            conditions << equals("name", c) << equals("oldname", c);
        return anyOf(conditions);
    }
    if (text.isEmpty())
        return std::nullopt;
    QStringList conditions;
    for (const QString &spelling : pinyinSpellings(text))
        conditions << equals("spell", spelling);
    static const QRegularExpression wubi(QStringLiteral("^[a-yA-Y]{1,4}$"));
    if (wubi.match(text).hasMatch())
        conditions << equals("wbcode", text.toUpper()) << equals("wbcode", text.toLower());
    if (conditions.isEmpty())
        return std::nullopt;
    return anyOf(conditions);
}

TForm5::TForm5(cx::data::QuerySlot &qry1, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), qry1_(qry1)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("澄心辞苑"));
    setFont(pixelFont("宋体", 16));
    setFixedSize(721, 420);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, Qt::white);
    windowPalette.setColor(QPalette::WindowText, Qt::black);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    cx::data::DataSource *ds1 = &qry1.source;

    flatpanel5 = new cx::TFlatPanel(this);
    flatpanel5->setObjectName(QStringLiteral("flatpanel5"));
    flatpanel5->setGeometry(0, 0, 721, 420);
    flatpanel5->setColor(Qt::white);
    flatpanel5->setColorBorder(Qt::black);
    flatpanel5->setTransparent(true);
    flatpanel5->setTransBorder(true);

    dbgrd1 = new cx::windows::TDBGrid(ds1, {{QStringLiteral("name"), QString(), 50}}, flatpanel5);
    dbgrd1->setObjectName(QStringLiteral("dbgrd1"));
    dbgrd1->setGeometry(0, 0, 81, 420);
    cx::windows::styleListGrid(dbgrd1, {pixelFont("宋体", 32), QColor(0xF4, 0xF4, 0xEC), kDarkOlive, Qt::white,
                                    {{pixelFont("宋体", 31), QColor(0x1A, 0x1A, 0x00), Qt::AlignCenter}}});

    flatpanel4 = new cx::TFlatPanel(flatpanel5);
    flatpanel4->setObjectName(QStringLiteral("flatpanel4"));
    flatpanel4->setGeometry(80, 0, 641, 129);
    flatpanel4->setColor(Qt::white);
    flatpanel4->setColorBorder(QColor(0x5A, 0x5A, 0x5A));

    const QFont hei16 = pixelFont("黑体", 16);
    auto caption = [&](QLabel *&label, const char *name, int left, const char *text) {
        label = new QLabel(QString::fromUtf8(text), flatpanel4);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(left, 20, 48, 16);
        label->setFont(hei16);
        setTextColour(label, kDarkOlive);
        fitLine(label);
    };
    auto olive = [&](cx::windows::TDBText *&label, const char *name, const char *field, int left, int width,
                     bool opaque, void (TForm5::*click)()) {
        label = new cx::windows::TDBText(ds1, QString::fromLatin1(field), flatpanel4);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(left, 20, width, 17);
        label->setFont(hei16);
        setTextColour(label, kOlive);
        fitLine(label);
        label->setCursor(Qt::PointingHandCursor);
        if (opaque) {
            QPalette p = label->palette();
            p.setColor(QPalette::Window, Qt::white);
            label->setPalette(p);
            label->setAutoFillBackground(true);
        }
        connect(label, &cx::windows::TDBText::clicked, this, handler([this, click] { (this->*click)(); }));
    };

    dbtextname = new cx::windows::TDBText(ds1, QStringLiteral("name"), flatpanel4);
    dbtextname->setObjectName(QStringLiteral("dbtextname"));
    dbtextname->setGeometry(26, 10, 91, 79);
    dbtextname->setFont(pixelFont("黑体", 59));
    dbtextname->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(dbtextname, kDarkOlive);

    caption(label2, "label2", 144, "繁体：");
    olive(dbtextoldname, "dbtextoldname", "oldname", 184, 25, false, &TForm5::dbtextoldnameClick);
    caption(label4, "label4", 232, "部首：");
    olive(dbtextpart, "dbtextpart", "part", 272, 65, false, &TForm5::dbtextpartClick);
    caption(label5, "label5", 320, "五笔：");
    olive(dbtextwbcode, "dbtextwbcode", "wbcode", 360, 65, true, &TForm5::dbtextwbcodeClick);
    caption(label3, "label3", 432, "拼音：");
    olive(dbtextspell, "dbtextspell", "spell", 472, 65, true, &TForm5::dbtextspellClick);

    lbl1 = new QLabel(QStringLiteral("lbl1"), flatpanel4);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setGeometry(392, 8, 32, 16);
    lbl1->hide();

    auto flatButton = [&](cx::TFlatButton *&button, const char *name, int left, const char *text, const char *glyph,
                          void (TForm5::*click)()) {
        button = new cx::TFlatButton(flatpanel4);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, 46, 81, 33);
        button->setCaption(QString::fromUtf8(text));
        button->setFont(hei16);
        setTextColour(button, QColor(0x80, 0x00, 0xFF));
        button->setFoisColor(Qt::blue);
        button->setFoisStyle({});
        button->setGlyph(QImage(QStringLiteral(":/pictures/") + QLatin1String(glyph)));
        button->setLayout(cx::TFlatButton::blGlyphLeft);
        button->setSpacing(5);
        button->setTransparent(cx::TFlatButton::tmAlways);
        button->setTransBorder(true);
        connect(button, &cx::TFlatButton::clicked, this, handler([this, click] { (this->*click)(); }));
    };
    flatButton(FlatButton3, "FlatButton3", 160, "搜索", "glyph_find_19x20.png", &TForm5::FlatButton3Click);
    flatButton(FlatButton2, "FlatButton2", 258, "复制", "glyph_copy_19x20.png", &TForm5::FlatButton2Click);
    flatButton(FlatButton1, "FlatButton1", 357, "朗读", "glyph_speak_19x20.png", &TForm5::FlatButton1Click);
    flatButton(FlatButton4, "FlatButton4", 456, "返回", "glyph_return_19x20.png", &TForm5::FlatButton4Click);

    LumoButton22 = new cx::TLumoButton(flatpanel4);
    LumoButton22->setObjectName(QStringLiteral("LumoButton22"));
    LumoButton22->setGeometry(578, 14, 47, 51);
    LumoButton22->setGlyph(QImage(QStringLiteral(":/pictures/glyph_speak_20x20.png")));
    LumoButton22->setToolTip(QStringLiteral("读音"));
    connect(LumoButton22, &cx::TLumoButton::clicked, this, handler([this] { LumoButton22Click(); }));

    img1 = new QLabel(flatpanel4);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(0, 86, 640, 43);
    img1->setScaledContents(true);
    img1->setAttribute(Qt::WA_TranslucentBackground);
    img1->setPixmap(QPixmap(QStringLiteral(":/pictures/char_banner.jpg")));
    cx::app::onMouseDown(img1, [this] { img1MouseDown(); });

    flatpanel1 = new cx::TFlatPanel(flatpanel5);
    flatpanel1->setObjectName(QStringLiteral("flatpanel1"));
    flatpanel1->setGeometry(80, 128, 641, 292);
    flatpanel1->setColor(QColor(0xFA, 0xFA, 0xF5));
    flatpanel1->setColorBorder(QColor(0x5A, 0x5A, 0x5A));

    // Read-only: the stores are never written.
    dbmemocontent = new cx::windows::TDBMemo(ds1, QStringLiteral("content"), flatpanel1);
    dbmemocontent->setObjectName(QStringLiteral("dbmemocontent"));
    dbmemocontent->setGeometry(15, 8, 625, 281);
    dbmemocontent->setFont(pixelFont("宋体", 15));
    dbmemocontent->setFrameShape(QFrame::NoFrame);
    dbmemocontent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dbmemocontent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        QPalette p = dbmemocontent->palette();
        p.setColor(QPalette::Base, QColor(0xFA, 0xFA, 0xF5));
        p.setColor(QPalette::Text, QColor(0x6C, 0x6C, 0x00));
        dbmemocontent->setPalette(p);
    }

    spvoice1 = new cx::speech::TSpVoice(this);
    spvoice1->setObjectName(QStringLiteral("spvoice1"));
    // A failure after Speak returned (synthesis, a lost output device).
    connect(spvoice1, &cx::speech::TSpVoice::errorOccurred, this,
            [](const QString &message) { cx::app::boxes().error(message); });

    ApplicationEvents1 = new cx::app::ApplicationEvents(
        this, [this](QObject *target, QEvent *event) { return ApplicationEvents1Message(target, event); });
    ApplicationEvents1->setObjectName(QStringLiteral("ApplicationEvents1"));
}

TForm5::~TForm5()
{
    // The hook calls back into this window: it must stop before the
    // window's parts are taken down.
    delete ApplicationEvents1;
}

void TForm5::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    // Centred over the main window when first shown.
    const QWidget *main = cx::app::window(QStringLiteral("TForm7"));
    QRect over = main && main->isVisible() ? main->frameGeometry() : QRect();
    if (over.isNull())
        if (const QScreen *s = screen())
            over = s->availableGeometry();
    if (!over.isNull())
        move(over.center() - QPoint(width() / 2, height() / 2));
}

void TForm5::lookup(cx::windows::TDBText *label, QString (*statement)(const QString &))
{
    // The value is taken before the statement is replaced: replacing it
    // closes qry1 and blanks the label.
    lbl1->setText(label->text());
    cx::data::RunQuery(qry1_, statement(cx::text::trimmed(lbl1->text())), true);
    cx::app::showWindow(this);
}

void TForm5::dbtextoldnameClick() { lookup(dbtextoldname, cx::data::statements::S16); }
void TForm5::dbtextpartClick() { lookup(dbtextpart, cx::data::statements::S13); }
void TForm5::dbtextwbcodeClick() { lookup(dbtextwbcode, cx::data::statements::S15); }
void TForm5::dbtextspellClick() { lookup(dbtextspell, cx::data::statements::S14); }

void TForm5::FlatButton3Click()
{
    const std::optional<QString> reply =
        cx::app::boxes().input(QStringLiteral("新华字典"), QStringLiteral("请输入汉字、拼音或五笔......    "), QString());
    if (!reply)
        return;
    const std::optional<QString> statement = characterSearchStatement(*reply);
    if (!statement)
        return;
    cx::data::RunQuery(qry1_, *statement, true);
    if (qry1_.query.recordCount() == 0)
        cx::app::boxes().message(cx::text::trimmed(*reply) + QStringLiteral(" 没有搜索到结果！"));
}

void TForm5::FlatButton2Click()
{
    // The box shows lines; the clipboard gets them with CR LF like the rest.
    QString content = dbmemocontent->toPlainText();
    content.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QGuiApplication::clipboard()->setText(characterEntryText(dbtextname->text(), dbtextoldname->text(),
                                                             dbtextpart->text(), dbtextspell->text(), content));
    cx::app::boxes().message(QStringLiteral("复制成功"));
}

void TForm5::speak()
{
    spvoice1->Speak(QString(cx::speech::kChineseTag) + dbtextname->text(), cx::speech::SVSFlagsAsync);
}

void TForm5::FlatButton1Click() { speak(); }
void TForm5::LumoButton22Click() { speak(); }
void TForm5::FlatButton4Click() { hide(); }
void TForm5::img1MouseDown() { cx::app::DragWindow(this); }

bool TForm5::ApplicationEvents1Message(QObject *target, QEvent *event)
{
    return cx::app::WheelToArrowKeys(this, target, event);
}
