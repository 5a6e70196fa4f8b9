#pragma once
#include <QString>
#include <functional>

namespace cx::app {

// Opens a file or an address with the desktop's handler for it (mail
// program, browser, installer). A failure is ignored, as the callers want.
void ShellOpen(const QString &target);

// Replaces what ShellOpen does (nullptr restores the desktop), for tests.
void setShellOpener(std::function<void(const QString &)> opener);

} // namespace cx::app
