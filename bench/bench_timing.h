#pragma once
// Timing helpers for the benchmarks that compare against a peer in the same
// run: wall time and CPU time (the latter is steadier on a shared machine),
// for work in this process and for whole child processes.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

struct Timing {
    double wallMs = -1;
    double cpuMs = -1; // user + system
    bool ok() const { return wallMs >= 0; }
};

inline double benchNowMs(clockid_t clock) {
    timespec ts {};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Time work done in this process (CPU time of all its threads).
inline Timing timeInProcess(const std::function<void()>& work) {
    const double w0 = benchNowMs(CLOCK_MONOTONIC), c0 = benchNowMs(CLOCK_PROCESS_CPUTIME_ID);
    work();
    return {benchNowMs(CLOCK_MONOTONIC) - w0, benchNowMs(CLOCK_PROCESS_CPUTIME_ID) - c0};
}

// Run a program to completion; its wall time and CPU time (all its threads).
// Not ok when it cannot be started or exits with a non-zero status.
inline Timing timeProcess(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const double w0 = benchNowMs(CLOCK_MONOTONIC);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    int status = 0;
    rusage ru {};
    if (wait4(pid, &status, 0, &ru) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    const double cpu = (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3;
    return {benchNowMs(CLOCK_MONOTONIC) - w0, cpu};
}

// Best (minimum) and median of several runs of each of two contenders, run
// alternately so that both see the same machine load.
struct Comparison {
    Timing bestA, bestB, medianA, medianB;
    bool ok = true;
};

inline Comparison compareAlternately(int runs, const std::function<Timing()>& a, const std::function<Timing()>& b) {
    Comparison c;
    a(); // warm-up: file cache, dynamic loader
    b();
    std::vector<Timing> ta, tb;
    for (int i = 0; i < runs; ++i) {
        ta.push_back(a());
        tb.push_back(b());
        c.ok = c.ok && ta.back().ok() && tb.back().ok();
    }
    auto summarise = [](std::vector<Timing> v, Timing& best, Timing& median) {
        std::vector<double> w, cpu;
        for (const auto& t : v) {
            w.push_back(t.wallMs);
            cpu.push_back(t.cpuMs);
        }
        std::sort(w.begin(), w.end());
        std::sort(cpu.begin(), cpu.end());
        best = {w.front(), cpu.front()};
        median = {w[w.size() / 2], cpu[cpu.size() / 2]};
    };
    summarise(ta, c.bestA, c.medianA);
    summarise(tb, c.bestB, c.medianB);
    return c;
}
