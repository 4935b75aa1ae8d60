#include "platform/posix/posix_time_formats.h"

#include <cstddef>

namespace kelpworth::platform::posix {
namespace {

constexpr std::string_view CTwelveHourFormat = "%I:%M:%S %p";

bool IsFlag(char c) { return c == '-' || c == '_' || c == '0' || c == '^' || c == '#'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void AppendLiteral(std::vector<TFormatPiece>& pieces, std::string_view text) {
    if (text.empty()) return;
    if (pieces.empty() || pieces.back().IsField) pieces.push_back(TFormatPiece{});
    pieces.back().Literal += text;
}

void AppendPieces(std::vector<TFormatPiece>& pieces, const std::vector<TFormatPiece>& more) {
    for (const TFormatPiece& piece : more) {
        if (piece.IsField) {
            pieces.push_back(piece);
        } else {
            AppendLiteral(pieces, piece.Literal);
        }
    }
}

bool IsPlainField(const TFormatPiece& piece, char letter) {
    return piece.IsField && piece.Modifier == 0 && piece.Letter == letter;
}

// Day, month and year fields; the era name and the day names are not.
bool IsDateField(const TFormatPiece& piece) {
    if (!piece.IsField) return false;
    if (piece.Modifier == 'E') return piece.Letter == 'y' || piece.Letter == 'Y';
    switch (piece.Letter) {
        case 'd': case 'e': case 'm': case 'b': case 'h': case 'B': case 'Y': case 'y':
            return true;
        default:
            return false;
    }
}

bool IsHourField(const TFormatPiece& piece) {
    return piece.IsField && piece.Modifier != 'E' &&
           (piece.Letter == 'H' || piece.Letter == 'I' || piece.Letter == 'k' ||
            piece.Letter == 'l');
}

bool IsMarkField(const TFormatPiece& piece) {
    return piece.IsField && (piece.Letter == 'p' || piece.Letter == 'P');
}

bool DropsPadding(const TFormatPiece& piece) { return piece.Flag == '-' || piece.Flag == '_'; }

std::string PictureOfField(const TFormatPiece& piece) {
    if (piece.Modifier == 'E') {
        if (piece.Letter == 'C') return "gg";
        if (piece.Letter == 'y') return "yyyy";
        if (piece.Letter == 'Y') return "ggyyyy";
        return {};
    }
    switch (piece.Letter) {
        case 'd': return DropsPadding(piece) ? "d" : "dd";
        case 'e': return piece.Flag == '0' ? "dd" : "d";
        case 'm': return DropsPadding(piece) ? "M" : "MM";
        case 'Y': return "yyyy";
        case 'y': return DropsPadding(piece) ? "y" : "yy";
        case 'b': case 'h': return "MMM";
        case 'B': return "MMMM";
        case 'a': return "ddd";
        case 'A': return "dddd";
        default: return {};  // nothing in the picture language stands for it
    }
}

std::string QuotedLiteral(const std::string& literal, const TLetterTest& holdsLetter) {
    if (!holdsLetter(literal) && literal.find('\'') == std::string::npos) return literal;
    std::string quoted = "'";
    for (const char c : literal) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

std::vector<TFormatPiece> SplitWithCompositions(std::string_view format,
                                                std::string_view twelveHourFormat, int depth) {
    std::vector<TFormatPiece> pieces;
    for (const TFormatPiece& piece : SplitFormat(format)) {
        if (IsPlainField(piece, 'D')) {
            AppendPieces(pieces, SplitFormat("%m/%d/%y"));
        } else if (IsPlainField(piece, 'F')) {
            AppendPieces(pieces, SplitFormat("%Y-%m-%d"));
        } else if (IsPlainField(piece, 'T')) {
            AppendPieces(pieces, SplitFormat("%H:%M:%S"));
        } else if (IsPlainField(piece, 'R')) {
            AppendPieces(pieces, SplitFormat("%H:%M"));
        } else if (IsPlainField(piece, 'r')) {
            const std::string_view inner = twelveHourFormat.empty() || depth > 0
                                               ? CTwelveHourFormat
                                               : twelveHourFormat;
            AppendPieces(pieces, SplitWithCompositions(inner, twelveHourFormat, depth + 1));
        } else if (piece.IsField) {
            pieces.push_back(piece);
        } else {
            AppendLiteral(pieces, piece.Literal);
        }
    }
    return pieces;
}

// Index of the first piece that passes `test`, or the piece count.
template <typename Test>
std::size_t FirstIndex(const std::vector<TFormatPiece>& pieces, Test test) {
    std::size_t at = 0;
    while (at < pieces.size() && !test(pieces[at])) ++at;
    return at;
}

}  // namespace

std::vector<TFormatPiece> SplitFormat(std::string_view format) {
    std::vector<TFormatPiece> pieces;
    std::size_t at = 0;
    while (at < format.size()) {
        if (format[at] != '%') {
            const std::size_t next = format.find('%', at);
            const std::size_t end = next == std::string_view::npos ? format.size() : next;
            AppendLiteral(pieces, format.substr(at, end - at));
            at = end;
            continue;
        }
        TFormatPiece field;
        field.IsField = true;
        std::size_t next = at + 1;
        while (next < format.size() && IsFlag(format[next])) field.Flag = format[next++];
        while (next < format.size() && IsDigit(format[next])) ++next;
        if (next < format.size() && (format[next] == 'E' || format[next] == 'O')) {
            field.Modifier = format[next++];
        }
        if (next >= format.size()) {
            AppendLiteral(pieces, format.substr(at));  // a lone '%' at the end
            break;
        }
        field.Letter = format[next];
        at = next + 1;
        if (field.Letter == '%') {
            AppendLiteral(pieces, "%");
        } else if (field.Letter == 'n') {
            AppendLiteral(pieces, "\n");
        } else if (field.Letter == 't') {
            AppendLiteral(pieces, "\t");
        } else {
            pieces.push_back(field);
        }
    }
    return pieces;
}

std::vector<TFormatPiece> SplitDateFormat(std::string_view dateFormat) {
    return SplitWithCompositions(dateFormat, CTwelveHourFormat, 0);
}

std::vector<TFormatPiece> SplitTimeFormat(std::string_view timeFormat,
                                          std::string_view twelveHourFormat) {
    return SplitWithCompositions(timeFormat, twelveHourFormat, 0);
}

std::string DatePictureOf(const std::vector<TFormatPiece>& dateFormat,
                          const TLetterTest& holdsLetter) {
    std::string picture;
    for (const TFormatPiece& piece : dateFormat) {
        picture +=
            piece.IsField ? PictureOfField(piece) : QuotedLiteral(piece.Literal, holdsLetter);
    }
    return picture;
}

std::optional<std::string> DateSeparatorOf(const std::vector<TFormatPiece>& dateFormat) {
    const std::size_t first = FirstIndex(dateFormat, IsDateField);
    std::string between;
    for (std::size_t at = first + 1; at < dateFormat.size(); ++at) {
        if (IsDateField(dateFormat[at])) return between;
        if (!dateFormat[at].IsField) between += dateFormat[at].Literal;
    }
    return std::nullopt;
}

TClockItems ClockItemsOf(const std::vector<TFormatPiece>& timeFormat,
                         const std::vector<TFormatPiece>& twelveHourFormat) {
    TClockItems items;
    const std::size_t hourAt = FirstIndex(timeFormat, IsHourField);
    if (hourAt == timeFormat.size()) return items;

    const TFormatPiece& hour = timeFormat[hourAt];
    const bool twelveHour = hour.Letter == 'I' || hour.Letter == 'l';
    const bool paddedLetter = hour.Letter == 'H' || hour.Letter == 'I';
    const bool twoDigits = paddedLetter ? !DropsPadding(hour) : hour.Flag == '0';
    items.TwentyFourHour = !twelveHour;
    items.LeadingZero = twoDigits;
    const bool literalFollows = hourAt + 1 < timeFormat.size() && !timeFormat[hourAt + 1].IsField;
    items.TimeSep = literalFollows ? timeFormat[hourAt + 1].Literal : std::string{};

    // The designator's place is that of the 12-hour format in use.
    const std::vector<TFormatPiece>& withMark = twelveHour ? timeFormat : twelveHourFormat;
    const std::size_t markAt = FirstIndex(withMark, IsMarkField);
    const std::size_t markHourAt = FirstIndex(withMark, IsHourField);
    items.MarkBeforeHour =
        markAt < withMark.size() && markHourAt < withMark.size() && markAt < markHourAt;
    return items;
}

}  // namespace kelpworth::platform::posix
