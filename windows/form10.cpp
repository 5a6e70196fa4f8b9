#include "windows/form10.h"

#include "app/application.h"
#include "app/boxes.h"
#include "app/startup.h"
#include "data/runquery.h"
#include "data/searchinput.h"
#include "data/statements.h"
#include "data/storenames.h"
#include "player/strokeplayer.h"
#include "widgets/gradprogress.h"
#include "windows/dbcontrols.h"
#include "windows/windowlook.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

const QColor kNavy(0x00, 0x00, 0x80);

// The hz column: 宋体 15 px navy, centred.
class CharacterDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = cx::windows::pixelFont(QStringLiteral("宋体"), 15);
        option->fontMetrics = QFontMetrics(option->font);
        option->palette.setColor(QPalette::Text, kNavy);
        option->displayAlignment = Qt::AlignCenter;
    }
};

} // namespace

QString StrokeMovieBaseAddress() { return QStringLiteral("http://chengxin.example/other/hzbs/swf/"); }

QString StrokeMovieAddress(const QString &baseAddress, const QString &hm) { return baseAddress + hm; }

QString StrokeSearchStatement(const QString &chars)
{
    QStringList literals;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        // A character outside the basic plane is two code units.
        const qsizetype n = chars.at(i).isHighSurrogate() && i + 1 < chars.size() ? 2 : 1;
        QString one = chars.mid(i, n);
        i += n - 1;
        one.replace(QLatin1Char('"'), QLatin1String("\"\""));
        const QString literal = QLatin1Char('"') + one + QLatin1Char('"');
        if (!literals.contains(literal))
            literals << literal;
    }
    return QStringLiteral("select * from hzbs where hz in (") + literals.join(QLatin1Char(',')) + QLatin1Char(')');
}

TForm10::TForm10(QWidget *parent, const QString &baseAddress, const QString &movieFolder)
    : QWidget(parent), DataSource1(&ADOQuery1), baseAddress_(baseAddress)
{
    using cx::windows::pixelFont;
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("汉字笔顺查询"));
    // A fixed dialog frame: moved by its title bar, closed by its close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(688, 509);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    GradProgress1 = new cx::TGradProgress(this);
    GradProgress1->setObjectName(QStringLiteral("GradProgress1"));
    GradProgress1->setGeometry(0, 0, 688, 5);
    GradProgress1->setStyle(cx::TGradProgress::gsHorizontal);
    GradProgress1->setBevelStyle(cx::TGradProgress::bsLowered);
    GradProgress1->setBevelWidth(1);
    GradProgress1->setStartColor(QColor(0x00, 0x00, 0xFF));
    GradProgress1->setEndColor(QColor(0xFF, 0x00, 0x00));
    GradProgress1->setMaxValue(100);
    GradProgress1->setStep(1);
    GradProgress1->setShowPercent(false);
    GradProgress1->setPosition(0);

    Edit1 = new QLineEdit(QStringLiteral("输入汉字搜索"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(24, 24, 121, 28);
    Edit1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16));

    Button1 = new QPushButton(QStringLiteral("查找"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(168, 24, 75, 25);
    Button1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 15));

    DBEdit1 = new cx::windows::TDBEdit(&DataSource1, QStringLiteral("hm"), this);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setGeometry(256, 16, 121, 37);
    DBEdit1->hide();
    DBEdit2 = new cx::windows::TDBEdit(&DataSource1, QStringLiteral("hz"), this);
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->setGeometry(388, 16, 121, 37);
    DBEdit2->hide();

    dbgrd1 = new cx::windows::TDBGrid(&DataSource1, {{QStringLiteral("hz"), QStringLiteral("汉字"), 36}}, this);
    dbgrd1->setObjectName(QStringLiteral("dbgrd1"));
    dbgrd1->setGeometry(24, 66, 69, 429);
    cx::windows::styleGrid(dbgrd1, pixelFont(QStringLiteral("宋体"), 16), pixelFont(QStringLiteral("黑体"), 16, true),
                           Qt::black, QColor(0xFC, 0xFC, 0xF8), {});
    dbgrd1->setFrameShape(QFrame::NoFrame); // flat
    dbgrd1->setItemDelegateForColumn(0, new CharacterDelegate(dbgrd1));

    ShockwaveFlash1 = new cx::player::TStrokePlayer(baseAddress, this, movieFolder);
    ShockwaveFlash1->setObjectName(QStringLiteral("ShockwaveFlash1"));
    ShockwaveFlash1->setGeometry(98, 66, 571, 428);

    using cx::app::handler;
    connect(Button1, &QPushButton::clicked, this, handler([this] { Button1Click(); }));
    connect(Edit1, &QLineEdit::returnPressed, this, handler([this] { Button1Click(); }));
    connect(dbgrd1, &QAbstractItemView::clicked, this, handler([this] { dbgrd1CellClick(); }));
    connect(ShockwaveFlash1, &cx::player::TStrokePlayer::progress, this,
            [this](int percentDone) { cx::app::guarded([&] { ShockwaveFlash1Progress(percentDone); }); });
    connect(ShockwaveFlash1, &cx::player::TStrokePlayer::readyStateChange, this,
            [this](int newState) { cx::app::guarded([&] { ShockwaveFlash1ReadyStateChange(newState); }); });
    connect(ShockwaveFlash1, &cx::player::TStrokePlayer::fsCommand, this,
            [this](const QString &command, const QString &args) {
                cx::app::guarded([&] { ShockwaveFlash1FSCommand(command, args); });
            });
}

void TForm10::FormCreate()
{
    ADOQuery1.setConnectionString(cx::app::storeConnectionString(
        QStringLiteral("lxwi.dat"), cx::data::stores::password(cx::data::stores::kStrokes)));
    ADOQuery1.addSql(cx::data::statements::S7());
    ADOQuery1.open();
    loadCurrentMovie();
}

void TForm10::loadCurrentMovie()
{
    ShockwaveFlash1->setMovie(StrokeMovieAddress(baseAddress_, DBEdit1->text()));
}

void TForm10::dbgrd1CellClick() { loadCurrentMovie(); }

void TForm10::Button1Click()
{
    const QString chars = cx::data::KeepDoubleByte(Edit1->text());
    // Nothing to look for: the whole list again.
    const QString statement = cx::data::HasDoubleByte(chars) ? StrokeSearchStatement(chars) : cx::data::statements::S7();
    cx::data::RunQuery(ADOQuery1, statement, false);
    if (ADOQuery1.recordCount() == 0) {
        cx::app::boxes().message(chars + QStringLiteral(" 没有搜索到结果！"));
        return;
    }
    loadCurrentMovie();
}

void TForm10::ShockwaveFlash1Progress(int) { GradProgress1->setPosition(GradProgress1->position() + 5); }

void TForm10::ShockwaveFlash1ReadyStateChange(int) { GradProgress1->setPosition(100); }

void TForm10::ShockwaveFlash1FSCommand(const QString &, const QString &) { GradProgress1->setPosition(100); }

void TForm10::showEvent(QShowEvent *event)
{
    if (!placed_) {
        placed_ = true;
        cx::windows::placeOverMainWindow(this);
    }
    QWidget::showEvent(event);
}
