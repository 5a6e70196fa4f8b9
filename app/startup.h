#pragma once
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace cx::app {

// The word store must exist beside the executable for the program to start.
QString wordStorePath(const QString &executableDir);
QString missingWordStoreMessage(const QString &path);

// The connection strings of the main window's four slots, in the order
// start-up sets them: qry2 (words), qry3 (idioms), qry4 (classical), qry1
// (characters). Their data sources are relative to the working directory.
struct SlotConnection {
    QString slot;
    QString connectionString;
};
const std::vector<SlotConnection> &slotConnections();
// The connection string of a store file under dat\ with its password.
QString storeConnectionString(const QString &file, const QString &password);

// One window of the window set: build constructs it (with its platform
// components) and sets its global instance; creationStep is what its
// creation does besides building it, if anything.
struct WindowEntry {
    QString className;
    std::function<QWidget *()> build;
    std::function<void()> creationStep;
};

// Builds the windows in order, each hidden, and runs each creation step. An
// error of a creation step is shown in the standard error box and the next
// window follows; an error while building a window is fatal: the "Application
// Error" box names it and false is returned. Each step is traced.
bool createWindows(const std::vector<WindowEntry> &windows);

} // namespace cx::app
