// Damaged and foreign store files: each is refused with an error that names
// the file and says what is wrong, and the slot that met it keeps working
// once it is pointed at a sound store.

#include "data/error.h"
#include "data/query.h"
#include "data/querymodel.h"
#include "data/storewriter.h"
#include "support/fixturestores.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cx::data;
using namespace cx::test;

namespace {

class DamagedStores : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        dat = writeFixtureStores(dir.path());
        idioms = dat + QStringLiteral("/lxwe.dat");
        QFile f(idioms);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        storeBytes = f.readAll();
        ASSERT_GT(storeBytes.size(), 4096);
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    // The error of the idiom slot's first selection on file, which must fail.
    QString errorOf(Query &q, const QString &file, const QString &statement = QStringLiteral("select * from 成语"))
    {
        q.setConnectionString(connectionString(file, kIdiomPassword));
        q.clearSql();
        q.addSql(statement);
        try {
            q.open();
        } catch (const DataError &e) {
            EXPECT_FALSE(q.isOpen());
            EXPECT_EQ(q.recordCount(), 0);
            return e.message();
        }
        ADD_FAILURE() << "opened " << file.toStdString();
        return QString();
    }

    QTemporaryDir dir;
    QString dat, idioms;
    QByteArray storeBytes;
};

TEST_F(DamagedStores, EachIsRefusedWithAClearErrorAndTheSlotRecovers)
{
    const QString plain = dir.filePath(QStringLiteral("foreign.db"));
    {
        StoreWriter w(plain, QString()); // no password: a plain database
        w.addTable(QStringLiteral("notes"), {QStringLiteral("body")}, {{"x"}});
        w.commit();
    }
    const QString noTables = dir.filePath(QStringLiteral("notables.dat"));
    {
        StoreWriter w(noTables, kIdiomPassword);
        w.addTable(QStringLiteral("notes"), {QStringLiteral("body")}, {{"x"}});
        w.commit();
    }
    const QString lacksField = dir.filePath(QStringLiteral("lacksfield.dat"));
    {
        StoreWriter w(lacksField, kIdiomPassword);
        w.addTable(QStringLiteral("成语"), {QStringLiteral("ID"), QStringLiteral("keyword"), QStringLiteral("phonetic")},
                   {{"1", "马到成功", "mǎ dào chéng gōng"}});
        w.commit();
    }
    struct Case {
        const char *what;
        QString file;
        QString says; // a word the error must hold besides the file name
    };
    const Case cases[] = {
        {"truncated to half", write("half.dat", storeBytes.first(storeBytes.size() / 2)), QStringLiteral("损坏")},
        {"truncated inside the first page", write("head.dat", storeBytes.first(1000)), QStringLiteral("损坏")},
        {"zeros of a store's size", write("zeros.dat", QByteArray(storeBytes.size(), '\0')), QStringLiteral("不是")},
        {"plain database of another program", plain, QStringLiteral("不是本程序的数据文件")},
        {"store without the tables", noTables, QStringLiteral("没有表“成语”")},
        {"store whose table lacks a field", lacksField, QStringLiteral("descript")},
    };
    Query q;
    DataSource source(&q);
    QueryTableModel grid(&source, {{QStringLiteral("keyword"), QStringLiteral("成 语")},
                                   {QStringLiteral("descript"), QStringLiteral("说明")}});
    for (const Case &c : cases) {
        const QString e = errorOf(q, c.file);
        EXPECT_TRUE(e.contains(c.file)) << c.what << ": " << e.toStdString();
        EXPECT_TRUE(e.contains(c.says)) << c.what << ": " << e.toStdString();
        EXPECT_EQ(grid.rowCount(), 0) << c.what;
        EXPECT_EQ(q.fieldText(QStringLiteral("keyword")), QString()) << c.what;

        // The same slot on the sound store reads again.
        q.setConnectionString(connectionString(idioms, kIdiomPassword));
        q.open();
        EXPECT_EQ(q.recordCount(), fixture::kIdiomsInFirstSelection + 1) << c.what;
        EXPECT_EQ(grid.rowCount(), q.recordCount()) << c.what;
    }
}

} // namespace
