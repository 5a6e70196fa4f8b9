#include "data/error.h"
#include "data/query.h"
#include "support/fixturestores.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace cx::data;
using namespace cx::test;

namespace {

class StoreErrors : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        dat = writeFixtureStores(dir.path());
    }

    // Opens a query with the given connection and returns the error text.
    QString openError(const QString &file, const QString &password,
                      const QString &statement = QStringLiteral("select * from hzlib"))
    {
        Query q;
        q.setConnectionString(connectionString(file, password));
        q.addSql(statement);
        try {
            q.open();
        } catch (const DataError &e) {
            EXPECT_FALSE(q.isOpen());
            EXPECT_EQ(q.recordCount(), 0);
            EXPECT_EQ(q.fieldText(QStringLiteral("name")), QString());
            return e.message();
        }
        ADD_FAILURE() << "open succeeded on " << file.toStdString();
        return QString();
    }

    QTemporaryDir dir;
    QString dat;
};

} // namespace

TEST_F(StoreErrors, EachFailureNamesTheFileAndLeavesTheQueryClosed)
{
    const QString chars = dat + QStringLiteral("/lxwg.dat");
    // Missing store, relative to the working directory.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString missing = openError(QStringLiteral("dat\\nothere.dat"), kCharacterPassword);
    QDir::setCurrent(cwd);
    EXPECT_TRUE(missing.contains(QStringLiteral("dat/nothere.dat"))) << missing.toStdString();
    EXPECT_TRUE(missing.contains(dir.path())) << missing.toStdString();

    const QString wrong = openError(chars, QStringLiteral("not the password"));
    EXPECT_TRUE(wrong.contains(QStringLiteral("密码"))) << wrong.toStdString();
    EXPECT_TRUE(wrong.contains(chars));

    const auto writeFile = [&](const QString &name, const QByteArray &bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    for (const QString &junk : {writeFile("zeros.dat", QByteArray(4096, '\0')),
                                writeFile("text.dat", "this is not a store\n"), writeFile("empty.dat", {})}) {
        const QString e = openError(junk, kCharacterPassword);
        EXPECT_TRUE(e.contains(junk)) << e.toStdString();
    }

    // A plain (unencrypted) database is not a store either.
    QFile plain(chars);
    const QString foreign = openError(dat + QStringLiteral("/lxwe.dat"), QString(), QStringLiteral("select * from 成语"));
    EXPECT_FALSE(foreign.isEmpty());

    // A rejected statement: unknown table, a second statement, a write.
    for (const char *bad : {"select * from nosuch", "select * from hzlib; select * from hzlib",
                            "delete from hzlib", "select * from hzlib where name = \"x"}) {
        const QString e = openError(chars, kCharacterPassword, QString::fromUtf8(bad));
        EXPECT_TRUE(e.contains(chars) || e.contains(QStringLiteral("字符串"))) << e.toStdString();
    }
}

TEST_F(StoreErrors, StoreHeldOpenIsRefusedToASecondProcess)
{
    const QString chars = dat + QStringLiteral("/lxwg.dat");
    Query holder;
    holder.setConnectionString(connectionString(chars, kCharacterPassword));
    holder.addSql(QStringLiteral("select * from hzlib"));
    holder.open();
    ASSERT_TRUE(holder.isOpen());

    int pipeFd[2];
    ASSERT_EQ(pipe(pipeFd), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFd[0]);
        QByteArray message;
        int code = 0;
        try {
            Query q;
            q.setConnectionString(connectionString(chars, kCharacterPassword));
            q.addSql(QStringLiteral("select * from hzlib"));
            q.open();
        } catch (const DataError &e) {
            message = e.message().toUtf8();
            code = 1;
        }
        (void)!write(pipeFd[1], message.constData(), message.size());
        _exit(code);
    }
    close(pipeFd[1]);
    char buf[1024];
    const ssize_t n = read(pipeFd[0], buf, sizeof buf);
    close(pipeFd[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the second process opened a held store";
    const QString message = QString::fromUtf8(buf, n > 0 ? int(n) : 0);
    EXPECT_TRUE(message.contains(QStringLiteral("独占"))) << message.toStdString();
    EXPECT_TRUE(message.contains(chars));
    // The holder still reads.
    holder.open();
    EXPECT_EQ(holder.recordCount(), fixture::kCharacters);
}

TEST_F(StoreErrors, SystemSqliteInTheSameProcessLeavesBothWorking)
{
    void *lib = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_GLOBAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    using VersionFn = const char *(*)();
    auto version = reinterpret_cast<VersionFn>(dlsym(lib, "sqlite3_libversion"));
    ASSERT_NE(version, nullptr);
    const std::string systemVersion = version();

    Query q;
    q.setConnectionString(connectionString(dat + QStringLiteral("/lxwg.dat"), kCharacterPassword));
    q.addSql(QStringLiteral("select sqlite_version() as v, count(*) as n from hzlib"));
    q.open();
    EXPECT_EQ(q.fieldText(QStringLiteral("n")), QString::number(fixture::kCharacters));
    // Our engine is SQLCipher's own SQLite, not the system library.
    EXPECT_NE(q.fieldText(QStringLiteral("v")).toStdString(), systemVersion);

    // The system library still reports and opens files of its own.
    using OpenFn = int (*)(const char *, void **);
    using CloseFn = int (*)(void *);
    auto open = reinterpret_cast<OpenFn>(dlsym(lib, "sqlite3_open"));
    auto closeDb = reinterpret_cast<CloseFn>(dlsym(lib, "sqlite3_close"));
    void *db = nullptr;
    EXPECT_EQ(open(":memory:", &db), 0);
    closeDb(db);
    EXPECT_EQ(std::string(version()), systemVersion);
}
