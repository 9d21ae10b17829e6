// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/calendar/NumberFormatter.h"

#include "platform/system/Device.h"

#include <unicode/numberformatter.h>

namespace platform {

struct NumberFormatter::Impl
{
    icu::number::LocalizedNumberFormatter formatter;
};

NumberFormatter::NumberFormatter() : impl_(std::make_unique<Impl>())
{
    setLocaleName(Device::localeName());
}

NumberFormatter::~NumberFormatter() = default;

void NumberFormatter::setLocaleName(const QString &locale)
{
    if (locale == locale_)
        return;
    locale_ = locale;
    Device::useInIcu();
    impl_->formatter = icu::number::NumberFormatter::with()
                           .grouping(UNUM_GROUPING_OFF)
                           .precision(icu::number::Precision::integer())
                           .locale(icu::Locale(locale.toLatin1().constData()));
}

QString NumberFormatter::string(std::int64_t value) const
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString out = impl_->formatter.formatInt(value, status).toString(status);
    if (U_FAILURE(status))
        return QString::number(value);
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

} // namespace platform
