// The details shown with /m: the texts used, the fields read and the stamp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "stamp/request.h"
#include "kelpworth/stamp.h"

namespace kelpworth {

// Nine lines, each wrapped in single quotes, CR LF between them and none
// after the last. The fourth time field is not shown. With a UTC offset (a
// stamp of the UTC date and time) a tenth line names it.
std::string DetailsText(const TDateTimeRecord& used, const TStampMoment& fields,
                        std::string_view stampText,
                        std::optional<std::int32_t> utcOffset = std::nullopt);

// Shows the text in a message dialog owned by the window titled `title`,
// when there is one; blocks until it is closed.
void ShowDetails(std::string_view title, const TDateTimeRecord& used, const TStampMoment& fields,
                 std::string_view stampText,
                 std::optional<std::int32_t> utcOffset = std::nullopt);

}  // namespace kelpworth
