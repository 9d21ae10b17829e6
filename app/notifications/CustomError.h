// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <exception>

namespace app::notifications {

// The application's error type. Its one case says notification alerts are not
// permitted.
class CustomError : public std::exception
{
public:
    enum Case
    {
        NotificationsNotAllowed
    };

    explicit CustomError(Case errorCase) : case_(errorCase) {}
    Case errorCase() const { return case_; }
    const char *what() const noexcept override;

private:
    Case case_;
};

} // namespace app::notifications
