#include "platform/argv_command_line.h"

#include <string_view>

namespace kelpworth::platform {

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
    const std::size_t programLength = line.size();
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        line += ' ';
        line += argv[i];
    }
    // Typed as they are, the words would lose the blanks that end the line.
    while (line.size() > programLength && (line.back() == ' ' || line.back() == '\t')) {
        line.pop_back();
    }
    return line;
}

}  // namespace kelpworth::platform
