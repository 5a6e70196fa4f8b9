#include "data/statements.h"

namespace cx::data::statements {
namespace {

QString like(const QString &field, const QString &text)
{
    return field + QStringLiteral(" like ") + literal(QLatin1Char('%') + text + QLatin1Char('%'));
}

QString lookup(const char *field, const QString &value)
{
    // One blank before "=" and none after it.
    return QStringLiteral("select * from hzlib where ") + QLatin1String(field) + QStringLiteral(" =")
        + literal(value);
}

} // namespace

QString literal(const QString &value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString S1() { return QStringLiteral("select * from hzlib where ID>200 and ID<300"); }
QString S2() { return QStringLiteral("select * from 灯谜 where ID>0 and ID<200"); }
QString S3() { return QStringLiteral("select * from 成语 where ID>0 and ID<200"); }
QString S4() { return QStringLiteral("select * from 歇后语 where ID>0 and ID<200"); }
QString S5() { return QStringLiteral("select * from wylib"); }
QString S6() { return QStringLiteral("select * from fyclib"); }
QString S7() { return QStringLiteral("select * from hzbs"); }

QString S8(const QString &text) { return QStringLiteral("select * from 成语 where ") + like(QStringLiteral("keyword"), text); }

QString S9(const QString &text)
{
    // No blank before "or": it follows the closing quote directly.
    return QStringLiteral("select * from 歇后语 where ") + like(QStringLiteral("keyword"), text)
        + QStringLiteral("or ") + like(QStringLiteral("descript"), text);
}

QString S10(const QString &text) { return QStringLiteral("select * from 灯谜 where ") + like(QStringLiteral("keyword"), text); }
QString S11(const QString &text) { return QStringLiteral("select * from 灯谜 where ") + like(QStringLiteral("phonetic"), text); }
QString S12(const QString &text) { return QStringLiteral("select * from 灯谜 where ") + like(QStringLiteral("descript"), text); }

QString S13(const QString &value) { return lookup("part", value); }
QString S14(const QString &value) { return lookup("spell", value); }
QString S15(const QString &value) { return lookup("wbcode", value); }
QString S16(const QString &value) { return lookup("oldname", value); }

} // namespace cx::data::statements
