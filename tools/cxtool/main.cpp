#include "cxtool/command.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <exception>

namespace cxtool {

std::vector<Command> &commands()
{
    static std::vector<Command> all;
    return all;
}

void out(const QString &line)
{
    const QByteArray u8 = line.toUtf8();
    std::fwrite(u8.constData(), 1, u8.size(), stdout);
    std::fputc('\n', stdout);
}

void err(const QString &line)
{
    const QByteArray u8 = line.toUtf8();
    std::fwrite(u8.constData(), 1, u8.size(), stderr);
    std::fputc('\n', stderr);
}

} // namespace cxtool

namespace {

int usage()
{
    auto list = cxtool::commands();
    std::sort(list.begin(), list.end(), [](const auto &a, const auto &b) { return a.words < b.words; });
    cxtool::err(QStringLiteral("usage: cxtool COMMAND [ARGUMENTS]"));
    for (const auto &c : list)
        cxtool::err(QStringLiteral("  cxtool ") + c.words + QLatin1Char(' ') + c.usage);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("help"))
        return usage();

    // The command whose words match the most leading arguments wins.
    const cxtool::Command *best = nullptr;
    qsizetype bestWords = 0;
    for (const auto &c : cxtool::commands()) {
        const QStringList words = c.words.split(QLatin1Char(' '));
        if (words.size() <= args.size() && args.mid(0, words.size()) == words && words.size() > bestWords) {
            best = &c;
            bestWords = words.size();
        }
    }
    if (!best)
        return usage();
    try {
        return best->run(args.mid(bestWords));
    } catch (const std::exception &e) {
        cxtool::err(QString::fromUtf8(e.what()));
        return 1;
    }
}
