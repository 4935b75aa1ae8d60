// The one writer of what requests give: messages to standard error, each
// after "kelpworth: " and where it came from, then the result. A single
// run writes a request's result lines, labelled and commented, in one
// piece at once; a batch writes each request's values as one tab-separated
// line and holds them until much has gathered or more input is awaited.
// Standard output is converted to the OEM code page as the console channel
// converts it, and a failed write stops the process with the run-time error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/request_outcome.h"

namespace kelpworth {

enum class TResultShape {
    Lines,    // "label: value comment", a line each
    OneLine,  // the values alone, tab-separated, on one line (even none)
};

class TResultWriter {
public:
    // `holdUpTo`: the size of output held before it is written; 0 writes
    // each request's result at once. `failureLocation` names the writer in
    // the run-time error message.
    TResultWriter(TResultShape shape, std::size_t holdUpTo, std::uint32_t failureLocation);

    // `origin` comes between "kelpworth: " and each message ("line 3: ").
    void Write(const TRequestOutcome& outcome, std::string_view origin = {});

    // Writes out what is held.
    void Flush();

private:
    TResultShape Shape;
    std::size_t HoldUpTo;
    std::uint32_t FailureLocation;
    std::string Held;
};

// "kelpworth: " before a message.
std::string MessageLine(std::string_view message);

}  // namespace kelpworth
