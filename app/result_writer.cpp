#include "app/result_writer.h"

#include "support/console_channel.h"

namespace kelpworth {

TResultWriter::TResultWriter(TResultShape shape, std::size_t holdUpTo,
                             std::uint32_t failureLocation)
    : Shape(shape), HoldUpTo(holdUpTo), FailureLocation(failureLocation) {}

void TResultWriter::Write(const TRequestOutcome& outcome, std::string_view origin) {
    for (const std::string& message : outcome.Messages) {
        // Before the output they concern: what precedes it goes out first.
        Flush();
        WriteErrorLine(MessageLine(std::string(origin) + message));
    }
    bool first = true;
    for (const TResultLine& line : outcome.Lines) {
        if (Shape == TResultShape::OneLine) {
            if (!first) Held += '\t';
            Held += line.Value;
        } else {
            if (!line.Label.empty()) Held.append(line.Label).append(": ");
            Held += line.Value;
            if (!line.Comment.empty()) Held.append(" ").append(line.Comment);
            Held += '\n';
        }
        first = false;
    }
    if (Shape == TResultShape::OneLine) Held += '\n';
    // One write for a request's lines, so that a reader that stops after
    // the first (head -n 1) never races with the rest.
    if (Held.size() >= HoldUpTo) Flush();
}

void TResultWriter::Flush() {
    if (Held.empty()) return;
    WriteInOnePiece(Held, FailureLocation);
    Held.clear();
}

std::string MessageLine(std::string_view message) {
    return "kelpworth: " + std::string(message);
}

}  // namespace kelpworth
