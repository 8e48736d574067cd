// The start-up benchmark: starts programs one after the other, alternating run by run, and takes
// for each run the time from process start until its first dialog window is visible and the
// program has gone idle, the time from pressing Cancel (WM_CLOSE where there is no Cancel), or OK,
// until the process has ended, and its peak working set. The first program is the reference; every
// median is also given as a ratio to the reference's, and the exit after OK as a ratio to the exit
// after Cancel of the program with the same command line.
//
//   bench [--runs N] [--before LABEL=COMMAND_LINE ...] [--ok] LABEL=COMMAND_LINE ...
//                                             N runs of each (15 when not given); a --before
//                                             command runs to its end, untimed, before every
//                                             run of the program of that label (in the order
//                                             given), so that each run finds the client it needs;
//                                             --ok: the next program is closed with OK
//   bench --timeline [--ok] COMMAND_LINE      one run whose standard error is this program's
//                                             own, for a build that prints its own time line;
//                                             closed with Cancel, or with OK
#include "tools/driver/driver.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWindowTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

SIZE_T PeakWorkingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize
                                                                     : 0;
}

// Owns a started process: whatever happens, the process does not outlive the benchmark.
class StartedProcess {
public:
    StartedProcess(const std::string& commandLine, bool shareStdHandles) {
        std::string line = commandLine;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (shareStdHandles) {
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
            startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
            startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        }
        PROCESS_INFORMATION info = {};
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, shareStdHandles, 0, nullptr,
                           nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            m_hProcess = info.hProcess;
            m_pid = info.dwProcessId;
        }
    }
    ~StartedProcess() {
        if (!m_hProcess) return;
        if (WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_hProcess, 1);
            WaitForSingleObject(m_hProcess, kExitTimeoutMs);
        }
        CloseHandle(m_hProcess);
    }
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    HANDLE handle() const { return m_hProcess; }
    DWORD pid() const { return m_pid; }

private:
    HANDLE m_hProcess = nullptr;
    DWORD m_pid = 0;
};

struct Run {
    bool ok = false;
    double firstIdleMs = 0;  // the first time the program waited for input
    double visibleMs = 0;    // its window found visible
    double startMs = 0;      // both: visible, then idle
    double exitMs = 0;
    double peakMiB = 0;
    std::string failure;
};

enum class Closing { kCancel, kOk };

Run TimeOneRun(const std::string& commandLine, bool shareStdHandles, Closing closing) {
    Run run;
    const double start = Now();
    StartedProcess process(commandLine, shareStdHandles);
    if (!process.handle()) {
        run.failure = "cannot be started";
        return run;
    }
    // Waiting for idle first keeps the benchmark off the processor while the program starts. The
    // first idle can come before the window shows (Wine shows a modal dialog when its queue first
    // runs empty, and a cold process may go idle earlier still), so the window is polled for after.
    WaitForInputIdle(process.handle(), kWindowTimeoutMs);
    run.firstIdleMs = Now() - start;
    HWND window = driver::WaitForDialog(process.pid(), kWindowTimeoutMs, 1);
    run.visibleMs = Now() - start;
    if (!window) {
        run.failure = "showed no window";
        return run;
    }
    if (WaitForInputIdle(process.handle(), kWindowTimeoutMs) != 0) {
        run.failure = "did not go idle";
        return run;
    }
    run.startMs = Now() - start;
    SIZE_T peak = PeakWorkingSet(process.handle());

    const double pressed = Now();
    const int buttonId = closing == Closing::kOk ? IDOK : IDCANCEL;
    HWND button = GetDlgItem(window, buttonId);
    if (button && IsWindowEnabled(button))
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    else if (closing == Closing::kCancel)
        PostMessageA(window, WM_CLOSE, 0, 0);
    else {
        run.failure = "has no OK button to press";
        return run;
    }
    if (WaitForSingleObject(process.handle(), kExitTimeoutMs) != WAIT_OBJECT_0) {
        run.failure = closing == Closing::kOk ? "did not end after OK" : "did not end after Cancel";
        return run;
    }
    run.exitMs = Now() - pressed;
    peak = std::max(peak, PeakWorkingSet(process.handle()));
    run.peakMiB = static_cast<double>(peak) / (1024.0 * 1024.0);
    run.ok = true;
    return run;
}

struct Program {
    std::string label;
    std::string commandLine;
    Closing closing = Closing::kCancel;
    std::vector<std::string> before;
    std::vector<Run> runs;
};

struct Figures {
    double min = 0, median = 0, max = 0;
};

template <typename Member>
Figures Summarise(const std::vector<Run>& runs, Member member) {
    std::vector<double> values;
    for (const Run& run : runs)
        if (run.ok) values.push_back(run.*member);
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, values.back()};
}

double Ratio(double value, double reference) {
    return reference > 0 ? value / reference : 0;
}

int Timeline(const std::string& commandLine, Closing closing) {
    Run run = TimeOneRun(commandLine, true, closing);
    if (!run.ok) {
        std::fprintf(stderr, "bench: %s %s\n", commandLine.c_str(), run.failure.c_str());
        return 1;
    }
    std::printf(
        "seen from outside: first idle %.0f ms, window visible %.0f ms, visible and idle %.0f ms, "
        "ended %.0f ms after %s, peak working set %.1f MiB\n",
        run.firstIdleMs, run.visibleMs, run.startMs, run.exitMs,
        closing == Closing::kOk ? "OK" : "Cancel", run.peakMiB);
    return 0;
}

int Compare(std::vector<Program>& programs, int runs) {
    for (int i = 0; i < runs; ++i) {
        for (Program& program : programs) {
            for (const std::string& command : program.before) {
                if (driver::Run(command) != 0) {
                    std::fprintf(stderr, "bench: %s failed\n", command.c_str());
                    return 1;
                }
            }
            program.runs.push_back(TimeOneRun(program.commandLine, false, program.closing));
            const Run& run = program.runs.back();
            if (!run.ok)
                std::fprintf(stderr, "bench: run %d of %s %s\n", i + 1, program.label.c_str(),
                             run.failure.c_str());
        }
    }

    std::printf("%d runs each, alternating; times in ms, peak working set in MiB\n\n", runs);
    std::printf("%-14s %28s %28s %28s\n", "", "start-up to idle", "exit after Cancel / OK",
                "peak working set");
    std::printf("%-14s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n", "program", "min", "median", "max",
                "min", "median", "max", "min", "median", "max");
    bool allOk = true;
    for (const Program& program : programs) {
        const Figures start = Summarise(program.runs, &Run::startMs);
        const Figures exit = Summarise(program.runs, &Run::exitMs);
        const Figures peak = Summarise(program.runs, &Run::peakMiB);
        const int total = static_cast<int>(program.runs.size());
        const int good = static_cast<int>(std::count_if(program.runs.begin(), program.runs.end(),
                                                        [](const Run& run) { return run.ok; }));
        allOk = allOk && good == total;
        std::printf("%-14s %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f %9.1f",
                    program.label.c_str(), start.min, start.median, start.max, exit.min,
                    exit.median, exit.max, peak.min, peak.median, peak.max);
        if (program.closing == Closing::kOk) std::printf("   (closed with OK)");
        if (good != total) std::printf("   (%d of %d runs failed)", total - good, total);
        std::printf("\n");
    }

    const Program& reference = programs.front();
    const double refStart = Summarise(reference.runs, &Run::startMs).median;
    const double refExit = Summarise(reference.runs, &Run::exitMs).median;
    const double refPeak = Summarise(reference.runs, &Run::peakMiB).median;
    std::printf("\nmedians as ratios to %s's\n", reference.label.c_str());
    for (size_t i = 1; i < programs.size(); ++i) {
        const Program& program = programs[i];
        std::printf("%-14s  start-up %.2f   exit %.2f   peak working set %.2f\n",
                    program.label.c_str(),
                    Ratio(Summarise(program.runs, &Run::startMs).median, refStart),
                    Ratio(Summarise(program.runs, &Run::exitMs).median, refExit),
                    Ratio(Summarise(program.runs, &Run::peakMiB).median, refPeak));
    }
    for (const Program& program : programs) {
        if (program.closing != Closing::kOk) continue;
        auto cancelled = std::find_if(programs.begin(), programs.end(), [&](const Program& p) {
            return p.closing == Closing::kCancel && p.commandLine == program.commandLine;
        });
        if (cancelled == programs.end()) continue;
        const double ok = Summarise(program.runs, &Run::exitMs).median;
        const double cancel = Summarise(cancelled->runs, &Run::exitMs).median;
        std::printf("\n%s: exit after OK %.1f ms, %.2f x the exit after Cancel of %s (%.1f ms)\n",
                    program.label.c_str(), ok, Ratio(ok, cancel), cancelled->label.c_str(), cancel);
    }
    return allOk ? 0 : 1;
}

void Usage() {
    std::fprintf(
        stderr,
        "usage: bench [--runs N] [--before LABEL=COMMAND_LINE ...] [--ok] LABEL=COMMAND_LINE ...\n"
        "       (the first program is the reference; --ok closes the next one with OK)\n"
        "       bench --timeline [--ok] COMMAND_LINE\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--timeline")
        return Timeline(argv[2], Closing::kCancel);
    if (argc == 4 && std::string(argv[1]) == "--timeline" && std::string(argv[2]) == "--ok")
        return Timeline(argv[3], Closing::kOk);
    int runs = 15;
    std::vector<Program> programs;
    std::vector<std::pair<std::string, std::string>> before;  // label, command
    Closing closing = Closing::kCancel;                       // of the next program
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
            continue;
        }
        if (argument == "--ok") {
            closing = Closing::kOk;
            continue;
        }
        const bool isBefore = argument == "--before" && i + 1 < argc;
        if (isBefore) argument = argv[++i];
        const size_t equals = argument.find('=');
        if (equals == std::string::npos || equals == 0) {
            Usage();
            return 2;
        }
        std::string label = argument.substr(0, equals), command = argument.substr(equals + 1);
        if (isBefore) {
            before.emplace_back(label, command);
        } else {
            programs.push_back({label, command, closing, {}, {}});
            closing = Closing::kCancel;
        }
    }
    for (const auto& [label, command] : before) {
        auto program = std::find_if(programs.begin(), programs.end(),
                                    [&](const Program& p) { return p.label == label; });
        if (program == programs.end()) {
            Usage();
            return 2;
        }
        program->before.push_back(command);
    }
    if (programs.size() < 2 || runs < 1) {
        Usage();
        return 2;
    }
    return Compare(programs, runs);
}
