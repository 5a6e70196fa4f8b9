#include "data/storewriter.h"

#include "data/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace cx::data {
namespace {

QString quoted(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

bool isIndexed(const QString &field)
{
    static const QStringList indexed{QStringLiteral("ID"), QStringLiteral("part"), QStringLiteral("spell"),
                                     QStringLiteral("wbcode"), QStringLiteral("oldname"), QStringLiteral("hz")};
    return indexed.contains(field, Qt::CaseInsensitive);
}

} // namespace

StoreWriter::StoreWriter(const QString &path, const QString &password)
    : path_(path), tempPath_(path + QStringLiteral(".part"))
{
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        throw DataError(QStringLiteral("无法创建目录“%1”").arg(info.absolutePath()));
    QFile::remove(tempPath_);
    if (sqlite3_open_v2(QFile::encodeName(tempPath_).constData(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        fail(QStringLiteral("无法创建"));
    if (!password.isEmpty()) {
        const QByteArray key = password.toUtf8();
        sqlite3_key(db_, key.constData(), int(key.size()));
    }
    exec(QStringLiteral("PRAGMA journal_mode=OFF"));
    exec(QStringLiteral("PRAGMA synchronous=OFF"));
    exec(QStringLiteral("BEGIN"));
}

StoreWriter::~StoreWriter()
{
    sqlite3_finalize(insert_);
    sqlite3_close(db_);
    if (!committed_)
        QFile::remove(tempPath_);
}

void StoreWriter::fail(const QString &what)
{
    const QString engine = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
    throw DataError(QStringLiteral("写数据文件“%1”失败：%2 %3").arg(QDir::toNativeSeparators(path_), what, engine));
}

void StoreWriter::exec(const QString &sql)
{
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

void StoreWriter::beginTable(const QString &table, const QStringList &fields)
{
    if (insert_)
        endTable();
    table_ = table;
    fields_ = fields;
    idColumn_ = -1;
    QStringList columns, marks;
    for (int i = 0; i < fields.size(); ++i) {
        const bool id = fields.at(i).compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0;
        if (id)
            idColumn_ = i;
        columns << quoted(fields.at(i)) + (id ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
        marks << QStringLiteral("?");
    }
    exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table), columns.join(QLatin1String(", "))));
    const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                               .arg(quoted(table), marks.join(QLatin1Char(',')))
                               .toUtf8();
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &insert_, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sql));
}

void StoreWriter::addRow(const QStringList &values)
{
    if (!insert_)
        fail(QStringLiteral("addRow before beginTable"));
    if (values.size() != fields_.size())
        fail(QStringLiteral("表“%1”的一行有 %2 个值，应为 %3 个").arg(table_).arg(values.size()).arg(fields_.size()));
    sqlite3_reset(insert_);
    for (int i = 0; i < values.size(); ++i) {
        const QString &v = values.at(i);
        if (v.isNull()) {
            sqlite3_bind_null(insert_, i + 1);
        } else if (i == idColumn_) {
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok)
                fail(QStringLiteral("表“%1”的 ID“%2”不是整数").arg(table_, v));
            sqlite3_bind_int64(insert_, i + 1, n);
        } else {
            const QByteArray u8 = v.toUtf8();
            sqlite3_bind_text(insert_, i + 1, u8.constData(), int(u8.size()), SQLITE_TRANSIENT);
        }
    }
    if (sqlite3_step(insert_) != SQLITE_DONE)
        fail(QStringLiteral("INSERT INTO ") + table_);
}

void StoreWriter::endTable()
{
    sqlite3_finalize(insert_);
    insert_ = nullptr;
    // Indexes after the rows: building them once is much faster than
    // keeping them up to date row by row.
    for (const QString &f : fields_)
        if (isIndexed(f))
            exec(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                     .arg(quoted(table_ + QLatin1Char('_') + f), quoted(table_), quoted(f)));
    fields_.clear();
}

void StoreWriter::addTable(const QString &table, const QStringList &fields, const QList<QStringList> &rows)
{
    beginTable(table, fields);
    for (const QStringList &r : rows)
        addRow(r);
    endTable();
}

void StoreWriter::commit()
{
    if (insert_)
        endTable();
    exec(QStringLiteral("COMMIT"));
    if (sqlite3_close(db_) != SQLITE_OK)
        fail(QStringLiteral("close"));
    db_ = nullptr;
    if (::rename(QFile::encodeName(tempPath_).constData(), QFile::encodeName(path_).constData()) != 0)
        fail(QStringLiteral("无法改名为目标文件"));
    committed_ = true;
}

} // namespace cx::data
