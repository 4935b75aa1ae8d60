#include "stamp/stamp_forms.h"

#include "kelpworth/stamp.h"
#include "support/text.h"

namespace kelpworth {
namespace {

// The byte of the stamp at memory offset `index`, least significant first.
std::uint8_t ByteAt(std::uint64_t stamp, int index) {
    return static_cast<std::uint8_t>(stamp >> (8 * index));
}

std::string Padded(std::uint32_t value, std::size_t width) {
    std::string digits = DecimalText(static_cast<std::int32_t>(value));
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

std::string DecimalForm(std::uint64_t stamp) {
    char digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + stamp % 10);
        stamp /= 10;
    } while (stamp != 0);
    std::string text;
    while (count > 0) text.push_back(digits[--count]);
    return text;
}

std::string HexForm(std::uint64_t stamp) { return HexText(stamp, 16); }

std::string MemoryBytesForm(std::uint64_t stamp) {
    std::string text;
    for (int index = 0; index < 8; ++index) {
        if (index > 0) text += ' ';
        text += HexText(ByteAt(stamp, index), 2);
    }
    return text;
}

std::string RegistryForm(std::uint64_t stamp) {
    std::string text = "hex(b):";
    for (int index = 0; index < 8; ++index) {
        if (index > 0) text += ',';
        text += LowerAscii(HexText(ByteAt(stamp, index), 2));
    }
    return text;
}

std::string IsoForm(std::uint64_t stamp, bool utc) {
    const TStampMoment moment = FieldsOfStamp(stamp);
    std::string text = Padded(moment.Year, 4) + "-" + Padded(moment.Month, 2) + "-" +
                       Padded(moment.Day, 2) + "T" + Padded(moment.Hour, 2) + ":" +
                       Padded(moment.Minute, 2) + ":" + Padded(moment.Second, 2) + "." +
                       Padded(moment.Units, 7);
    if (utc) text += 'Z';
    return text;
}

}  // namespace kelpworth
