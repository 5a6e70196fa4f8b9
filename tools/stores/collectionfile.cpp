#include "stores/collectionfile.h"

#include "data/storenames.h"
#include "text/gbk.h"

#include <QFile>
#include <QStringDecoder>
#include <stdexcept>

namespace cx::stores {
namespace {

QString unescape(const QString &v, bool *ok)
{
    QString out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v.at(i) != QLatin1Char('\\')) {
            out += v.at(i);
            continue;
        }
        const QChar n = i + 1 < v.size() ? v.at(i + 1) : QChar();
        if (n == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (n == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (n == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else {
            *ok = false;
            return {};
        }
        ++i;
    }
    return out;
}

} // namespace

QStringList collectionColumns(const QString &table)
{
    if (table == QStringLiteral("成语") || table == QStringLiteral("灯谜"))
        return {QStringLiteral("keyword"), QStringLiteral("phonetic"), QStringLiteral("descript")};
    if (table == QStringLiteral("歇后语"))
        return {QStringLiteral("keyword"), QStringLiteral("descript")};
    if (table == QLatin1String("wylib") || table == QLatin1String("fyclib"))
        return {QStringLiteral("name"), QStringLiteral("fname")};
    if (table == QLatin1String("hzlib"))
        return {QStringLiteral("name"), QStringLiteral("oldname"), QStringLiteral("part"), QStringLiteral("wbcode"),
                QStringLiteral("spell"), QStringLiteral("content")};
    if (table == QLatin1String(data::stores::kWordTable))
        return {QStringLiteral("word"), QStringLiteral("spell"), QStringLiteral("ord"), QStringLiteral("content")};
    return {};
}

QList<QStringList> parseCollection(const QByteArray &text, const QString &table, const QString &name)
{
    const QStringList columns = collectionColumns(table);
    if (columns.isEmpty())
        throw std::runtime_error("no collection file can fill table " + table.toStdString());
    auto fail = [&](int line, const QString &why) {
        throw std::runtime_error(QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(why).toStdString());
    };
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QStringList> rows;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        QByteArray raw = lines.at(n);
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (raw.trimmed().isEmpty() || raw.startsWith('#'))
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString line = utf8(raw);
        if (utf8.hasError())
            fail(n + 1, QStringLiteral("not UTF-8 text"));
        const QStringList values = line.split(QLatin1Char('\t'));
        if (values.size() != columns.size())
            fail(n + 1, QStringLiteral("%1 values, table %2 takes %3 (%4)")
                            .arg(values.size())
                            .arg(table)
                            .arg(columns.size())
                            .arg(columns.join(QLatin1Char(' '))));
        QStringList row;
        for (const QString &v : values) {
            bool ok = true;
            const QString value = text::trimmed(unescape(v, &ok));
            if (!ok)
                fail(n + 1, QStringLiteral("unknown escape (write \\\\ for a backslash)"));
            text::ConversionReport report;
            text::toGbk(value, &report);
            if (report.replaced)
                fail(n + 1, QStringLiteral("“%1” has characters outside GBK").arg(value));
            row << value;
        }
        if (row.first().isEmpty())
            fail(n + 1, QStringLiteral("the first value is empty"));
        rows << row;
    }
    return rows;
}

QList<QStringList> readCollectionFile(const QString &path, const QString &table)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return parseCollection(f.readAll(), table, path);
}

QString collectionLine(const QStringList &row)
{
    QStringList cells;
    for (QString v : row) {
        v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        v.replace(QLatin1Char('\t'), QLatin1String("\\t"));
        v.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        cells << v;
    }
    return cells.join(QLatin1Char('\t'));
}

} // namespace cx::stores
