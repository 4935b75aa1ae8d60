#include "app/request_outcome.h"

#include "stamp/stamp_forms.h"
#include "support/text.h"

namespace kelpworth {

TRequestOutcome Refused(std::vector<std::string> messages) {
    TRequestOutcome outcome;
    outcome.Messages = std::move(messages);
    outcome.ExitCode = RefusedExitCode;
    return outcome;
}

void AddLine(std::vector<TResultLine>& lines, std::string label, std::string value,
             std::string comment) {
    lines.push_back(TResultLine{std::move(label), std::move(value), std::move(comment)});
}

void AddEveryForm(std::vector<TResultLine>& lines, std::uint64_t stamp) {
    AddLine(lines, "decimal", UnsignedDecimalText(stamp));
    AddLine(lines, "hex", HexForm(stamp));
    AddLine(lines, "bytes", MemoryBytesForm(stamp));
    AddLine(lines, "reg", RegistryForm(stamp));
}

}  // namespace kelpworth
