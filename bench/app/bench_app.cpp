// Launch of the real program to its main window shown, with every window of
// the window set created, on fixture stores; and the program's resident
// memory once it is at rest. The program reports its steps through CX_TRACE
// into a FIFO this benchmark reads. Runs offscreen unless a display is set.

#include "support/fixturestores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct Install {
    QTemporaryDir dir;
    std::string exe, fifo;
    Install()
    {
        exe = dir.filePath(QStringLiteral("chengxin")).toStdString();
        QFile::copy(QStringLiteral(CX_APP_EXE), QString::fromStdString(exe));
        cx::test::writeFixtureStores(dir.path());
        fifo = dir.filePath(QStringLiteral("trace.fifo")).toStdString();
        ::mkfifo(fifo.c_str(), 0600);
    }
};

Install &install()
{
    static Install i;
    return i;
}

long residentKiB(pid_t pid)
{
    FILE *f = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (!f)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kib = std::atol(line + 6);
    std::fclose(f);
    return kib;
}

// Starts the program and returns its pid once it has traced "shown TForm7";
// -1 when it ended before.
pid_t launch(const Install &in)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::chdir(QFileInfo(QString::fromStdString(in.exe)).absolutePath().toLocal8Bit().constData());
        ::setenv("CX_TRACE", in.fifo.c_str(), 1);
        if (!std::getenv("DISPLAY"))
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, 2);
        ::execl(in.exe.c_str(), in.exe.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    FILE *trace = std::fopen(in.fifo.c_str(), "r");
    char line[512];
    bool shown = false;
    while (trace && std::fgets(line, sizeof line, trace))
        if (std::strncmp(line, "shown TForm7", 12) == 0) {
            shown = true;
            break;
        }
    if (trace)
        std::fclose(trace);
    if (!shown) {
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

void stop(pid_t pid)
{
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

void BM_LaunchToMainWindowShown(benchmark::State &state)
{
    Install &in = install();
    for (auto _ : state) {
        const pid_t pid = launch(in);
        state.PauseTiming();
        if (pid < 0) {
            state.SkipWithError("the program did not show its main window");
            break;
        }
        stop(pid);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LaunchToMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_ResidentMemoryAtRest(benchmark::State &state)
{
    Install &in = install();
    long kib = -1;
    for (auto _ : state) {
        const pid_t pid = launch(in);
        if (pid < 0) {
            state.SkipWithError("the program did not show its main window");
            break;
        }
        std::this_thread::sleep_for(std::chrono::seconds(2));
        kib = residentKiB(pid);
        stop(pid);
    }
    state.counters["RSS_MiB"] = double(kib) / 1024.0;
}
BENCHMARK(BM_ResidentMemoryAtRest)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
