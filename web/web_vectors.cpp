// The web module's conversions run natively, for the Node tests to compare
// the WebAssembly build with byte for byte. Standard input: the first line
// names the zone ("UTC" or "weekly", a zone of test rules whose offset
// changes every week), then the text. Argument "lines" converts the text
// line by line as the page's batch does; "moment" and "stamp" convert each
// line on its own and print its record, then an empty line.
#include <iostream>
#include <iterator>
#include <string>

#include "web/web_conversion.h"

namespace {

// +01:00 in even weeks from 1601-01-01, +02:00 in odd ones: a change at
// midnight UTC every Monday, forward and back in turn.
bool WeeklyOffset(std::int64_t utcSeconds, std::int32_t& offset) {
    constexpr std::int64_t Week = 604'800;
    std::int64_t week = utcSeconds / Week;  // floored: about -1 .. 1.6e6
    if (utcSeconds % Week != 0 && utcSeconds < 0) --week;
    offset = week % 2 == 0 ? 3600 : 7200;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "lines";
    std::string zoneName;
    std::getline(std::cin, zoneName);
    kelpworth::web::TZone zone;
    zone.Utc = zoneName == "UTC";
    zone.Name = zoneName;
    zone.OffsetAt = WeeklyOffset;
    const std::string text{std::istreambuf_iterator<char>(std::cin), {}};
    std::string out;
    if (mode == "lines") {
        kelpworth::web::ConvertLines(text, zone, out);
    } else {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            const std::string_view line(text.data() + start, end - start);
            out += kelpworth::web::ResultRecord(mode == "moment"
                                                    ? kelpworth::web::ConvertMoment(line, zone)
                                                    : kelpworth::web::ReadStamp(line, zone));
            out += '\n';
            start = end + 1;
        }
    }
    std::cout << out;
    return 0;
}
