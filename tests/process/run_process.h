// Runs the real executable as a child process with chosen standard
// streams, environment and a time limit, and collects what it did.
#pragma once

#include <string>
#include <vector>

namespace kelpworth::testing {

enum class OutputTarget { Pipe, DevNull, DevFull, Closed, BrokenPipe };
enum class InputSource { DevNull, Pipe, Closed, Terminal };

struct TProcessOptions {
    std::vector<std::string> Arguments;     // after the program path
    std::vector<std::string> Environment;   // NAME=value, added to a minimal environment
    std::string FixedClock;                 // "YYYY-MM-DD hh:mm:ss" through faketime; empty: real clock
    OutputTarget Output = OutputTarget::Pipe;
    InputSource Input = InputSource::DevNull;
    std::string ProgramPath;                // empty: the executable under test
    double TimeLimitSeconds = 10.0;
    // With a terminal as standard input: after this many milliseconds send
    // a key (or the signal below instead, when it is not 0).
    int KeyAfterMilliseconds = 300;
    int SignalInsteadOfKey = 0;
};

struct TProcessResult {
    std::string Output;
    std::string Error;
    int ExitCode = -1;   // -1 when killed by a signal
    int Signal = 0;
    bool TimedOut = false;
    bool RunningWhenKeySent = false;   // the process was still waiting
    bool TerminalRestored = false;     // canonical mode and echo are on again
};

TProcessResult RunProcess(const TProcessOptions& options);

// The executable under test.
std::string ExecutablePath();

bool FaketimeAvailable();
bool LocaleAvailable(const std::string& name);

}  // namespace kelpworth::testing
