// Process questions on POSIX: the command line is rebuilt from argv.
#include <csignal>
#include <cstdlib>

#include "platform/argv_command_line.h"
#include "platform/platform.h"

namespace kelpworth::platform {
namespace {

int gArgc = 0;
char** gArgv = nullptr;

}  // namespace

void StartProcess(int argc, char** argv) {
    gArgc = argc;
    gArgv = argv;
    // A reader that has gone must show as a failed write (EPIPE), not end
    // the process silently.
    std::signal(SIGPIPE, SIG_IGN);
}

std::string ReadRawCommandLine() { return CommandLineFromArguments(gArgc, gArgv); }

void EndProcess(std::uint32_t exitCode) { std::exit(static_cast<int>(exitCode)); }

}  // namespace kelpworth::platform
