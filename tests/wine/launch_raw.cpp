// Starts a program with an exact command line and hands back its exit
// code. A program started from Linux under Wine gets a command line that
// Wine rebuilds from the arguments (the program as a quoted DOS path,
// arguments with blanks quoted); odd quoting, a glued quote or a trailing
// blank can only be given from inside, through CreateProcessA.
//
// Usage: kelpworth_launch_raw.exe [--no-output] PROGRAM
// The command line is taken byte for byte from the environment variable
// KELPWORTH_RAW_COMMAND_LINE, or, when KELPWORTH_RAW_COMMAND_LINE_HEX is
// set, from its pairs of hex digits: Wine converts the environment from
// the Linux character set, which no byte from 0x80 to 0xFF survives. The standard handles are passed on; with
// --no-output the program gets no standard output handle at all. Exit
// code: the program's; 254 for bad usage, 255 when it could not start.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr char LineVariable[] = "KELPWORTH_RAW_COMMAND_LINE";
constexpr char HexLineVariable[] = "KELPWORTH_RAW_COMMAND_LINE_HEX";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of `name`, empty when it is not set.
std::vector<char> Variable(const char* name) {
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    std::vector<char> value(size + 1, '\0');
    if (size != 0) GetEnvironmentVariableA(name, value.data(), size + 1);
    value.resize(std::strlen(value.data()));
    return value;
}

// Decodes pairs of hex digits; false on anything else.
bool DecodeHex(const std::vector<char>& hex, std::vector<char>& bytes) {
    if (hex.size() % 2 != 0) return false;
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool noOutput = argc == 3 && std::strcmp(argv[1], "--no-output") == 0;
    if (argc != 2 && !noOutput) {
        std::fprintf(stderr, "usage: kelpworth_launch_raw [--no-output] PROGRAM (line in %s)\n",
                     LineVariable);
        return 254;
    }
    const char* program = argv[argc - 1];
    // CreateProcessA may write into the line, so it lives in a buffer.
    std::vector<char> line = Variable(LineVariable);
    const std::vector<char> hex = Variable(HexLineVariable);
    if (!hex.empty() && !DecodeHex(hex, line)) {
        std::fprintf(stderr, "kelpworth_launch_raw: %s is not hex\n", HexLineVariable);
        return 254;
    }
    if (line.empty()) {
        std::fprintf(stderr, "kelpworth_launch_raw: %s is not set\n", LineVariable);
        return 254;
    }
    line.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = noOutput ? nullptr : GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child = {};
    if (CreateProcessA(program, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &child) == 0) {
        std::fprintf(stderr, "kelpworth_launch_raw: cannot start %s (error %lu)\n", program,
                     static_cast<unsigned long>(GetLastError()));
        return 255;
    }
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD exitCode = 255;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return static_cast<int>(exitCode);
}
