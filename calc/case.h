#pragma once

#include "calc/ledger_month.h"
#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// The confirmation codes of the person's confirmation; the numbers index the person message list.
enum class ConfirmCode : std::uint8_t {
    Confirmed = 0,
    NameMissing = 1,
    GenderMissing = 2,
    BadBirthDate = 3,
    BadApplicationDate = 4,
    TooEarlyApplication = 5,
    StoreFailed = 6, // the identity could not be stored; the row keeps none
};

// The person whose pension is estimated.
struct CasePerson {
    std::string name;
    std::optional<Date> birthDate;
    int gender = 0; // 0: a man, 1: a woman
    std::optional<Date> applicationDate;
};

// An employment period, both days included; a date is missing only in a row never checked.
struct CasePeriod {
    std::optional<Date> begin;
    std::optional<Date> finish;
};

// One month of the earnings ledger: the reference figures it was made with, the earning, what
// its evaluation gives (ст. 24, 40) and the marks the optimisations of ст. 40 left.
struct CaseMonth {
    LedgerMonth month;
    double averageWage = 0;       // the month's average wage in the economy, hryvnias
    double averageWageOfYear = 0; // that year's average, shown beside it
    double minimumWage = 0;       // in force in the month
    double earning = 0;           // hryvnias (karbovanets converted before the reform)
    double coefficient = 0;       // the month's wage coefficient (ст. 40), to 5 places
    int creditedDays = 0;         // days credited to insurance experience (ст. 24)
    int coveredDays = 0;          // days of the month the employment periods cover
    bool counted = false;         // optimisation 1 kept it among the months of the average
    bool excluded = false;        // optimisation 2 left it out of the average
};

// How the months' coefficients and credited days are taken.
enum class MonthEvaluation {
    ByLaw,    // worked out from the earning and the month's figures
    AsStored, // kept as set by hand (the ledger's "super change")
};

// A case: the person, the periods and the ledger's months in calendar order.
struct Case {
    CasePerson person;
    std::vector<CasePeriod> periods;
    std::vector<CaseMonth> months;
    MonthEvaluation evaluation = MonthEvaluation::ByLaw;
};

} // namespace rv
