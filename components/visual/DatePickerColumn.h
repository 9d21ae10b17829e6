#pragma once

#include <QWidget>

namespace visual {

class DatePicker;

// One wheel-like column of the date picker (private to the picker).
class DatePickerColumn : public QWidget
{
    Q_OBJECT
public:
    DatePickerColumn(QWidget *parent = nullptr) : QWidget(parent) {}
};

} // namespace visual
