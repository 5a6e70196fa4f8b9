// cxtool convert: the codes of a text (UTF-8 on the command line) as the
// application computes them, from the embedded table or another table file.
#include "cxtool/command.h"

#include "chartable/chartable.h"
#include "text/gbk.h"

#include <QFile>
#include <stdexcept>

namespace
{

int convert(const QStringList &args)
{
    const QString usage = QStringLiteral("usage: cxtool convert [--table FILE] FIELD TEXT");
    QStringList rest = args;
    cx::chartable::CharCodeTable fromFile;
    const cx::chartable::CharCodeTable *table = &cx::chartable::CharCodeTable::embedded();
    if (rest.size() >= 2 && rest.first() == QLatin1String("--table")) {
        QFile f(rest[1]);
        if (!f.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read " + rest[1].toStdString());
        const QByteArray bytes = f.readAll();
        fromFile = cx::chartable::CharCodeTable::fromBytes(std::string_view(bytes.constData(), bytes.size()));
        table = &fromFile;
        rest = rest.mid(2);
    }
    bool isNumber = false;
    const int field = rest.size() == 2 ? rest[0].toInt(&isNumber) : 0;
    if (!isNumber) {
        cxtool::err(usage);
        return 2;
    }
    const cx::text::Gbk gbk = cx::text::toGbk(rest[1]);
    const std::string codes =
        cx::chartable::ConvertText(*table, gbk, static_cast<cx::chartable::CodeField>(field));
    cxtool::out(cx::text::fromGbk(codes));
    return 0;
}

cxtool::Registration reg{{QStringLiteral("convert"), QStringLiteral("[--table FILE] FIELD TEXT"), convert}};

} // namespace
