// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Whether qamarly-notifyd starts with the session: through its systemd user
// unit where systemd manages the session and knows the unit, else through
// an XDG autostart entry. Turning it on or off twice does nothing the
// second time, so callers may say it at every replanning.
class AgentLoginStart
{
public:
    struct Environment
    {
        // systemd's user manager runs when its private socket exists here.
        QString runtimeDirectory;
        // Folders the user manager reads units from, the user's own first.
        QStringList unitDirectories;
        // The user's ~/.config: autostart/ and systemd/user/ lie below.
        QString configDirectory;
        // The agent the autostart entry starts.
        QString agentProgram;
        // Runs systemctl with these arguments without waiting for it.
        std::function<void(const QStringList &)> systemctl;
    };

    // The session this process runs in.
    static Environment current();
    explicit AgentLoginStart(Environment environment);

    void setEnabled(bool on);

    static constexpr const char *unitName = "qamarly-notifyd.service";
    QString autostartPath() const;
    // The link `systemctl --user enable` makes.
    QString unitLinkPath() const;

private:
    bool systemdKnowsUnit() const;
    Environment env_;
};

} // namespace platform
