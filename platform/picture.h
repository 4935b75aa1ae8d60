// Date and time rendering with a picture, for platforms without a renderer
// of their own. Field letters: d, dd (day), M, MM (month), yy, yyyy (year),
// h, hh (12-hour), H, HH (24-hour), m, mm, s, ss; a text in single quotes
// and every other byte are copied. TIME_FORCE24HOURFORMAT is honoured.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace kelpworth::platform {

// Writes at most size - 1 characters and a byte 0; returns the count
// including the byte 0, or 0 when the text did not fit.
int RenderDatePicture(const TSystemTime& time, const char* picture, char* buffer, int size);
int RenderTimePicture(const TSystemTime& time, std::uint32_t flags, const char* picture,
                      char* buffer, int size);

// True when every field of the picture is one the renderer above writes
// as a number: no day or month name, no era, no AM/PM marker; a date
// picture's fields are d, dd, M, MM and y, a time picture's H, h, m and s.
bool IsNumericDatePicture(const char* picture);
bool IsNumericTimePicture(const char* picture);

// The time picture with its AM/PM marker fields (t: the marker's first
// character, tt: all of it) replaced by the marker as quoted text.
std::string WithTimeMarker(const char* picture, const std::string& marker);

}  // namespace kelpworth::platform
