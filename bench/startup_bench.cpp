// Start-up: the program and an empty Qt main window with a menu and a status bar, each started
// as a process on the offscreen platform in turn and ended once its first window has been
// shown and painted; the CPU time and peak memory of each, as medians of the runs.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

extern char** environ;

namespace cw::bench {
namespace {

struct Run {
    double cpuMs = 0, peakMiB = 0;
};

// One run of the program at path, with a home of its own so no recovery copy is offered.
Run RunOnce(const char* path, const QTemporaryDir& home) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v(*e);
        if (v.rfind("QT_QPA_PLATFORM=", 0) != 0 && v.rfind("XDG_", 0) != 0) env.push_back(v);
    }
    const std::string h = home.path().toStdString();
    env.insert(env.end(),
               {"QT_QPA_PLATFORM=offscreen", "CW_QUIT_WHEN_SHOWN=1", "XDG_DATA_HOME=" + h + "/data",
                "XDG_CONFIG_HOME=" + h + "/config", "XDG_CACHE_HOME=" + h + "/cache"});
    std::vector<char*> envp;
    for (std::string& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(path), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path, nullptr, nullptr, argv, envp.data()) != 0) return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    auto ms = [](timeval t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void StartUp(benchmark::State& state) {
    QTemporaryDir home;
    std::vector<double> cpu, emptyCpu, ratio, peak, emptyPeak;
    for (auto _ : state) {
        const Run program = RunOnce(CW_PROGRAM, home);
        const Run empty = RunOnce(CW_EMPTY_WINDOW, home);
        if (program.cpuMs == 0 || empty.cpuMs == 0) {
            state.SkipWithError("a run did not end by itself");
            return;
        }
        cpu.push_back(program.cpuMs);
        emptyCpu.push_back(empty.cpuMs);
        // The ratio of two runs side by side: a busy moment slows both.
        ratio.push_back(program.cpuMs / empty.cpuMs);
        peak.push_back(program.peakMiB);
        emptyPeak.push_back(empty.peakMiB);
        state.SetIterationTime(program.cpuMs / 1e3);
    }
    state.counters["cpu_ms"] = Median(cpu);
    state.counters["empty_cpu_ms"] = Median(emptyCpu);
    state.counters["cpu_x_empty"] = Median(ratio);
    state.counters["peak_MiB"] = Median(peak);
    state.counters["MiB_above_empty"] = Median(peak) - Median(emptyPeak);
}

}  // namespace

BENCHMARK(StartUp)
    ->Name("StartUp/FirstWindow")
    ->UseManualTime()
    ->Iterations(41)
    ->Unit(benchmark::kMillisecond);

}  // namespace cw::bench
