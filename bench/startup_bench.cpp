// Whole-process cost of a command against a reference command: both are
// started alternately, one pair after another, so that a change in the
// machine's load hits both sides alike. Reports the median wall time of
// each, the median of the per-pair ratios and the peak resident memory.
//
//   kelpworth_startup_bench [--runs N] [--warmup N] [--rss-runs N]
//                           -- REFERENCE... -- COMMAND...
//
// Standard output of both goes to /dev/null; both see this program's
// environment. Exit code 1 when either command fails.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct TCommand {
    std::vector<std::string> Words;
    std::vector<char*> Argv;
};

TCommand MakeCommand(std::vector<std::string> words) {
    TCommand command{std::move(words), {}};
    for (std::string& word : command.Words) command.Argv.push_back(word.data());
    command.Argv.push_back(nullptr);
    return command;
}

std::string Describe(const TCommand& command) {
    std::string text;
    for (const std::string& word : command.Words) text += (text.empty() ? "" : " ") + word;
    return text;
}

// Wall time of one run in microseconds; negative when the command failed.
double TimedRun(TCommand& command, int devNull) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, devNull, STDOUT_FILENO);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int failed =
        posix_spawn(&child, command.Argv[0], &actions, nullptr, command.Argv.data(), environ);
    int status = 0;
    if (failed == 0) {
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
    return std::chrono::duration<double, std::micro>(end - start).count();
}

// Peak resident memory of the executed image alone (VmHWM, KiB), read
// while the process stands stopped at its exit. ru_maxrss would also count
// the pages of the forked copy of this program before the exec.
long PeakResidentKiB(TCommand& command, int devNull) {
    const pid_t child = fork();
    if (child == 0) {
        dup2(devNull, STDOUT_FILENO);
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        execve(command.Argv[0], command.Argv.data(), environ);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);  // stopped at the exec
    ptrace(PTRACE_SETOPTIONS, child, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACEEXIT));
    ptrace(PTRACE_CONT, child, nullptr, nullptr);
    long peak = -1;
    while (waitpid(child, &status, 0) == child && !WIFEXITED(status) && !WIFSIGNALED(status)) {
        int signal = 0;
        if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            const std::string path = "/proc/" + std::to_string(child) + "/status";
            if (FILE* file = std::fopen(path.c_str(), "r")) {
                char line[256];
                while (std::fgets(line, sizeof line, file) != nullptr) {
                    if (std::strncmp(line, "VmHWM:", 6) == 0) peak = std::atol(line + 6);
                }
                std::fclose(file);
            }
        } else if (WIFSTOPPED(status) && WSTOPSIG(status) != SIGTRAP) {
            signal = WSTOPSIG(status);
        }
        ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void*>(static_cast<long>(signal)));
    }
    return peak;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}

int Usage() {
    std::fprintf(stderr,
                 "usage: kelpworth_startup_bench [--runs N] [--warmup N] -- REFERENCE... -- "
                 "COMMAND...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 1000;
    int warmup = 50;
    int rssRuns = 21;
    std::vector<std::vector<std::string>> commands;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--") {
            commands.emplace_back();
        } else if (!commands.empty()) {
            commands.back().push_back(word);
        } else if (word == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (word == "--warmup" && i + 1 < argc) {
            warmup = std::atoi(argv[++i]);
        } else if (word == "--rss-runs" && i + 1 < argc) {
            rssRuns = std::atoi(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (commands.size() != 2 || commands[0].empty() || commands[1].empty() || runs < 1 ||
        rssRuns < 1) {
        return Usage();
    }
    TCommand reference = MakeCommand(commands[0]);
    TCommand tool = MakeCommand(commands[1]);
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);

    for (int i = 0; i < warmup; ++i) {
        if (TimedRun(reference, devNull) < 0 || TimedRun(tool, devNull) < 0) {
            std::fprintf(stderr, "a command failed\n");
            return 1;
        }
    }
    std::vector<double> referenceTimes;
    std::vector<double> toolTimes;
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i) {
        // Which side goes first alternates too.
        double r = 0;
        double t = 0;
        if (i % 2 == 0) {
            r = TimedRun(reference, devNull);
            t = TimedRun(tool, devNull);
        } else {
            t = TimedRun(tool, devNull);
            r = TimedRun(reference, devNull);
        }
        if (r < 0 || t < 0) {
            std::fprintf(stderr, "a command failed\n");
            return 1;
        }
        referenceTimes.push_back(r);
        toolTimes.push_back(t);
        ratios.push_back(t / r);
    }
    // The peak varies with what the page cache holds: the median of several.
    std::vector<double> referencePeaks;
    std::vector<double> toolPeaks;
    for (int i = 0; i < rssRuns; ++i) {
        referencePeaks.push_back(static_cast<double>(PeakResidentKiB(reference, devNull)));
        toolPeaks.push_back(static_cast<double>(PeakResidentKiB(tool, devNull)));
    }

    std::printf("reference: %s\n", Describe(reference).c_str());
    std::printf("command:   %s\n", Describe(tool).c_str());
    std::printf("pairs:     %d (after %d warm-up pairs)\n", runs, warmup);
    std::printf("wall time: reference %.0f us, command %.0f us (medians)\n",
                Median(referenceTimes), Median(toolTimes));
    std::printf("ratio:     %.3f (median of paired ratios; quartiles %.3f .. %.3f)\n",
                Median(ratios), Quantile(ratios, 0.25), Quantile(ratios, 0.75));
    std::printf("peak RSS:  reference %.0f KiB, command %.0f KiB (medians of %d)\n",
                Median(referencePeaks), Median(toolPeaks), rssRuns);
    return 0;
}
