#pragma once

#include "calc/ledger_month.h"
#include "calc/period_kind.h"
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

// A period of the career, both days included; a date is missing only in a row never checked.
struct CasePeriod {
    std::optional<Date> begin;
    std::optional<Date> finish;
    PeriodKind kind = PeriodKind::Work;
};

// Why a month was left out of Кз at the person's wish besides the optimisation (ст. 40 ч. 1
// абз. 3, the second sentence).
enum class ExtraExclusion : std::uint8_t {
    None,
    NonWage,    // service, study or care from 07.2000 to 2004
    Credited,   // a month of a kind insured by ст. 11 п. 7, 8, 9, 14, 15, 16
    MartialLaw, // a month of martial law or the three after it
    Quarantine, // a month of the COVID-19 quarantine or the six after it
};

// One month of the earnings ledger: the reference figures it was made with, the earning, what
// its evaluation gives (ст. 24, 40) and the marks the optimisations of ст. 40 left.
struct CaseMonth {
    LedgerMonth month;
    double averageWage = 0;             // the month's average wage in the economy, hryvnias
    double averageWageOfYear = 0;       // that year's average, shown beside it
    double minimumWage = 0;             // in force in the month
    double earning = 0;                 // hryvnias (karbovanets converted before the reform)
    double coefficient = 0;             // the month's wage coefficient (ст. 40), to 5 places
    int creditedDays = 0;               // days credited to insurance experience (ст. 24)
    int coveredDays = 0;                // days of the month the employment periods cover
    bool counted = false;               // optimisation 1 kept it among the months of the average
    bool excluded = false;              // left out of the average, by optimisation 2 or at the
                                        // person's wish (`extraExclusion` says which)
    PeriodKind kind = PeriodKind::Work; // the kind of most of its days
    bool minimumWageStands = false;     // ст. 40 ч. 2: the month's minimum wage is its earning
    bool rightOnlyRest = false; // розд. XV п. 3-1: days its earning does not credit count for
                                // the right only
    ExtraExclusion extraExclusion = ExtraExclusion::None;
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
    // The person leaves out of Кз the months the law lets them when that raises it (ст. 40 ч. 1).
    bool extraExclusions = true;
};

} // namespace rv
