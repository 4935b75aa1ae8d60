#include "platform/posix/posix_language.h"

#include <utility>

namespace kelpworth::platform::posix {
namespace {

constexpr std::uint32_t DefaultSublanguage = 1;

// ISO 639 codes and their primary language numbers.
constexpr std::pair<std::string_view, std::uint32_t> PrimaryLanguages[] = {
    {"ar", 0x01},  {"bg", 0x02},  {"ca", 0x03},  {"zh", 0x04},  {"cs", 0x05},
    {"da", 0x06},  {"de", 0x07},  {"el", 0x08},  {"en", 0x09},  {"es", 0x0A},
    {"fi", 0x0B},  {"fr", 0x0C},  {"he", 0x0D},  {"hu", 0x0E},  {"is", 0x0F},
    {"it", 0x10},  {"ja", 0x11},  {"ko", 0x12},  {"nl", 0x13},  {"nb", 0x14},
    {"nn", 0x14},  {"no", 0x14},  {"pl", 0x15},  {"pt", 0x16},  {"rm", 0x17},
    {"ro", 0x18},  {"ru", 0x19},  {"hr", 0x1A},  {"sr", 0x1A},  {"bs", 0x1A},
    {"sk", 0x1B},  {"sq", 0x1C},  {"sv", 0x1D},  {"th", 0x1E},  {"tr", 0x1F},
    {"ur", 0x20},  {"id", 0x21},  {"uk", 0x22},  {"be", 0x23},  {"sl", 0x24},
    {"et", 0x25},  {"lv", 0x26},  {"lt", 0x27},  {"tg", 0x28},  {"fa", 0x29},
    {"vi", 0x2A},  {"hy", 0x2B},  {"az", 0x2C},  {"eu", 0x2D},  {"hsb", 0x2E},
    {"dsb", 0x2E}, {"mk", 0x2F},  {"st", 0x30},  {"ts", 0x31},  {"tn", 0x32},
    {"ve", 0x33},  {"xh", 0x34},  {"zu", 0x35},  {"af", 0x36},  {"ka", 0x37},
    {"fo", 0x38},  {"hi", 0x39},  {"mt", 0x3A},  {"se", 0x3B},  {"ga", 0x3C},
    {"yi", 0x3D},  {"ms", 0x3E},  {"kk", 0x3F},  {"ky", 0x40},  {"sw", 0x41},
    {"tk", 0x42},  {"uz", 0x43},  {"tt", 0x44},  {"bn", 0x45},  {"pa", 0x46},
    {"gu", 0x47},  {"or", 0x48},  {"ta", 0x49},  {"te", 0x4A},  {"kn", 0x4B},
    {"ml", 0x4C},  {"as", 0x4D},  {"mr", 0x4E},  {"sa", 0x4F},  {"mn", 0x50},
    {"bo", 0x51},  {"cy", 0x52},  {"km", 0x53},  {"lo", 0x54},  {"my", 0x55},
    {"gl", 0x56},  {"ne", 0x61},  {"fy", 0x62},  {"ps", 0x63},  {"am", 0x5E},
};

std::size_t EndOfLanguage(std::string_view name) {
    const std::size_t end = name.find_first_of("_.@");
    return end == std::string_view::npos ? name.size() : end;
}

}  // namespace

std::string_view LanguageCodeOf(std::string_view localeName) {
    return localeName.substr(0, EndOfLanguage(localeName));
}

std::string_view TerritoryCodeOf(std::string_view localeName) {
    const std::size_t end = EndOfLanguage(localeName);
    if (end >= localeName.size() || localeName[end] != '_') return {};
    const std::string_view rest = localeName.substr(end + 1);
    return rest.substr(0, rest.find_first_of(".@"));
}

std::uint32_t LanguageIdOfLocaleName(std::string_view localeName) {
    const std::string_view code = LanguageCodeOf(localeName);
    for (const auto& [iso, primary] : PrimaryLanguages) {
        if (iso == code) return (DefaultSublanguage << 10) | primary;
    }
    return 0;
}

}  // namespace kelpworth::platform::posix
