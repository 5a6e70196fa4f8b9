#include "windows/form8.h"

#include "app/application.h"
#include "app/boxes.h"
#include "app/dragwindow.h"
#include "app/startup.h"
#include "data/connection.h"
#include "data/error.h"
#include "data/runquery.h"
#include "data/store.h"
#include "data/storenames.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <memory>

namespace {

struct Collection {
    const char *caption;
    const char *unit;
    const char *file;
    const char *password;
    const char *table; // nullptr: the store's only table (the word table)
};

const Collection kCollections[] = {
    {"成语", "条", "lxwe.dat", "⑤乙乙C⑥", "成语"},
    {"词语", "条", "lxwd.dat", "乙乙⑤C⑥", nullptr},
    {"歇后语", "条", "lxwe.dat", "⑤乙乙C⑥", "歇后语"},
    {"古文字", "个", "lxwi.dat", "a3c07d2e", "hzbs"},
    {"汉字", "个", "lxwg.dat", "乙乙C⑥", "hzlib"},
    {"反义词", "组", "lxwa.dat", "⑤乙乙C", "fyclib"},
    {"古语词", "组", "lxwa.dat", "⑤乙乙C", "wylib"},
    {"灯谜", "条", "lxwe.dat", "⑤乙乙C⑥", "灯谜"},
};

// The tiled middle panel.
class TilePanel : public QWidget {
public:
    explicit TilePanel(QWidget *parent) : QWidget(parent), tile_(QStringLiteral(":/pictures/stats_tile.png")) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (tile_.isNull())
            p.fillRect(rect(), QColor(0xF4, 0xF4, 0xFF));
        else
            p.drawTiledPixmap(rect(), tile_);
    }

private:
    QPixmap tile_;
};

} // namespace

QString CollectionCount::text() const
{
    if (count < 0)
        return caption + QStringLiteral("：无法读取");
    return caption + QString::number(count) + unit;
}

std::vector<CollectionCount> CountCollections()
{
    using namespace cx::data;
    std::vector<CollectionCount> out;
    QMap<QString, std::shared_ptr<StoreConnection>> open;
    QMap<QString, QString> failed;
    for (const Collection &c : kCollections) {
        CollectionCount n;
        n.caption = QString::fromUtf8(c.caption);
        n.unit = QString::fromUtf8(c.unit);
        const QString file = QString::fromUtf8(c.file);
        try {
            if (failed.contains(file))
                throw DataError(failed.value(file));
            std::shared_ptr<StoreConnection> &conn = open[file];
            if (!conn) {
                ConnectionSettings settings = parseConnectionString(
                    cx::app::storeConnectionString(file, QString::fromUtf8(c.password)));
                settings.exclusive = false; // only counting: leave the slots' hold alone
                try {
                    conn = std::make_shared<StoreConnection>(settings);
                } catch (const DataError &e) {
                    open.remove(file);
                    failed.insert(file, e.message());
                    throw;
                }
            }
            QString table = c.table ? QString::fromUtf8(c.table) : QString();
            if (table.isEmpty()) {
                // The word table has the builder's name; a store of another
                // origin holds it as its only table besides the counts.
                QStringList tables = conn->tables();
                tables.removeAll(QLatin1String(cx::data::stores::kCountsTable));
                if (tables.contains(QLatin1String(cx::data::stores::kWordTable)))
                    table = QLatin1String(cx::data::stores::kWordTable);
                else if (tables.size() == 1)
                    table = tables.first();
                else
                    throw DataError(QStringLiteral("词库“%1”里找不到词语表").arg(file));
            }
            const ResultSet r = conn->select(QStringLiteral("select count(*) from ") + table);
            n.count = r.rowCount() == 1 ? r.at(0, 0).toInt() : 0;
        } catch (const DataError &e) {
            n.count = -1;
            n.error = e.message();
        }
        out.push_back(n);
    }
    return out;
}

TForm8::TForm8(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(cx::app::applicationTitle());
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(672, 366);

    img1 = new QLabel(this);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(0, 0, 672, 90);
    img1->setScaledContents(true);
    img1->setPixmap(QPixmap(QStringLiteral(":/pictures/stats_top.jpg")));

    smgpnl1 = new TilePanel(this);
    smgpnl1->setObjectName(QStringLiteral("smgpnl1"));
    smgpnl1->setGeometry(0, 90, 672, 186);

    img2 = new QLabel(this);
    img2->setObjectName(QStringLiteral("img2"));
    img2->setGeometry(0, 276, 672, 90);
    img2->setScaledContents(true);
    img2->setPixmap(QPixmap(QStringLiteral(":/pictures/stats_bottom.jpg")));

    QFont countFont(QStringLiteral("黑体"));
    countFont.setPixelSize(18);
    for (int i = 0; i < int(std::size(kCollections)); ++i) {
        auto *label = new QLabel(smgpnl1);
        label->setObjectName(QStringLiteral("lblCount%1").arg(i + 1));
        label->setFont(countFont);
        label->setStyleSheet(QStringLiteral("color:#20207A; background:transparent"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Two columns of four.
        label->setGeometry(i % 2 == 0 ? 96 : 376, 22 + (i / 2) * 38, 260, 30);
        label->setText(QString::fromUtf8(kCollections[i].caption));
        countLabels.push_back(label);
    }

    btnClose = new QPushButton(QStringLiteral("关闭"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(600, 334, 60, 24);
    btnClose->setCursor(Qt::PointingHandCursor);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::hide);

    for (QWidget *surface : {static_cast<QWidget *>(img1), static_cast<QWidget *>(img2), smgpnl1})
        cx::app::onMouseDown(surface, [this] { smgpnl1MouseDown(); });
}

void TForm8::smgpnl1MouseDown() { cx::app::DragWindow(this); }

void TForm8::refreshCounts()
{
    cx::data::BusySplash *splash = cx::data::busySplash();
    if (splash)
        splash->showNow();
    const std::vector<CollectionCount> counts = CountCollections();
    if (splash)
        splash->hideNow();
    for (std::size_t i = 0; i < counts.size() && i < countLabels.size(); ++i) {
        countLabels[i]->setText(counts[i].text());
    }
    counted_ = true;
}

void TForm8::showEvent(QShowEvent *event)
{
    if (!placed_) {
        // First shown in the middle of the screen, then left where the user puts it.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        placed_ = true;
    }
    QWidget::showEvent(event);
    if (!counted_)
        cx::app::guarded([this] { refreshCounts(); });
}

void TForm8::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}
