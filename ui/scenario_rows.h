#pragma once

#include "calc/scenarios.h"

#include <QString>
#include <QStringList>

namespace rv {

// The columns of the table of variants on the panel "Що буде, якщо…".
// The figures compared most come first, so that they show without scrolling on a small window.
enum ScenarioColumn {
    NameColumn,
    TotalColumn,
    DeltaColumn,
    CostColumn,
    PaybackColumn,
    RightColumn,
    RightDateColumn,
    AssignmentColumn,
    MonthsColumn,
    IndividualCoefficientColumn, // К
    ExperienceCoefficientColumn, // КС
    ScenarioColumnCount
};

// A number of months as "5 міс.", "2 р." or "2 р. 3 міс.".
QString monthsLengthText(int months);

// The name of a variant as the table shows it: "Працювати ще 2 р., заробіток як зараз".
QString scenarioName(const ScenarioChange& change, char decimalSeparator);

// The texts of one row, column by column. Today's row has no difference; a variant's refused
// row has its name and, in the total's column, why it could not be calculated.
QStringList todayRow(const ScenarioFigures& today, char decimalSeparator);
QStringList outcomeRow(const ScenarioOutcome& outcome, char decimalSeparator);
QStringList earliestRightRow(const EarliestRight& earliest, const ScenarioFigures& today,
                             char decimalSeparator);

} // namespace rv
