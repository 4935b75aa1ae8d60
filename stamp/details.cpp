#include "stamp/details.h"

#include "platform/platform.h"
#include "stamp/zone_offsets.h"
#include "support/text.h"

namespace kelpworth {
namespace {

std::string QuotedLine(std::string_view name, std::string_view value) {
    std::string line = "'";
    line += name;
    line += '=';
    line += value;
    line += '\'';
    return line;
}

}  // namespace

std::string DetailsText(const TDateTimeRecord& used, const TStampMoment& fields,
                        std::string_view stampText, std::optional<std::int32_t> utcOffset) {
    const std::string lines[] = {
        QuotedLine("DateStr", used.DateStr),
        QuotedLine("TimeStr", used.TimeStr),
        QuotedLine("Day", DecimalText(fields.Day)),
        QuotedLine("Month", DecimalText(fields.Month)),
        QuotedLine("Year", DecimalText(fields.Year)),
        QuotedLine("Hour", DecimalText(fields.Hour)),
        QuotedLine("Minute", DecimalText(fields.Minute)),
        QuotedLine("Second", DecimalText(fields.Second)),
        QuotedLine("Hex", stampText),
    };
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    if (utcOffset) text += "\r\n" + QuotedLine("Offset", UtcOffsetText(*utcOffset));
    return text;
}

void ShowDetails(std::string_view title, const TDateTimeRecord& used, const TStampMoment& fields,
                 std::string_view stampText, std::optional<std::int32_t> utcOffset) {
    const platform::WindowHandle owner = platform::FindTopWindow(std::string(title));
    platform::ShowMessageDialog(owner, DetailsText(used, fields, stampText, utcOffset), "",
                                platform::MessageStylePlain);
}

}  // namespace kelpworth
