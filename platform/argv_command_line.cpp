#include "platform/argv_command_line.h"

namespace kelpworth::platform {

std::string QuoteArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) {
        return std::string(argument);
    }
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, '\\');
    quoted.push_back('"');
    return quoted;
}

std::string CommandLineFromArguments(int argc, const char* const* argv) {
    std::string line;
    if (argc > 0 && argv[0] != nullptr) {
        std::string_view program = argv[0];
        const std::size_t slash = program.find_last_of('/');
        if (slash != std::string_view::npos) program.remove_prefix(slash + 1);
        const bool quoted = program.find_first_of(" \t") != std::string_view::npos;
        if (quoted) line.push_back('"');
        line.append(program);
        if (quoted) line.push_back('"');
    }
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        line += ' ';
        line += QuoteArgument(argv[i]);
    }
    return line;
}

}  // namespace kelpworth::platform
