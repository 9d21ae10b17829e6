#pragma once

#include <QString>
#include <cstdint>

namespace core {

// A whole number in the digits and minus sign of the device's current locale,
// without grouping separators: for day, month and year numbers shown outside
// the date strings.
QString localizedNumber(std::int64_t value);

} // namespace core
