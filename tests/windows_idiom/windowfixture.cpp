#include "windowfixture.h"

#include "support/fixturestores.h"

#include <QTest>
#include <QWidget>

namespace cx::test {

WindowFixture::WindowFixture() : dat(writeFixtureStores(dir.path()))
{
    qry3.query.setConnectionString(connectionString(dat + QStringLiteral("/lxwe.dat"), kIdiomPassword));
    qry4.query.setConnectionString(connectionString(dat + QStringLiteral("/lxwa.dat"), kClassicalPassword));
    data::setBusySplash(&splash);
}

WindowFixture::~WindowFixture() { data::setBusySplash(nullptr); }

void showAndWait(QWidget *w)
{
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
}

} // namespace cx::test
