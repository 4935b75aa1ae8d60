// What a run of its own printed, as a batch line: the values of its result
// lines joined by tabs, without the labels of the forms and the comment of
// the exact stamp.
#pragma once

#include <string>
#include <string_view>

namespace kelpworth::testing {

inline std::string BatchLineOf(std::string_view output) {
    std::string line;
    while (!output.empty()) {
        std::string_view result = output.substr(0, output.find('\n'));
        output.remove_prefix(result.size() < output.size() ? result.size() + 1 : result.size());
        for (const std::string_view label :
             {"decimal: ", "hex: ", "bytes: ", "reg: ", "iso: ", "stamp: ", "exact: "}) {
            if (result.substr(0, label.size()) != label) continue;
            result.remove_prefix(label.size());
            if (label == "exact: ") result = result.substr(0, result.find(' '));
        }
        if (!line.empty()) line += '\t';
        line += result;
    }
    return line;
}

}  // namespace kelpworth::testing
