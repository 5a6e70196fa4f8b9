#include "cwfixture.h"

#include "data/storenames.h"
#include "data/storewriter.h"
#include "support/fixturestores.h"

#include <QDir>
#include <QFile>

namespace cw {

void CwStores::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    const QString dat = cx::test::writeFixtureStores(dir.path());
    QFile::remove(dat + QStringLiteral("/lxwd.dat"));
    {
        cx::data::StoreWriter w(dat + QStringLiteral("/lxwd.dat"), cx::test::kWordPassword);
        w.beginTable(QString::fromLatin1(cx::data::stores::kWordTable),
                     {QStringLiteral("ID"), QStringLiteral("word"), QStringLiteral("spell"), QStringLiteral("ord"),
                      QStringLiteral("content")});
        auto value = [](const char *v) { return v ? QString::fromUtf8(v) : QString(); };
        for (const WordRow &r : kWords)
            w.addRow({value(r.id), value(r.word), value(r.spell), value(r.ord), value(r.content)});
        w.endTable();
        w.commit();
    }
    oldCwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    qry1.query.setConnectionString(cx::test::connectionString(QStringLiteral("dat\\lxwg.dat"),
                                                              cx::test::kCharacterPassword));
    qry2.query.setConnectionString(cx::test::connectionString(QStringLiteral("dat\\lxwd.dat"),
                                                              cx::test::kWordPassword));
    cx::data::setBusySplash(&splash);
}

void CwStores::TearDown()
{
    cx::data::setBusySplash(nullptr);
    qry1.query.close();
    qry2.query.close();
    QDir::setCurrent(oldCwd);
}

} // namespace cw
