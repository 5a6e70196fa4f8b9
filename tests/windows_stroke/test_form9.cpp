#include "app/boxes.h"
#include "data/query.h"
#include "player/loopbackserver.h"
#include "support/fixturestores.h"
#include "widgets/flatbutton.h"
#include "widgets/glass.h"
#include "windows/form9.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>
#include <dlfcn.h>
#include <unistd.h>

namespace {

// The browser must be told before the application object exists: no
// sandbox as root, and shared GL contexts.
const bool kBrowserPrepared = [] {
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

// A page that fills the view, counts the clicks it receives and asks for
// every kind of script dialog while loading.
const QByteArray kPage = R"(<!doctype html><html><head><meta charset="utf-8">
<style>html,body{margin:0;width:100%;height:100%;background:#eef}</style></head><body>
<script>
window.clicks = 0; window.points = [];
document.addEventListener('click', e => { window.clicks++; window.points.push(e.clientX + ',' + e.clientY); });
alert('a'); window.confirmed = confirm('b'); window.prompted = prompt('c', 'd'); window.afterDialogs = true;
</script></body></html>)";

QVariant js(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    QElapsedTimer t;
    t.start();
    while (!done && t.elapsed() < 10000)
        QTest::qWait(10);
    return result;
}

// Waits until the page's click counter reaches n (or a while has passed).
int clicksAfter(QWebEngineView *view, int n)
{
    QElapsedTimer t;
    t.start();
    int clicks = js(view, QStringLiteral("window.clicks")).toInt();
    while (clicks < n && t.elapsed() < 5000) {
        QTest::qWait(50);
        clicks = js(view, QStringLiteral("window.clicks")).toInt();
    }
    return clicks;
}

} // namespace

TEST(OnlineWindow, LayoutAndStartAddress)
{
    EXPECT_TRUE(OnlineDictionaryAddress().startsWith(QLatin1String("http://")));
    EXPECT_TRUE(OnlineDictionaryAddress().endsWith(QLatin1String("/search/?q=&c=2")));
    TForm9 w(nullptr, QStringLiteral("about:blank"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("在线字典词典"));
    EXPECT_EQ(w.size(), QSize(650, 406));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.webbrowser1->geometry(), QRect(2, 43, 646, 328));
    EXPECT_EQ(w.FlatButton1->geometry(), QRect(613, 0, 33, 33));
    EXPECT_EQ(w.gls2->geometry(), QRect(112, 58, 377, 43));
    EXPECT_EQ(w.gls1->geometry(), QRect(88, 232, 377, 129));
    // The panes lie above everything else of the window.
    EXPECT_EQ(w.childAt(200, 70), w.gls2);
    EXPECT_EQ(w.childAt(200, 300), w.gls1);
    EXPECT_FALSE(w.webbrowser1->silent());
    w.FormCreate();
    EXPECT_TRUE(w.webbrowser1->silent());
}

TEST(OnlineWindow, CoveredAreasTakeTheClicksAndThePageGetsTheRest)
{
    cx::test::LoopbackServer server;
    server.add("/search/?q=&c=2", {200, "text/html; charset=utf-8", kPage});
    cx::app::ScopedScriptedBoxes boxes;
    TForm9 w(nullptr, server.origin() + QStringLiteral("/search/?q=&c=2"));
    QSignalSpy loaded(w.webbrowser1, &QWebEngineView::loadFinished);
    w.FormCreate();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(30000));
    ASSERT_TRUE(loaded.at(0).at(0).toBool());
    EXPECT_EQ(server.requests().count("/search/?q=&c=2"), 1);

    // Silent: every dialog the page asked for was answered without showing one.
    ASSERT_TRUE(js(w.webbrowser1, QStringLiteral("window.afterDialogs === true")).toBool());
    EXPECT_FALSE(js(w.webbrowser1, QStringLiteral("window.confirmed")).toBool());
    EXPECT_TRUE(js(w.webbrowser1, QStringLiteral("window.prompted === null")).toBool());
    EXPECT_EQ(w.webbrowser1->suppressed(),
              (QStringList{QStringLiteral("alert: a"), QStringLiteral("confirm: b"), QStringLiteral("prompt: c")}));
    EXPECT_TRUE(boxes.transcript.isEmpty());

    // The page takes input once its first frame is up: click a free spot
    // until a click counts, then start the count afresh.
    for (int i = 0; i < 100 && js(w.webbrowser1, QStringLiteral("window.clicks")).toInt() == 0; ++i) {
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(20, 360));
        QTest::qWait(100);
    }
    ASSERT_GT(js(w.webbrowser1, QStringLiteral("window.clicks")).toInt(), 0);
    js(w.webbrowser1, QStringLiteral("window.clicks = 0; window.points = []"));

    // Corners and middles of both covered areas, in window coordinates.
    const QPoint inside[] = {{112, 58}, {488, 100}, {300, 80}, {88, 232}, {464, 360}, {250, 300}};
    for (const QPoint &p : inside)
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, p);
    EXPECT_EQ(boxes.transcript.size(), 6);
    for (const QString &line : boxes.transcript)
        EXPECT_EQ(line, QStringLiteral("message: 功能未启用-青石工作室"));
    QTest::qWait(300);
    EXPECT_EQ(js(w.webbrowser1, QStringLiteral("window.clicks")).toInt(), 0);

    // One pixel outside reaches the page, at the page's own coordinates.
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(111, 80));
    ASSERT_EQ(clicksAfter(w.webbrowser1, 1), 1);
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(300, 231));
    ASSERT_EQ(clicksAfter(w.webbrowser1, 2), 2);
    EXPECT_EQ(js(w.webbrowser1, QStringLiteral("window.points.join(' ')")).toString(),
              QStringLiteral("109,37 298,188"));
    EXPECT_EQ(boxes.transcript.size(), 6);

    // Closed and shown again: the same page, not loaded again.
    QSignalSpy started(w.webbrowser1, &QWebEngineView::loadStarted);
    w.FlatButton1->click();
    EXPECT_FALSE(w.isVisible());
    w.show();
    QTest::qWait(200);
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(js(w.webbrowser1, QStringLiteral("window.clicks")).toInt(), 2);
    EXPECT_EQ(server.requests().count("/search/?q=&c=2"), 1); // besides the page's icon, nothing
}

TEST(OnlineWindow, StoresStillReadWithTheBrowserInTheProcess)
{
    QTemporaryDir dir;
    cx::test::writeFixtureStores(dir.path());
    cx::test::LoopbackServer server;
    server.add("/search/?q=&c=2", {200, "text/html; charset=utf-8", kPage});
    TForm9 w(nullptr, server.origin() + QStringLiteral("/search/?q=&c=2"));
    QSignalSpy loaded(w.webbrowser1, &QWebEngineView::loadFinished);
    w.FormCreate();
    w.show();
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(30000));

    // With an https page the browser's NSS brings the system SQLite into the
    // process; load it as NSS does when the page has not done so already.
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    if (!maps.readAll().contains("libsqlite3.so")) {
        ASSERT_TRUE(dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_GLOBAL)) << dlerror();
    }
    cx::data::Query q;
    q.setConnectionString(cx::test::connectionString(dir.path() + QStringLiteral("/dat/lxwi.dat"),
                                                     cx::test::kStrokePassword));
    q.addSql(QStringLiteral("select * from hzbs"));
    q.open();
    EXPECT_EQ(q.recordCount(), cx::test::fixture::kStrokeMovies);
    EXPECT_EQ(q.fieldText(QStringLiteral("hz")), QStringLiteral("一"));
    // And the browser goes on working beside it.
    w.webbrowser1->reload();
    ASSERT_TRUE(loaded.wait(30000));
    EXPECT_TRUE(loaded.last().at(0).toBool());
}
