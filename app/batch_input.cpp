#include "app/batch_input.h"

#include "platform/platform.h"

namespace kelpworth {
namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";
constexpr std::size_t LongestMark = 3;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// `start` is too short to tell yet: it could still become `mark`.
bool CouldBecome(std::string_view start, std::string_view mark) {
    return start.size() < mark.size() && StartsWith(mark, start);
}

}  // namespace

std::string_view TBatchInput::TextOf(std::string_view bytes) {
    if (Encoding == TEncoding::Bytes) return bytes;
    if (Encoding == TEncoding::Utf16) {
        Characters.clear();
        Decoder->Decode(bytes, Characters);
        return Converted();
    }
    // A first read of a few bytes (a pipe, a slow writer) is kept until a
    // mark is told apart; a longer one is taken as it is.
    if (Start.empty() && bytes.size() >= LongestMark) return Decided(bytes);
    Start.append(bytes);
    for (const std::string_view mark : {Utf8Mark, Utf16LittleEndianMark, Utf16BigEndianMark}) {
        if (CouldBecome(Start, mark)) return {};
    }
    return Decided(Start);
}

std::string_view TBatchInput::Decided(std::string_view start) {
    std::optional<TByteOrder> order;
    if (StartsWith(start, Utf16LittleEndianMark)) order = TByteOrder::LittleEndian;
    if (StartsWith(start, Utf16BigEndianMark)) order = TByteOrder::BigEndian;
    if (!order) {
        Encoding = TEncoding::Bytes;
        if (StartsWith(start, Utf8Mark)) start.remove_prefix(Utf8Mark.size());
        return start;
    }
    Encoding = TEncoding::Utf16;
    Decoder.emplace(*order);
    start.remove_prefix(Utf16LittleEndianMark.size());
    Characters.clear();
    Decoder->Decode(start, Characters);
    return Converted();
}

std::string_view TBatchInput::Converted() {
    Text.clear();
    platform::AppendAnsiText(Characters, Text);
    return Text;
}

std::string_view TBatchInput::RestAtEnd() {
    if (Encoding == TEncoding::Undecided) {
        // The start of a mark and nothing more: plain bytes after all.
        Encoding = TEncoding::Bytes;
        return Start;
    }
    if (Encoding != TEncoding::Utf16) return {};
    Characters.clear();
    Decoder->Finish(Characters);
    return Converted();
}

}  // namespace kelpworth
