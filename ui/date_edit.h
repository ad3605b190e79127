#pragma once

#include "engine/date.h"

#include <QWidget>

#include <optional>

class QCalendarWidget;
class QFrame;
class QLineEdit;
class QToolButton;

namespace rv {

// A date editor that may stay empty: a line with the mask "dd.MM.yyyy" and a button that opens
// a calendar. A text that is not a calendar date reads as no date and is tinted.
class DateEdit : public QWidget {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    // The date shown; empty when the line is blank or holds no valid date.
    std::optional<Date> date() const;
    bool isBlank() const;
    // Shows a date, or a blank line for none; emits nothing.
    void setDate(std::optional<Date> date);

    QLineEdit* lineEdit() const { return m_line; }
    QToolButton* calendarButton() const { return m_button; }
    // The calendar of the pop-up; exists from construction, shown by the button or Alt+Down.
    QCalendarWidget* calendar() const { return m_calendar; }
    void showCalendar();

signals:
    // The person changed the date, by typing or from the calendar.
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markValidity();
    void pick(const QDate& picked);

    QLineEdit* m_line;
    QToolButton* m_button;
    QFrame* m_popup;
    QCalendarWidget* m_calendar;
};

} // namespace rv
