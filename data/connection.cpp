#include "data/connection.h"

#include "data/error.h"

#include <QStringList>

namespace cx::data {

QString ConnectionSettings::filePath() const
{
    QString p = dataSource;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

ConnectionSettings parseConnectionString(const QString &text)
{
    ConnectionSettings s;
    bool haveProvider = false, haveSource = false;
    // The password is the last pair and may itself hold ';' or '=': a pair
    // whose key is the password key takes the rest of the text.
    static const QString passwordKey = QStringLiteral("jet oledb:database password");
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype eq = text.indexOf(QLatin1Char('='), at);
        if (eq < 0) {
            if (text.mid(at).trimmed().isEmpty())
                break;
            throw DataError(QStringLiteral("连接字符串格式错误：“%1”缺少“=”").arg(text.mid(at)));
        }
        const QString rawKey = text.mid(at, eq - at).trimmed();
        const QString key = rawKey.toLower();
        qsizetype end = (key == passwordKey) ? text.size() : text.indexOf(QLatin1Char(';'), eq + 1);
        if (end < 0)
            end = text.size();
        const QString value = text.mid(eq + 1, end - eq - 1);
        at = end + 1;

        if (key == QLatin1String("provider")) {
            s.provider = value.trimmed();
            haveProvider = true;
        } else if (key == QLatin1String("data source")) {
            s.dataSource = value.trimmed();
            haveSource = true;
        } else if (key == QLatin1String("mode")) {
            s.mode = value.trimmed();
        } else if (key == passwordKey) {
            s.password = value;
        } else if (key == QLatin1String("persist security info") || key == QLatin1String("user id")) {
            // Accepted and of no consequence for a local store.
        } else if (key.isEmpty()) {
            throw DataError(QStringLiteral("连接字符串格式错误：“=”前面缺少名称"));
        } else {
            throw DataError(QStringLiteral("连接字符串含有不认识的设置“%1”").arg(rawKey));
        }
    }
    if (!haveProvider)
        throw DataError(QStringLiteral("连接字符串没有给出 Provider"));
    if (s.provider.compare(QLatin1String("Microsoft.Jet.OLEDB.4.0"), Qt::CaseInsensitive) != 0)
        throw DataError(QStringLiteral("不支持的数据提供程序“%1”").arg(s.provider));
    if (!haveSource || s.dataSource.isEmpty())
        throw DataError(QStringLiteral("连接字符串没有给出数据文件（Data Source）"));

    const QStringList modes = s.mode.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString &m0 : modes) {
        const QString m = m0.trimmed().toLower();
        if (m == QLatin1String("share deny read") || m == QLatin1String("share deny write")
            || m == QLatin1String("share exclusive"))
            s.exclusive = true;
        else if (m != QLatin1String("share deny none") && m != QLatin1String("read")
                 && m != QLatin1String("write") && m != QLatin1String("readwrite"))
            throw DataError(QStringLiteral("连接字符串的共享方式“%1”不认识").arg(m0.trimmed()));
    }
    return s;
}

} // namespace cx::data
