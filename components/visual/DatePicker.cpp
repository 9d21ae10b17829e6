#include "components/visual/DatePicker.h"

#include "components/visual/DatePickerColumn.h"

namespace visual {

DatePicker::DatePicker(QWidget *parent) : QWidget(parent), calendar_(platform::Calendar::gregorian()) {}
DatePicker::~DatePicker() = default;
void DatePicker::setCalendar(const platform::Calendar &calendar) { calendar_ = calendar; }
void DatePicker::setLocaleName(const QString &localeName) { localeName_ = localeName; }
void DatePicker::setMinimumDate(platform::Instant minimum) { minimum_ = minimum; }
void DatePicker::clearMinimumDate() { minimum_.reset(); }
void DatePicker::setDate(platform::Instant date, bool) { date_ = date; }
QString DatePicker::dayText() const { return {}; }
QString DatePicker::monthText() const { return {}; }
QString DatePicker::yearText() const { return {}; }
QSize DatePicker::sizeHint() const { return {300, 180}; }
void DatePicker::step(Field, int) {}
void DatePicker::refreshColumns(bool, int, int, int) {}
platform::Instant DatePicker::clampedToMinimum(platform::Instant date) const { return date; }

} // namespace visual
