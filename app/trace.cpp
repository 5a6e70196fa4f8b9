#include "app/trace.h"

#include "app/boxes.h"

#include <QFile>

namespace cx::app {
namespace {

QFile *traceFile()
{
    static QFile *file = [] () -> QFile * {
        const QString path = qEnvironmentVariable("CX_TRACE");
        if (path.isEmpty())
            return nullptr;
        auto *f = new QFile(path);
        if (!f->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            delete f;
            return nullptr;
        }
        return f;
    }();
    return file;
}

class TracedBoxes final : public ScriptedBoxes {
protected:
    void record(const QString &line) override { trace(QStringLiteral("box ") + line); }
};

} // namespace

bool traceEnabled() { return traceFile() != nullptr; }

void trace(const QString &line)
{
    if (QFile *f = traceFile()) {
        QString oneLine = line;
        oneLine.replace(QLatin1String("\r\n"), QLatin1String("\\n")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        f->write((oneLine + QLatin1Char('\n')).toUtf8());
    }
}

void installTracedBoxes()
{
    if (!traceEnabled())
        return;
    static TracedBoxes traced;
    for (const QString &a : qEnvironmentVariable("CX_CONFIRM").split(QLatin1Char(','), Qt::SkipEmptyParts))
        traced.confirmAnswers.push_back(a.trimmed().compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0);
    setBoxes(&traced);
}

} // namespace cx::app
