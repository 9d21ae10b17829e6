// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/CalendarText.h"

namespace platform::ical {

namespace {

// RFC 5545 section 3.1: lines longer than 75 octets should be folded.
constexpr qsizetype foldWidth = 75;

QByteArray nameOf(const QByteArray &unfoldedLine)
{
    qsizetype end = 0;
    while (end < unfoldedLine.size() && unfoldedLine[end] != ';' && unfoldedLine[end] != ':')
        ++end;
    return unfoldedLine.left(end).trimmed().toUpper();
}

QByteArray valueOf(const QByteArray &unfoldedLine)
{
    return PropertyLine::parse(unfoldedLine).value.trimmed().toUpper();
}

bool holdsData(const QByteArray &kind)
{
    return kind != "VTIMEZONE";
}

} // namespace

QByteArray unfolded(const QByteArray &raw)
{
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\r' || c == '\n') {
            qsizetype next = i + 1;
            if (c == '\r' && next < raw.size() && raw[next] == '\n')
                ++next;
            // A line ending followed by a space or tab is a fold: both go.
            if (next < raw.size() && (raw[next] == ' ' || raw[next] == '\t')) {
                i = next;
                continue;
            }
            i = next - 1;
            continue;
        }
        out.append(c);
    }
    return out;
}

QByteArray folded(const QByteArray &line, const QByteArray &newline)
{
    QByteArray out;
    qsizetype start = 0;
    qsizetype width = foldWidth;
    while (line.size() - start > width) {
        qsizetype cut = start + width;
        // Back up to the first byte of a UTF-8 character.
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out += line.mid(start, cut - start) + newline + ' ';
        start = cut;
        // The leading space counts towards the next line's 75.
        width = foldWidth - 1;
    }
    out += line.mid(start) + newline;
    return out;
}

QByteArray escapedText(const QString &text)
{
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case ';':
            out += "\\;";
            break;
        case ',':
            out += "\\,";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            if (i + 1 >= utf8.size() || utf8[i + 1] != '\n')
                out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapedText(const QByteArray &value)
{
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 >= value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += (next == 'n' || next == 'N') ? '\n' : next;
    }
    return QString::fromUtf8(out);
}

PropertyLine PropertyLine::parse(const QByteArray &line)
{
    PropertyLine p;
    qsizetype i = 0;
    while (i < line.size() && line[i] != ';' && line[i] != ':')
        ++i;
    p.name = line.left(i).toUpper();
    const qsizetype parametersStart = i;
    bool quoted = false;
    while (i < line.size() && (quoted || line[i] != ':')) {
        if (line[i] == '"')
            quoted = !quoted;
        ++i;
    }
    p.parameters = line.mid(parametersStart, i - parametersStart);
    p.value = i < line.size() ? line.mid(i + 1) : QByteArray();
    return p;
}

QByteArray PropertyLine::parameter(const QByteArray &parameterName) const
{
    // ;NAME=value;OTHER="quoted;value"
    qsizetype i = 0;
    while (i < parameters.size()) {
        if (parameters[i] != ';') {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        bool quoted = false;
        while (end < parameters.size() && (quoted || parameters[end] != ';')) {
            if (parameters[end] == '"')
                quoted = !quoted;
            ++end;
        }
        const QByteArray one = parameters.mid(i + 1, end - i - 1);
        const qsizetype eq = one.indexOf('=');
        if (eq > 0 && one.left(eq).trimmed().toUpper() == parameterName) {
            QByteArray v = one.mid(eq + 1);
            if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
                v = v.mid(1, v.size() - 2);
            return v;
        }
        i = end;
    }
    return {};
}

std::vector<std::size_t> Component::lines(const QByteArray &property) const
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].isComponent() && nameOf(unfolded(entries[i].raw)) == property)
            found.push_back(i);
    }
    return found;
}

std::optional<QByteArray> Component::first(const QByteArray &property) const
{
    const auto found = lines(property);
    if (found.empty())
        return std::nullopt;
    return unfolded(entries[found.front()].raw);
}

void Component::removeAll(const QByteArray &property)
{
    std::erase_if(entries,
                  [&](const Entry &e) { return !e.isComponent() && nameOf(unfolded(e.raw)) == property; });
}

void Component::setLine(const QByteArray &line, const QByteArray &newline)
{
    const auto found = lines(nameOf(line));
    if (found.empty()) {
        addLine(line, newline);
        return;
    }
    entries[found.front()].raw = folded(line, newline);
}

void Component::addLine(const QByteArray &line, const QByteArray &newline)
{
    auto at = std::find_if(entries.begin(), entries.end(), [](const Entry &e) { return e.isComponent(); });
    Entry entry;
    entry.raw = folded(line, newline);
    entries.insert(at, std::move(entry));
}

std::vector<Component *> Component::children(const QByteArray &kind)
{
    std::vector<Component *> found;
    for (Entry &e : entries) {
        if (e.isComponent() && e.nested.front().name == kind)
            found.push_back(&e.nested.front());
    }
    return found;
}

std::optional<CalendarText> CalendarText::parse(const QByteArray &data)
{
    CalendarText text;
    if (data.contains("\r\n") || !data.contains('\n'))
        text.newline_ = "\r\n";
    else
        text.newline_ = "\n";

    // Physical lines, each with its ending, grouped with their folds.
    std::vector<QByteArray> logical;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        const QByteArray physical = data.mid(start, end - start);
        const bool continuation = !logical.empty() && (physical.startsWith(' ') || physical.startsWith('\t'));
        if (continuation)
            logical.back() += physical;
        else
            logical.push_back(physical);
        start = end;
    }

    std::vector<Component> open;
    const auto addEntry = [&](Component::Entry entry) {
        if (open.empty())
            text.top_.push_back(std::move(entry));
        else
            open.back().entries.push_back(std::move(entry));
    };
    for (const QByteArray &raw : logical) {
        const QByteArray line = unfolded(raw);
        const QByteArray name = nameOf(line);
        if (name == "BEGIN") {
            Component c;
            c.name = valueOf(line);
            c.beginLine = raw;
            open.push_back(std::move(c));
        } else if (name == "END") {
            if (open.empty() || open.back().name != valueOf(line))
                return std::nullopt;
            Component done = std::move(open.back());
            open.pop_back();
            done.endLine = raw;
            Component::Entry entry;
            entry.nested.push_back(std::move(done));
            addEntry(std::move(entry));
        } else {
            Component::Entry entry;
            entry.raw = raw;
            addEntry(std::move(entry));
        }
    }
    if (!open.empty())
        return std::nullopt;
    return text;
}

namespace {

void serialize(const Component &c, QByteArray &out)
{
    out += c.beginLine;
    for (const Component::Entry &e : c.entries) {
        if (e.isComponent())
            serialize(e.nested.front(), out);
        else
            out += e.raw;
    }
    out += c.endLine;
}

} // namespace

QByteArray Component::text() const
{
    QByteArray out;
    serialize(*this, out);
    return out;
}

QByteArray CalendarText::data() const
{
    QByteArray out;
    for (const Component::Entry &e : top_) {
        if (e.isComponent())
            serialize(e.nested.front(), out);
        else
            out += e.raw;
    }
    return out;
}

Component *CalendarText::calendar()
{
    for (Component::Entry &e : top_) {
        if (e.isComponent() && e.nested.front().name == "VCALENDAR")
            return &e.nested.front();
    }
    return nullptr;
}

std::vector<Component *> CalendarText::events()
{
    std::vector<Component *> found;
    for (Component::Entry &e : top_) {
        if (!e.isComponent())
            continue;
        Component &c = e.nested.front();
        if (c.name == "VEVENT")
            found.push_back(&c);
        else if (c.name == "VCALENDAR")
            for (Component *event : c.children("VEVENT"))
                found.push_back(event);
    }
    return found;
}

void CalendarText::removeEvents(const std::function<bool(const Component &)> &drop)
{
    const auto dropEntry = [&](const Component::Entry &e) {
        return e.isComponent() && e.nested.front().name == "VEVENT" && drop(e.nested.front());
    };
    std::erase_if(top_, dropEntry);
    for (Component::Entry &e : top_) {
        if (e.isComponent() && e.nested.front().name == "VCALENDAR")
            std::erase_if(e.nested.front().entries, dropEntry);
    }
}

bool CalendarText::holdsNothing()
{
    for (const Component::Entry &e : top_) {
        if (!e.isComponent())
            continue;
        const Component &c = e.nested.front();
        if (c.name != "VCALENDAR")
            return false;
        for (const Component::Entry &inner : c.entries) {
            if (inner.isComponent() && holdsData(inner.nested.front().name))
                return false;
        }
    }
    return true;
}

} // namespace platform::ical
