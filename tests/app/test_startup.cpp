// Start-up of the real program, as a process on fixture stores: the program
// is copied into a temporary folder so that its dat/ folder can be laid out
// (or left out) beside it. CX_TRACE makes it write its steps and answer its
// boxes; CX_QUIT=shown ends it once the main window is up.

#include "support/fixturestores.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QStringList trace;
    QString errors; // what the program wrote to its error output
};

struct Install {
    QTemporaryDir dir;
    QString exe;

    explicit Install(bool withStores)
    {
        exe = dir.filePath(QStringLiteral("chengxin"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(CX_APP_EXE), exe));
        if (withStores)
            cx::test::writeFixtureStores(dir.path());
    }

    Outcome run(const QString &workingDir, const QStringList &extraEnv = {}) const
    {
        const QString tracePath = dir.filePath(QStringLiteral("trace.txt"));
        QFile::remove(tracePath);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("CX_TRACE"), tracePath);
        env.insert(QStringLiteral("CX_QUIT"), QStringLiteral("shown"));
        for (const QString &kv : extraEnv)
            env.insert(kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(workingDir);
        p.start(exe, {});
        EXPECT_TRUE(p.waitForFinished(60000)) << "the program did not end";
        Outcome r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        r.errors = QString::fromLocal8Bit(p.readAllStandardError());
        QFile f(tracePath);
        if (f.open(QIODevice::ReadOnly))
            r.trace = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return r;
    }
};

} // namespace

TEST(StartUp, WithoutTheWordStoreOnlyTheMessageShowsAndTheProgramEndsWithCode1)
{
    Install install(false);
    const Outcome r = install.run(install.dir.path());
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(r.trace.size(), 2) << r.trace.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(r.trace[0], QStringLiteral("title 澄心辞苑"));
    EXPECT_TRUE(r.trace[1].startsWith(QStringLiteral("box message: 找不到词库文件“")));
    EXPECT_TRUE(r.trace[1].contains(QDir::toNativeSeparators(install.dir.filePath(QStringLiteral("dat/lxwd.dat")))));
}

TEST(StartUp, StepsRunInOrderAndTheMainWindowShowsLast)
{
    Install install(true);
    const Outcome r = install.run(install.dir.path());
    EXPECT_EQ(r.exitCode, 0);
    // Windows whose unit has not joined the window set are simply absent.
    QStringList created;
    for (const QString &line : r.trace)
        if (line.startsWith(QLatin1String("create ")))
            created << line.mid(7);
    const QStringList order{QStringLiteral("TForm7"), QStringLiteral("TForm1"), QStringLiteral("TForm2"),
                            QStringLiteral("TForm4"), QStringLiteral("TForm5"), QStringLiteral("TForm6"),
                            QStringLiteral("TForm8"), QStringLiteral("TForm9"), QStringLiteral("TForm10")};
    ASSERT_FALSE(created.isEmpty());
    EXPECT_EQ(created.first(), QStringLiteral("TForm7"));
    qsizetype at = -1;
    for (const QString &c : created) {
        const qsizetype i = order.indexOf(c);
        EXPECT_GT(i, at) << c.toStdString() << " out of order";
        at = i;
    }
    EXPECT_TRUE(created.contains(QStringLiteral("TForm2")));

    QStringList rest;
    for (const QString &line : r.trace)
        if (!line.startsWith(QLatin1String("create ")) && !line.startsWith(QLatin1String("box ")))
            rest << line;
    EXPECT_EQ(rest, (QStringList{QStringLiteral("title 澄心辞苑"), QStringLiteral("splash shown"),
                                 QStringLiteral("connect qry2"), QStringLiteral("connect qry3"),
                                 QStringLiteral("connect qry4"), QStringLiteral("connect qry1"),
                                 QStringLiteral("splash hidden"), QStringLiteral("shown TForm7"),
                                 QStringLiteral("exit 0")}));
    EXPECT_TRUE(r.trace.filter(QStringLiteral("box ")).isEmpty()) << "with every store present no box shows";
    // The windows are gone before the application: the browser's page never
    // outlives the profile the application takes down with it.
    EXPECT_FALSE(r.errors.contains(QLatin1String("WebEnginePage still not deleted"))) << r.errors.toStdString();
}

TEST(StartUp, TheWordStoreIsLookedForBesideTheProgramNotInTheWorkingDirectory)
{
    Install beside(true);
    QTemporaryDir elsewhere;
    cx::test::writeFixtureStores(elsewhere.path()); // a word store here does not count
    Install without(false);
    EXPECT_EQ(without.run(elsewhere.path()).exitCode, 1);
    const Outcome r = beside.run(elsewhere.path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.trace.contains(QStringLiteral("shown TForm7")));
}

TEST(StartUp, AMissingStrokeStoreShowsOneErrorBoxThenTheMainWindow)
{
    Install install(true);
    QFile::remove(install.dir.filePath(QStringLiteral("dat/lxwi.dat")));
    const Outcome r = install.run(install.dir.path());
    EXPECT_EQ(r.exitCode, 0);
    const QStringList boxes = r.trace.filter(QStringLiteral("box "));
    ASSERT_EQ(boxes.size(), 1) << r.trace.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(boxes[0].startsWith(QLatin1String("box error: ")));
    EXPECT_TRUE(boxes[0].contains(QLatin1String("lxwi.dat")));
    EXPECT_LT(r.trace.indexOf(boxes[0]), r.trace.indexOf(QStringLiteral("shown TForm7")));
}

TEST(StartUp, FromAnEmptyWorkingDirectoryOnlyTheStrokeStoreIsMissed)
{
    Install install(true);
    QTemporaryDir empty;
    const Outcome r = install.run(empty.path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.trace.filter(QStringLiteral("box ")).size(), 1);
    EXPECT_TRUE(r.trace.contains(QStringLiteral("shown TForm7")));
}
