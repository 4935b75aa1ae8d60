// Runs the real executable as a child process with chosen standard
// streams, environment and a time limit, and collects what it did.
#pragma once

#include <string>
#include <vector>

namespace kelpworth::testing {

// File: a fresh file, read back into Output after the run.
enum class OutputTarget { Pipe, DevNull, DevFull, Closed, BrokenPipe, File };
// Pipe: at its end at once; OpenPipe: no data, but the writer stays open
// until the process has ended; TextPipe: TProcessOptions::InputText through
// a pipe, then its end; TextFile: the same text in a file.
enum class InputSource { DevNull, Pipe, OpenPipe, Closed, Terminal, TextPipe, TextFile };

// With a terminal as standard input: what its other side does. The key
// wait is seen on the terminal itself, polled until the time limit:
// canonical mode and echo off, as the executable sets it to read one key.
// Nothing is sent "when waiting" before the wait is seen, so a process
// that never waits gets nothing.
enum class TerminalAction {
    KeyWhenWaiting,
    KeyTypedAhead,        // a key already there before the process starts
    SignalWhenWaiting,    // TProcessOptions::Signal to the process
    HangUpWhenWaiting,    // the other side closes
};

struct TProcessOptions {
    std::vector<std::string> Arguments;     // after the program path
    std::vector<std::string> Environment;   // NAME=value, added to a minimal environment; NAME alone removes it
    std::string FixedClock;                 // "YYYY-MM-DD hh:mm:ss" through libfaketime; empty: real clock
    OutputTarget Output = OutputTarget::Pipe;
    // With a file as standard output: the size it may grow to (the file size
    // limit of the process; writes past it fail); 0: no limit.
    long long OutputFileLimit = 0;
    InputSource Input = InputSource::DevNull;
    std::string InputText;                  // for TextPipe and TextFile
    std::string ProgramPath;                // empty: the executable under test
    double TimeLimitSeconds = 10.0;
    TerminalAction Terminal = TerminalAction::KeyWhenWaiting;
    int Signal = 0;                         // for TerminalAction::SignalWhenWaiting
};

struct TProcessResult {
    std::string Output;
    std::string Error;
    int ExitCode = -1;   // -1 when killed by a signal
    int Signal = 0;
    bool TimedOut = false;
    // The terminal was seen in the key wait while the process ran; standard
    // output as it was at that moment. A signal, key or hang-up "when
    // waiting" was sent right after the wait was seen.
    bool KeyWaitSeen = false;
    std::string OutputAtKeyWait;
    bool TerminalRestored = false;     // canonical mode and echo are on again
};

TProcessResult RunProcess(const TProcessOptions& options);

// The executable under test.
std::string ExecutablePath();

bool FaketimeAvailable();
// Whether the C library loads the locale, as the executable would.
bool LocaleAvailable(const std::string& name);

// Why the runs with a fixed clock in the German locale, which most process
// tests make, cannot be made here; empty when they can.
std::string WhyFixedRunsCannotBeMade();

// Names the cases of a test that could not run here, and why, on standard
// output and as the test's "skipped" property in its report.
void NoteSkippedCases(const std::vector<std::string>& skipped);

}  // namespace kelpworth::testing
