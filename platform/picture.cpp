#include "platform/picture.h"

#include <cstddef>
#include <string>

namespace kelpworth::platform {
namespace {

void AppendNumber(std::string& out, unsigned value, std::size_t minimumDigits) {
    std::string digits = std::to_string(value);
    if (digits.size() < minimumDigits) out.append(minimumDigits - digits.size(), '0');
    out += digits;
}

std::size_t RunLength(const char* picture, std::size_t at) {
    std::size_t length = 1;
    while (picture[at + length] == picture[at]) ++length;
    return length;
}

int Finish(const std::string& text, char* buffer, int size) {
    if (size <= 0 || text.size() + 1 > static_cast<std::size_t>(size)) {
        if (size > 0) buffer[0] = '\0';
        return 0;
    }
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
    return static_cast<int>(text.size() + 1);
}

// Copies a quoted literal starting at the opening quote; returns the index
// after it. Two quotes in a row stand for one quote.
std::size_t CopyQuoted(const char* picture, std::size_t at, std::string& out) {
    ++at;
    while (picture[at] != '\0') {
        if (picture[at] == '\'') {
            if (picture[at + 1] == '\'') {
                out.push_back('\'');
                at += 2;
                continue;
            }
            return at + 1;
        }
        out.push_back(picture[at++]);
    }
    return at;
}

// Walks a picture: quoted literals are copied, and each run of one letter
// goes to `field`, which appends the field or reports that it is none
// (then the run is copied as it stands).
template <typename Field>
int RenderPicture(const char* picture, char* buffer, int size, Field field) {
    std::string out;
    for (std::size_t at = 0; picture[at] != '\0';) {
        const char c = picture[at];
        if (c == '\'') {
            at = CopyQuoted(picture, at, out);
            continue;
        }
        const std::size_t run = RunLength(picture, at);
        if (!field(c, run, out)) out.append(run, c);
        at += run;
    }
    return Finish(out, buffer, size);
}

// True when every unquoted run of letters in the picture is one that
// `isNumber` takes (letter, run length).
template <typename IsNumber>
bool HasOnlyNumbers(const char* picture, IsNumber isNumber) {
    std::string ignored;
    for (std::size_t at = 0; picture[at] != '\0';) {
        const char c = picture[at];
        if (c == '\'') {
            at = CopyQuoted(picture, at, ignored);
            continue;
        }
        const std::size_t run = RunLength(picture, at);
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (letter && !isNumber(c, run)) return false;
        at += run;
    }
    return true;
}

}  // namespace

bool IsNumericDatePicture(const char* picture) {
    return HasOnlyNumbers(picture, [](char c, std::size_t run) {
        return ((c == 'd' || c == 'M') && run <= 2) || c == 'y';
    });
}

bool IsNumericTimePicture(const char* picture) {
    return HasOnlyNumbers(picture, [](char c, std::size_t) {
        return c == 'H' || c == 'h' || c == 'm' || c == 's';
    });
}

std::string WithTimeMarker(const char* picture, const std::string& marker) {
    std::string out;
    std::string ignored;
    for (std::size_t at = 0; picture[at] != '\0';) {
        const std::size_t run =
            picture[at] == '\'' ? CopyQuoted(picture, at, ignored) - at : RunLength(picture, at);
        if (picture[at] != 't') {
            out.append(picture + at, run);
        } else {
            out += '\'';
            for (const char c : run == 1 ? marker.substr(0, 1) : marker) {
                out += c;
                if (c == '\'') out += '\'';
            }
            out += '\'';
        }
        at += run;
    }
    return out;
}

int RenderDatePicture(const TSystemTime& time, const char* picture, char* buffer, int size) {
    return RenderPicture(picture, buffer, size, [&](char c, std::size_t run, std::string& out) {
        if (c == 'd' && run <= 2) {
            AppendNumber(out, time.Day, run);
        } else if (c == 'M' && run <= 2) {
            AppendNumber(out, time.Month, run);
        } else if (c == 'y') {
            if (run <= 2) {
                AppendNumber(out, time.Year % 100u, run == 1 ? 1 : 2);
            } else {
                AppendNumber(out, time.Year, 4);
            }
        } else {
            return false;
        }
        return true;
    });
}

int RenderTimePicture(const TSystemTime& time, std::uint32_t flags, const char* picture,
                      char* buffer, int size) {
    const bool force24 = (flags & TimeForce24HourFormat) != 0;
    return RenderPicture(picture, buffer, size, [&](char c, std::size_t run, std::string& out) {
        const std::size_t digits = run >= 2 ? 2 : 1;
        if (c == 'H' || (c == 'h' && force24)) {
            AppendNumber(out, time.Hour, digits);
        } else if (c == 'h') {
            const unsigned twelve = time.Hour % 12u == 0 ? 12u : time.Hour % 12u;
            AppendNumber(out, twelve, digits);
        } else if (c == 'm') {
            AppendNumber(out, time.Minute, digits);
        } else if (c == 's') {
            AppendNumber(out, time.Second, digits);
        } else {
            return false;
        }
        return true;
    });
}

}  // namespace kelpworth::platform
