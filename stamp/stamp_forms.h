// The stamp in the forms other programs keep it in besides decimal
// (UnsignedDecimalText): sixteen hexadecimal digits, its eight bytes in
// memory (least significant first), a registry file's QWORD value, and the
// moment it stands for in ISO 8601. Fixed spellings that do not depend on
// the locale.
#pragma once

#include <cstdint>
#include <string>

namespace kelpworth {

// "01D37D69FCC9D480"
std::string HexForm(std::uint64_t stamp);

// "80 D4 C9 FC 69 7D D3 01"
std::string MemoryBytesForm(std::uint64_t stamp);

// "hex(b):80,d4,c9,fc,69,7d,d3,01", as a registry file writes a QWORD.
std::string RegistryForm(std::uint64_t stamp);

// "2017-12-25T10:20:29.0000000", to the 100 ns, with "Z" for UTC; a year
// after 9999 takes five digits.
std::string IsoForm(std::uint64_t stamp, bool utc);

// The local moment of a UTC stamp at a UTC offset, with the offset:
// "2017-12-25T11:20:29.0000000+01:00".
std::string LocalIsoForm(std::uint64_t stamp, std::int32_t offset);

}  // namespace kelpworth
