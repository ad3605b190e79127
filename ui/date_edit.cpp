#include "date_edit.h"

#include "captions.h"

#include <QCalendarWidget>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

namespace rv {

namespace {

// Digits optional, so the line may stay blank; '_' marks the places still to type.
const char* const kMask = "99.99.9999;_";
const QColor kInvalidTint(255, 225, 225);

QDate toQDate(Date date) {
    const CivilDate civil = civilFromDate(date);
    return QDate(civil.year, civil.month, civil.day);
}

} // namespace

DateEdit::DateEdit(QWidget* parent)
    : QWidget(parent), m_line(new QLineEdit(this)), m_button(new QToolButton(this)),
      m_popup(new QFrame(this, Qt::Popup)), m_calendar(new QCalendarWidget(m_popup)) {
    m_line->setInputMask(QString::fromLatin1(kMask));
    m_line->setMinimumWidth(m_line->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) +
                            12);
    m_line->installEventFilter(this);
    m_button->setArrowType(Qt::DownArrow);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setAccessibleName(QString::fromUtf8(captions::kCalendarButton));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_line, 1);
    layout->addWidget(m_button);
    setFocusProxy(m_line);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_popup->setFrameShape(QFrame::StyledPanel);
    auto* popupLayout = new QHBoxLayout(m_popup);
    popupLayout->setContentsMargins(1, 1, 1, 1);
    popupLayout->addWidget(m_calendar);
    m_calendar->setGridVisible(true);
    // Month and day names in the program's language, whatever the regional settings.
    m_calendar->setLocale(QLocale(QLocale::Ukrainian, QLocale::Ukraine));

    connect(m_line, &QLineEdit::textEdited, this, [this] {
        markValidity();
        emit edited();
    });
    connect(m_button, &QToolButton::clicked, this, &DateEdit::showCalendar);
    connect(m_calendar, &QCalendarWidget::clicked, this, &DateEdit::pick);
    connect(m_calendar, &QCalendarWidget::activated, this, &DateEdit::pick);
}

bool DateEdit::isBlank() const {
    QString digits = m_line->text();
    digits.remove(QLatin1Char('.'));
    return digits.trimmed().isEmpty();
}

std::optional<Date> DateEdit::date() const {
    if (isBlank())
        return std::nullopt;
    return parseDate(m_line->text().toStdString());
}

void DateEdit::setDate(std::optional<Date> date) {
    m_line->setText(date ? QString::fromStdString(formatDate(*date)) : QString());
    markValidity();
}

void DateEdit::markValidity() {
    QPalette colours = palette();
    if (!isBlank() && !date())
        colours.setColor(QPalette::Base, kInvalidTint);
    m_line->setPalette(colours);
}

void DateEdit::showCalendar() {
    const std::optional<Date> shown = date();
    m_calendar->setSelectedDate(shown ? toQDate(*shown) : QDate::currentDate());
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    m_calendar->setFocus();
}

void DateEdit::pick(const QDate& picked) {
    m_popup->hide();
    if (picked.isValid() && picked.year() >= 1 && picked.year() <= 9999) {
        setDate(dateFromCivil(picked.year(), picked.month(), picked.day()));
        emit edited();
    }
    m_line->setFocus();
}

bool DateEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_line && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool altDown = key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier;
        const bool f4 = key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier;
        if (altDown || f4) {
            showCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rv
