#pragma once

#include "platform/events/EventStore.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace platform::ical {

// One occurrence found in a file, before it is given its calendar.
struct Occurrence
{
    QString uid;
    QString title;
    QString location;
    QString notes;
    Instant start{};
    Instant end{};
    bool allDay = false;
    bool recurring = false;
    // A recurring event's occurrence: its start as the series gives it.
    std::optional<Instant> recurrenceId;
};

// The events of one iCalendar file, parsed once and expanded per query.
// Problems (unknown zones, events without a start, endless rules) are written
// as one console line each, naming `path`; the file is never touched.
class CalendarFile
{
public:
    // No value for text that holds no usable event; `error` says why.
    static std::shared_ptr<const CalendarFile> parse(const QByteArray &data, const QString &path,
                                                     QString *error);
    ~CalendarFile();
    CalendarFile(const CalendarFile &) = delete;
    CalendarFile &operator=(const CalendarFile &) = delete;

    // Occurrences overlapping [start, end), masters in file order, each
    // series in time order.
    void occurrences(Instant start, Instant end, std::vector<Occurrence> &out) const;
    int eventCount() const;

private:
    struct Impl;
    explicit CalendarFile(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// Largest file read; bigger ones are skipped.
inline constexpr qint64 maximumFileSize = 8 * 1024 * 1024;
// Occurrences looked at per series and query before a rule is given up on.
inline constexpr int maximumRecurrenceSteps = 100000;

} // namespace platform::ical
