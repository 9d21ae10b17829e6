#pragma once

#include "platform/calendar/Calendar.h"

#include <QString>
#include <optional>

namespace app::cli {

// "YYYY-MM-DD" read on `calendar`: the first moment of that day. No value for
// text of another shape or a day the calendar does not have.
std::optional<platform::Instant> parseDayArgument(const QString &text, const platform::Calendar &calendar);
// "gregorian" or "hijri" (also "islamicUmmAlQura").
std::optional<platform::CalendarIdentifier> parseCalendarArgument(const QString &text);
// The error for a day `text` that `calendar` does not have, in the user's language.
QString notADay(const QString &text, platform::CalendarIdentifier calendar);

} // namespace app::cli
