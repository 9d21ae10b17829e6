// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QMap>
#include <QSet>
#include <QStringList>

namespace platform {

// Splits a command's arguments into positionals, flags (--json) and options
// with a value (--from hijri, --from=hijri). Anything not declared is an
// error. Every program's commands read their arguments with it.
class ArgumentReader
{
public:
    // `shortNames` maps a short option to its long name ("-o" to "output").
    ArgumentReader(const QStringList &arguments, const QSet<QString> &flags, const QSet<QString> &options,
                   const QMap<QString, QString> &shortNames = {});

    bool ok() const { return error_.isEmpty(); }
    // One line for stderr when !ok().
    QString error() const { return error_; }
    const QStringList &positionals() const { return positionals_; }
    bool flag(const QString &name) const { return flags_.contains(name); }
    QString option(const QString &name, const QString &fallback = QString()) const
    {
        return options_.value(name, fallback);
    }
    bool hasOption(const QString &name) const { return options_.contains(name); }
    // Every value of an option that may be given more than once, in order.
    QStringList values(const QString &name) const { return repeated_.value(name); }
    // Records an error unless the number of positionals is within [min, max].
    bool expectPositionals(int min, int max, const QString &what);

private:
    QStringList positionals_;
    QSet<QString> flags_;
    QMap<QString, QString> options_;
    QMap<QString, QStringList> repeated_;
    QString error_;
};

} // namespace platform
