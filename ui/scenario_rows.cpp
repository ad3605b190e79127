#include "scenario_rows.h"

#include "calc/pension_right.h"
#include "calc/right_text.h"
#include "scenario_captions.h"
#include "calc/number_format.h"

namespace rv {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString amount(double value, char decimalSeparator) {
    return QString::fromStdString(formatFixed(value, 2, decimalSeparator));
}

QString coefficient(double value, char decimalSeparator) {
    return QString::fromStdString(formatFixed(value, 5, decimalSeparator));
}

QString dateText(const std::optional<Date>& date) {
    return date ? QString::fromStdString(formatDate(*date)) : text(captions::kScenarioNone);
}

// "+120,50" for a gain, "−35,00" for a loss, "0,00" for neither.
QString signedAmount(double value, char decimalSeparator) {
    const QString digits = amount(std::abs(value), decimalSeparator);
    if (digits == amount(0, decimalSeparator))
        return digits;
    return (value > 0 ? QStringLiteral("+") : QStringLiteral("−")) + digits;
}

// A row of dashes with the name.
QStringList emptyRow(const QString& name) {
    QStringList row;
    for (int column = 0; column < ScenarioColumnCount; ++column)
        row << text(captions::kScenarioNone);
    row[NameColumn] = name;
    return row;
}

// The columns of the figures: the right, its dates, the experience, the coefficients, the total.
void showFigures(QStringList& row, const ScenarioFigures& figures, char decimalSeparator) {
    row[RightColumn] = figures.right
                           ? text(captions::kScenarioRight) +
                                 QString::fromStdString(ageText({figures.ageRule.value_or(0), 0}))
                           : text(captions::kScenarioNoRight);
    row[RightDateColumn] = dateText(figures.rightDate);
    row[AssignmentColumn] = dateText(figures.assignmentDate);
    row[MonthsColumn] = QString::number(figures.insuranceMonths);
    row[IndividualCoefficientColumn] = coefficient(figures.individualCoefficient, decimalSeparator);
    row[ExperienceCoefficientColumn] = coefficient(figures.experienceCoefficient, decimalSeparator);
    row[TotalColumn] = amount(figures.total, decimalSeparator);
}

} // namespace

QString monthsLengthText(int months) {
    QString length;
    if (months >= 12)
        length = QString::number(months / 12) + text(captions::kYearsShort);
    if (months % 12 != 0 || months == 0) {
        if (!length.isEmpty())
            length += QLatin1Char(' ');
        length += QString::number(months % 12) + text(captions::kMonthsShort);
    }
    return length;
}

QString scenarioName(const ScenarioChange& change, char decimalSeparator) {
    if (const auto* work = std::get_if<WorkLonger>(&change)) {
        if (!work->monthlyWage)
            return text(captions::kScenarioWorkLongerAsNow).arg(monthsLengthText(work->months));
        return text(captions::kScenarioWorkLongerWage)
            .arg(monthsLengthText(work->months), amount(*work->monthlyWage, decimalSeparator));
    }
    if (const auto* apply = std::get_if<ApplyOn>(&change))
        return text(captions::kScenarioApplyOn)
            .arg(QString::fromStdString(formatDate(apply->date)));
    const auto& voluntary = std::get<VoluntaryContributions>(change);
    return text(captions::kScenarioVoluntary).arg(monthsLengthText(voluntary.months));
}

QStringList todayRow(const ScenarioFigures& today, char decimalSeparator) {
    QStringList row = emptyRow(text(captions::kScenarioToday));
    showFigures(row, today, decimalSeparator);
    return row;
}

QStringList outcomeRow(const ScenarioOutcome& outcome, char decimalSeparator) {
    QString name = QString::fromStdString(outcome.name);
    if (outcome.best)
        name += text(captions::kScenarioBestMark);
    if (!outcome.figures) {
        QStringList row;
        for (int column = 0; column < ScenarioColumnCount; ++column)
            row << QString();
        row[NameColumn] = name;
        row[TotalColumn] = QString::fromStdString(outcome.refusal);
        return row;
    }
    QStringList row = emptyRow(name);
    showFigures(row, *outcome.figures, decimalSeparator);
    row[DeltaColumn] = signedAmount(outcome.delta, decimalSeparator);
    if (outcome.cost) {
        row[CostColumn] = amount(*outcome.cost, decimalSeparator);
        row[PaybackColumn] = outcome.paybackMonths ? monthsLengthText(*outcome.paybackMonths)
                                                   : text(captions::kScenarioNoPayback);
    }
    return row;
}

QStringList earliestRightRow(const EarliestRight& earliest, const ScenarioFigures& today,
                             char decimalSeparator) {
    QStringList row = emptyRow(text(captions::kScenarioEarliestRight));
    showFigures(row, earliest.figures, decimalSeparator);
    row[DeltaColumn] = signedAmount(earliest.figures.total - today.total, decimalSeparator);
    return row;
}

} // namespace rv
