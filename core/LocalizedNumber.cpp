#include "core/LocalizedNumber.h"

#include "platform/Device.h"
#include "platform/NumberFormatter.h"

namespace core {

QString localizedNumber(std::int64_t value)
{
    // One formatter per thread; re-aimed at the current locale on every call,
    // which costs nothing when the locale has not changed.
    thread_local platform::NumberFormatter formatter;
    formatter.setLocaleName(platform::Device::localeName());
    return formatter.string(value);
}

} // namespace core
