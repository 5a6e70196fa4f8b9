#include "data/store.h"

#include "data/error.h"
#include "data/jet.h"
#include "data/storenames.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

namespace cx::data {
namespace {

QString displayPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString engineMessage(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// The first 16 bytes of a plain (unencrypted) database file.
bool looksLikePlainDatabase(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

struct Statement {
    sqlite3_stmt *st = nullptr;
    ~Statement() { sqlite3_finalize(st); }
};

// Every page of a database is a power of two of at least 512 bytes, so a
// file of another length was cut short or is no database at all.
bool wholePages(qint64 size)
{
    return size % 512 == 0;
}

QString damagedMessage(const QString &path)
{
    return QStringLiteral("数据文件“%1”已损坏（文件不完整，或者内容被改动过）").arg(displayPath(path));
}

// The fields the windows bind and the statements' ranges need, per table.
// A store whose table lacks one is damaged or of another program: better
// one clear error on opening it than displays that stay blank.
struct TableFields {
    const char *table;
    std::initializer_list<const char *> fields;
};
const TableFields kBoundFields[] = {
    {"hzlib", {"ID", "name", "oldname", "part", "wbcode", "spell", "content"}},
    {stores::kWordTable, {"word", "spell", "ord", "content"}},
    {"成语", {"ID", "keyword", "phonetic", "descript"}},
    {"歇后语", {"ID", "keyword", "descript"}},
    {"灯谜", {"ID", "keyword", "phonetic", "descript"}},
    {"wylib", {"name", "fname"}},
    {"fyclib", {"name", "fname"}},
    {"hzbs", {"hz", "hm"}},
};

// The first bound field missing from a table the store holds, as
// "table", "field"; empty when every table the store holds has its fields.
std::pair<QString, QString> missingBoundField(sqlite3 *db)
{
    for (const TableFields &t : kBoundFields) {
        Statement st;
        const QByteArray sql = QByteArray("PRAGMA table_info(\"") + t.table + "\")";
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st.st, nullptr) != SQLITE_OK)
            continue;
        QStringList columns;
        while (sqlite3_step(st.st) == SQLITE_ROW)
            columns << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st.st, 1)));
        if (columns.isEmpty())
            continue; // not a table of this store
        for (const char *field : t.fields)
            if (!columns.contains(QLatin1String(field), Qt::CaseInsensitive))
                return {QString::fromUtf8(t.table), QString::fromLatin1(field)};
    }
    return {};
}

} // namespace

StoreConnection::StoreConnection(const ConnectionSettings &settings) : path_(settings.filePath())
{
    const QFileInfo info(path_);
    if (!info.exists()) {
        if (info.isRelative())
            throw DataError(QStringLiteral("找不到数据文件“%1”（在当前工作目录 %2 下查找）")
                                .arg(displayPath(path_), displayPath(QDir::currentPath())));
        throw DataError(QStringLiteral("找不到数据文件“%1”").arg(displayPath(path_)));
    }
    if (!info.isFile())
        throw DataError(QStringLiteral("“%1”不是数据文件").arg(displayPath(path_)));

    const QByteArray local = QFile::encodeName(path_);
    lockFd_ = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
    if (lockFd_ < 0)
        throw DataError(QStringLiteral("无法打开数据文件“%1”：%2")
                            .arg(displayPath(path_), QString::fromLocal8Bit(std::strerror(errno))));
    auto fail = [this](const QString &message) {
        if (db_)
            sqlite3_close(db_);
        db_ = nullptr;
        ::close(lockFd_);
        lockFd_ = -1;
        throw DataError(message);
    };
    if (settings.exclusive && ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            fail(QStringLiteral("数据文件“%1”正被另一个程序独占使用（是否已经运行了一个本程序？）")
                     .arg(displayPath(path_)));
        fail(QStringLiteral("无法锁定数据文件“%1”：%2")
                 .arg(displayPath(path_), QString::fromLocal8Bit(std::strerror(errno))));
    }
    if (info.size() == 0)
        fail(QStringLiteral("“%1”不是有效的数据文件（文件是空的）").arg(displayPath(path_)));

    if (sqlite3_open_v2(local.constData(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        fail(QStringLiteral("无法打开数据文件“%1”：%2").arg(displayPath(path_), engineMessage(db_)));
    if (!settings.password.isEmpty()) {
        const QByteArray key = settings.password.toUtf8();
        sqlite3_key(db_, key.constData(), int(key.size()));
    }
    // The password is only checked on the first read.
    char *err = nullptr;
    const int rc = sqlite3_exec(db_, "PRAGMA cache_size=-65536; SELECT count(*) FROM sqlite_master;",
                                nullptr, nullptr, &err);
    sqlite3_free(err);
    if (rc == SQLITE_CORRUPT)
        fail(damagedMessage(path_));
    if (rc == SQLITE_NOTADB) {
        if (!wholePages(info.size()))
            fail(QStringLiteral("“%1”不是完整的数据文件（长度不是整页，可能被截断或者损坏）").arg(displayPath(path_)));
        if (!settings.password.isEmpty() && looksLikePlainDatabase(path_))
            fail(QStringLiteral("“%1”不是本程序的数据文件（它没有加密）").arg(displayPath(path_)));
        if (settings.password.isEmpty())
            fail(QStringLiteral("“%1”不是有效的数据文件").arg(displayPath(path_)));
        fail(QStringLiteral("数据文件“%1”的密码不对，或者它不是本程序的数据文件").arg(displayPath(path_)));
    }
    if (rc != SQLITE_OK)
        fail(QStringLiteral("无法读取数据文件“%1”：%2").arg(displayPath(path_), engineMessage(db_)));
    const auto [table, field] = missingBoundField(db_);
    if (!table.isEmpty())
        fail(QStringLiteral("数据文件“%1”已损坏或者不是本程序的数据文件：表“%2”缺少字段“%3”")
                 .arg(displayPath(path_), table, field));
}

StoreConnection::~StoreConnection()
{
    sqlite3_close(db_);
    if (lockFd_ >= 0)
        ::close(lockFd_); // releases the lock
}

ResultSet StoreConnection::select(const QString &jetStatement)
{
    const TranslatedStatement t = translateJet(jetStatement);
    const QByteArray sql = t.sql.toUtf8();
    Statement st;
    const char *tail = nullptr;
    auto refuse = [&](const QString &why) {
        throw DataError(QStringLiteral("数据文件“%1”不能执行语句“%2”：%3")
                            .arg(displayPath(path_), jetStatement, why));
    };
    if (sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &st.st, &tail) != SQLITE_OK) {
        const QString why = engineMessage(db_);
        static const QString noTable = QStringLiteral("no such table: ");
        if (why.startsWith(noTable))
            refuse(QStringLiteral("其中没有表“%1”（它不是本程序的这个数据文件，或者已损坏）").arg(why.mid(noTable.size())));
        if (sqlite3_errcode(db_) == SQLITE_CORRUPT)
            throw DataError(damagedMessage(path_));
        refuse(why);
    }
    if (!st.st)
        refuse(QStringLiteral("语句是空的"));
    for (const char *p = tail; p && *p; ++p)
        if (static_cast<unsigned char>(*p) > 0x20 && *p != ';')
            refuse(QStringLiteral("一次只能执行一条语句"));
    if (!sqlite3_stmt_readonly(st.st))
        refuse(QStringLiteral("只能执行查询语句"));
    for (int i = 0; i < t.parameters.size(); ++i) {
        const QByteArray v = t.parameters.at(i).toUtf8();
        sqlite3_bind_text(st.st, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
    }

    ResultSet result;
    const int columns = sqlite3_column_count(st.st);
    for (int c = 0; c < columns; ++c)
        result.fields << QString::fromUtf8(sqlite3_column_name(st.st, c));
    int rc;
    while ((rc = sqlite3_step(st.st)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(st.st, c));
            result.cells.push_back(text ? QString::fromUtf8(text, sqlite3_column_bytes(st.st, c)) : QString());
        }
    }
    if (rc == SQLITE_CORRUPT)
        throw DataError(damagedMessage(path_));
    if (rc != SQLITE_DONE)
        refuse(engineMessage(db_));
    return result;
}

QStringList StoreConnection::tables()
{
    const ResultSet r = select(QStringLiteral("select name from sqlite_master where type='table' order by name"));
    QStringList names;
    for (int i = 0; i < r.rowCount(); ++i)
        names << r.at(i, 0);
    return names;
}

} // namespace cx::data
