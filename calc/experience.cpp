#include "calc/calc_cache.h"
#include "calc/calendar.h"
#include "store/dmMain.h"
#include "store/messages.h"

#include <string>

namespace rv {

namespace {

// An empty date reads as day 0, as a date field without a value does.
Date dateOf(const Value& value) {
    const auto* date = std::get_if<Date>(&value);
    return date ? *date : Date{};
}

// The first year whose months are corrected by their credited days.
constexpr int kFirstCreditedYear = 2004;

} // namespace

// Insurance experience, art. 24: the employment periods, and from 2004 on each month counted by
// the days its earning credits (the evaluation works them out), in calendar days of the month.
void TdMain::CalcInsuranceExperience(std::int32_t& insuranceMonths, std::string& insuranceText) {
    insuranceMonths = 0;
    insuranceText.clear();
    const std::string personId = std::to_string(m_currentPersonId);

    cdsExp.setFiltered(false);
    cdsExp.setFilter("exp_person_id=" + personId);
    cdsExp.setFiltered(true);
    const int beginField = cdsExp.fieldIndex("exp_date_begin");
    const int finishField = cdsExp.fieldIndex("exp_date_finish");
    YearsMonthsDays total;
    for (int row = 0; row < cdsExp.recordCount(); ++row) {
        const YearsMonthsDays length = ExpPeriodYMD(dateOf(cdsExp.viewValue(row, beginField)),
                                                    dateOf(cdsExp.viewValue(row, finishField)));
        // Part by part: the sum is normalised once, at the end.
        total.years += length.years;
        total.months += length.months;
        total.days += length.days;
    }

    cdsEarning.setFiltered(false);
    cdsEarning.setFilter("earning_person_id=" + personId);
    cdsEarning.setFiltered(true);
    const LedgerFields fields = ledgerFieldsOf(calcCacheOf(m_calcCache), cdsEarning);
    for (int row = 0; row < cdsEarning.recordCount(); ++row) {
        const int year = integerOrZero(cdsEarning.viewValue(row, fields.year));
        if (year < kFirstCreditedYear)
            continue;
        const int month0 = integerOrZero(cdsEarning.viewValue(row, fields.month));
        const int credited = integerOrZero(cdsEarning.viewValue(row, fields.creditedDays));
        const int covered = integerOrZero(cdsEarning.viewValue(row, fields.monthDays));
        const int monthDays = MonthLength(MonthStart(year, month0));
        if (monthDays > credited)
            total.days -= monthDays - credited;
        // A month credited in full counts in full, also the days outside the employment.
        if (monthDays == credited && monthDays > covered)
            total.days += monthDays - covered;
    }

    NormalizeYMD(total);
    if (total.years < 0)
        total = YearsMonthsDays{};
    insuranceMonths = total.years * 12 + total.months;
    insuranceText = std::to_string(total.years) + messages::kExperienceYears +
                    std::to_string(total.months) + messages::kExperienceMonths +
                    std::to_string(total.days) + messages::kExperienceDays;
}

} // namespace rv
