// The details shown with /m: the texts used, the fields read and the stamp.
#pragma once

#include <string>
#include <string_view>

#include "stamp/request.h"
#include "stamp/stamp_fields.h"

namespace kelpworth {

// Nine lines, each wrapped in single quotes, CR LF between them and none
// after the last. The fourth time field is not shown.
std::string DetailsText(const TDateTimeRecord& used, const TStampFields& fields,
                        std::string_view stampText);

// Shows the text in a message dialog owned by the window titled `title`,
// when there is one; blocks until it is closed.
void ShowDetails(std::string_view title, const TDateTimeRecord& used, const TStampFields& fields,
                 std::string_view stampText);

}  // namespace kelpworth
