#pragma once
#include <QStringList>
#include <functional>
#include <vector>

namespace cxtool {

// One command: its words ("store query"), a usage line and the function
// that runs it on the arguments after the words. It returns the exit code.
struct Command {
    QString words;
    QString usage;
    std::function<int(const QStringList &args)> run;
};

std::vector<Command> &commands();

// Registers a command at start-up: `static cxtool::Registration r{{...}};`
struct Registration {
    explicit Registration(Command c) { commands().push_back(std::move(c)); }
};

// Output helpers: UTF-8 lines on stdout and stderr.
void out(const QString &line);
void err(const QString &line);

} // namespace cxtool
