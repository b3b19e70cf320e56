// Timing of the report road on the example position B001 (all four connection types):
//   Compute_Only      one recomputation without a report, as after every edit in the window;
//   Bare_Process      start and end of a process that does nothing (/bin/true);
//   Usage_Process     start and end of this program with too few arguments (usage text only);
//   Batch_Process     the whole batch run as the host starts it, input file to closed report,
//                     with the peak resident set of the child in the counter max_rss_kB.
// Run from the repository: build/bench/bin/report_run_benchmark (see `make benchmark`).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frame/connection_record.h"
#include "frame/report_driver.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

const std::string Source = BASIS_SOURCE_DIR;

// A scratch copy of the host folders and the examples, made once per process.
const std::string& Scratch() {
    static const std::string folder = [] {
        const fs::path p = fs::temp_directory_path() / ("report_bench_" + std::to_string(getpid()));
        fs::create_directories(p);
        fs::copy(Source + "/host", p / "host", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::copy(Source + "/examples", p, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        return p.string();
    }();
    return folder;
}

// Runs the program with its arguments in the scratch folder; the child's peak resident set in kB.
long Run_Process(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // The children's texts go to /dev/null so that only the timings show.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return -1;
    return usage.ru_maxrss;
}

void Enter_Scratch() {
    static const bool done = [] {
        const std::string& s = Scratch();
        setenv("EXEC", (s + "/host/EXEC").c_str(), 1);
        setenv("DATA", (s + "/host/DATA").c_str(), 1);
        setenv("DRAM", (s + "/host/DRAM").c_str(), 1);
        fs::current_path(s);
        return true;
    }();
    (void)done;
}

void Compute_Only(benchmark::State& state) {
    Enter_Scratch();
    FILE* f = std::fopen("B001_01.INP", "r");
    if (!f || Read_Input_File(f, &Connection) != 0) {
        state.SkipWithError("B001_01.INP not readable");
        if (f) std::fclose(f);
        return;
    }
    std::fclose(f);
    for (auto _ : state) {
        Run_Connection_Checks(&Connection, nullptr);
        benchmark::DoNotOptimize(Connection.U_max);
    }
}
BENCHMARK(Compute_Only);

void Bare_Process(benchmark::State& state) {
    Enter_Scratch();
    for (auto _ : state) Run_Process({"/bin/true"});
}
BENCHMARK(Bare_Process)->Unit(benchmark::kMillisecond)->UseRealTime();

void Usage_Process(benchmark::State& state) {
    Enter_Scratch();
    for (auto _ : state) Run_Process({BASIS_EXECUTABLE, "B001"});
}
BENCHMARK(Usage_Process)->Unit(benchmark::kMillisecond)->UseRealTime();

void Batch_Process(benchmark::State& state) {
    Enter_Scratch();
    long rss = 0;
    for (auto _ : state) rss = std::max(rss, Run_Process({BASIS_EXECUTABLE, "B001", "0", "1", "1", "-refresh"}));
    state.counters["max_rss_kB"] = static_cast<double>(rss);
}
BENCHMARK(Batch_Process)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
