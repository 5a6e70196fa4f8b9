#include "windows/form2.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

TEST(BusySplash, FirstShowCentresOnTheDesktopLaterShowsKeepThePlace)
{
    TForm2 splash;
    EXPECT_EQ(splash.size(), QSize(182, 237));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(splash.Image1->pixmap().isNull());
    EXPECT_EQ(splash.Image1->pixmap().size(), QSize(182, 237));

    splash.showNow();
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_LE((splash.geometry().center() - desktop.center()).manhattanLength(), 2);
    splash.showNow(); // twice without a hide: still one window, still there
    EXPECT_TRUE(splash.isVisible());
    splash.hideNow();
    EXPECT_FALSE(splash.isVisible());

    splash.move(10, 20); // the user dragged it
    splash.showNow();
    EXPECT_EQ(splash.pos(), QPoint(10, 20));
    splash.hideNow();
}

TEST(BusySplash, RunQueryShowsItAroundTheStatement)
{
    TForm2 splash;
    cx::data::setBusySplash(&splash);
    cx::data::Query q; // no connection string: the statement fails
    bool shownDuring = false;
    QObject::connect(&q, &cx::data::Query::closed, [&] { shownDuring = shownDuring || splash.isVisible(); });
    EXPECT_ANY_THROW(cx::data::RunQuery(q, QStringLiteral("select * from hzlib"), true));
    EXPECT_FALSE(splash.isVisible()) << "a failed statement still takes the splash down";
    cx::data::setBusySplash(nullptr);
}
