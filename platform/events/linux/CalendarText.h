// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace platform::ical {

// One component of an iCalendar file kept as the bytes it was read from: a
// property line is its folded lines with their line endings, so writing the
// file back gives every byte that was not changed exactly as it was.
struct Component
{
    struct Entry;

    QByteArray name;
    QByteArray beginLine;
    QByteArray endLine;
    std::vector<Entry> entries;

    // Property lines of this component (not of nested ones) named `name`.
    std::vector<std::size_t> lines(const QByteArray &property) const;
    // The unfolded line of the first property named `property`, if any.
    std::optional<QByteArray> first(const QByteArray &property) const;
    // Drops every property named `property` of this component.
    void removeAll(const QByteArray &property);
    // Replaces the first property named like `line`, or adds it before the
    // nested components (where new properties read best).
    void setLine(const QByteArray &line, const QByteArray &newline);
    void addLine(const QByteArray &line, const QByteArray &newline);
    std::vector<Component *> children(const QByteArray &kind);
    // The component as file text, its nested components included.
    QByteArray text() const;
};

struct Component::Entry
{
    // A property's raw lines; empty when this entry is a nested component.
    QByteArray raw;
    // Exactly one element when this entry is a nested component.
    std::vector<Component> nested;
    bool isComponent() const { return !nested.empty(); }
};

// A property line split into its parts (RFC 5545 section 3.1).
struct PropertyLine
{
    QByteArray name;
    // The parameters as written, each with its leading ';'.
    QByteArray parameters;
    QByteArray value;

    static PropertyLine parse(const QByteArray &unfolded);
    QByteArray parameter(const QByteArray &parameterName) const;
    QByteArray joined() const { return name + parameters + ':' + value; }
};

// An iCalendar file: lines outside any component and its top components.
class CalendarText
{
public:
    // No value when BEGIN and END lines do not pair up: such a file is not
    // rewritten, since what belongs where cannot be told.
    static std::optional<CalendarText> parse(const QByteArray &data);
    QByteArray data() const;
    // "\r\n" unless the file uses bare "\n".
    const QByteArray &newline() const { return newline_; }

    // The VCALENDAR, or the file itself when it is a bare VEVENT.
    Component *calendar();
    // Every VEVENT, in file order.
    std::vector<Component *> events();
    // Removes the VEVENTs for which `drop` is true.
    void removeEvents(const std::function<bool(const Component &)> &drop);
    // True when no component that holds data (event, to-do, journal ...) is left.
    bool holdsNothing();

    std::vector<Component::Entry> &topEntries() { return top_; }

private:
    std::vector<Component::Entry> top_;
    QByteArray newline_ = "\r\n";
};

// The unfolded text of raw lines, without the line ending.
QByteArray unfolded(const QByteArray &raw);
// A content line folded at 75 octets, never inside a UTF-8 character.
QByteArray folded(const QByteArray &line, const QByteArray &newline);
// TEXT values (RFC 5545 section 3.3.11).
QByteArray escapedText(const QString &text);
QString unescapedText(const QByteArray &value);

} // namespace platform::ical
