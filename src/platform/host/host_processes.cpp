// The host's programs on this platform: started with posix_spawn from an argument vector (no shell
// ever sees the arguments), waited for, or kept in a table of running tools and reaped when asked.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "platform/host/host_library.h"
#include "platform/host/host_trace.h"

namespace {

constexpr int Window_Poll_Ms = 5;   // real time that one look for a window takes

struct Started_Process {
    int mode = 0;
    bool ended = false;
    int exit_code = 0;
};

// Every program started without waiting, by its process number.
std::map<pid_t, Started_Process> started;

int Exit_Code(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

// Reaps the process when it has ended; true when it has.
bool Has_Ended(pid_t pid, Started_Process& p) {
    if (p.ended) return true;
    int status = 0;
    pid_t r = 0;
    do r = waitpid(pid, &status, WNOHANG);
    while (r < 0 && errno == EINTR);
    if (r == 0) return false;
    p.ended = true;
    p.exit_code = r == pid ? Exit_Code(status) : -1;
    return true;
}

}  // namespace

int VEKSpawnv(int mode, const char* program, const char* const* argv) {
    if (!program || !argv || !argv[0]) return -1;
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) return -1;
    if (mode == 1 || mode == 2) {
        started[pid] = Started_Process{mode};
        return static_cast<int>(pid);
    }
    if (mode != 0) {
        started[pid] = Started_Process{mode};
        return 0;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return Exit_Code(status);
}

int CheckVEKProcess(int process, int* exit_code) {
    const auto it = started.find(static_cast<pid_t>(process));
    if (it == started.end()) {
        if (exit_code) *exit_code = -1;
        return 1;
    }
    if (!Has_Ended(it->first, it->second)) return 0;
    if (exit_code) *exit_code = it->second.exit_code;
    return 1;
}

void ShowVEKProcessWindow(int process, int show) {
    if (Host_Tracing()) Host_Trace_Line("process " + std::to_string(process) + " window " + std::to_string(show));
}

int FindVEKWindow(const char*, int) {
    std::this_thread::sleep_for(std::chrono::milliseconds(Window_Poll_Ms));
    for (auto& [pid, p] : started)
        if (p.mode == 1 && !Has_Ended(pid, p)) return 1;
    return 0;
}

int Host_Run_Program(const char* program, const char* const* argv, const char* output) {
    if (!program || !argv || !argv[0] || !output) return -1;
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return -1;
    pid_t pid = 0;
    int spawned = posix_spawn_file_actions_addopen(&actions, 1, output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (spawned == 0) spawned = posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (spawned == 0) spawned = posix_spawn(&pid, program, &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return Exit_Code(status);
}
