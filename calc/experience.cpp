#include "calc/calc_cache.h"
#include "calc/calendar.h"
#include "calc/ledger_rules.h"
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

// A ledger month the calendar can hold; a hostile file may carry others.
bool isPlausibleLedgerMonth(int year, int month0) {
    return year >= 1 && year <= 9999 && month0 >= 0 && month0 <= 11;
}

} // namespace

// Insurance experience, art. 24: the employment periods, and from 2004 on each month counted by
// the days its earning credits (the evaluation works them out), in calendar days of the month.
// With `lastDay`, only the days up to it: the periods end there and later months do not count.
YearsMonthsDays TdMain::insuranceExperience(std::optional<Date> lastDay) {
    const std::string personId = std::to_string(m_currentPersonId);

    cdsExp.setFiltered(false);
    cdsExp.setFilter("exp_person_id=" + personId);
    cdsExp.setFiltered(true);
    const int beginField = cdsExp.fieldIndex("exp_date_begin");
    const int finishField = cdsExp.fieldIndex("exp_date_finish");
    YearsMonthsDays total;
    for (int row = 0; row < cdsExp.recordCount(); ++row) {
        const Date begin = dateOf(cdsExp.viewValue(row, beginField));
        Date finish = dateOf(cdsExp.viewValue(row, finishField));
        if (lastDay && *lastDay < finish)
            finish = *lastDay;
        if (finish < begin)
            continue;
        const YearsMonthsDays length = ExpPeriodYMD(begin, finish);
        // Part by part: the sum is normalised once, at the end.
        total.years += length.years;
        total.months += length.months;
        total.days += length.days;
    }

    cdsEarning.setFiltered(false);
    cdsEarning.setFilter("earning_person_id=" + personId);
    cdsEarning.setFiltered(true);
    const LedgerFields fields = ledgerFieldsOf(calcCacheOf(m_calcCache), cdsEarning);
    const Date creditFrom = LedgerLawRules().proportionalCreditFrom;
    for (int row = 0; row < cdsEarning.recordCount(); ++row) {
        const int year = integerOrZero(cdsEarning.viewValue(row, fields.year));
        const int month0 = integerOrZero(cdsEarning.viewValue(row, fields.month));
        if (!isPlausibleLedgerMonth(year, month0))
            continue;
        const Date monthStart = MonthStart(year, month0);
        if (monthStart < creditFrom)
            continue;
        const int monthDays = MonthLength(monthStart);
        if (lastDay && lastDay->serial < monthStart.serial + monthDays - 1)
            continue; // a month not yet over
        const int credited = integerOrZero(cdsEarning.viewValue(row, fields.creditedDays));
        const int covered = integerOrZero(cdsEarning.viewValue(row, fields.monthDays));
        if (monthDays > credited)
            total.days -= monthDays - credited;
        // A month credited in full counts in full, also the days outside the employment.
        if (monthDays == credited && monthDays > covered)
            total.days += monthDays - covered;
    }

    NormalizeYMD(total);
    if (total.years < 0)
        total = YearsMonthsDays{};
    return total;
}

void TdMain::CalcInsuranceExperience(std::int32_t& insuranceMonths, std::string& insuranceText) {
    const YearsMonthsDays total = insuranceExperience(std::nullopt);
    insuranceMonths = total.years * 12 + total.months;
    insuranceText = std::to_string(total.years) + messages::kExperienceYears +
                    std::to_string(total.months) + messages::kExperienceMonths +
                    std::to_string(total.days) + messages::kExperienceDays;
}

std::int32_t TdMain::InsuranceMonthsUntil(Date lastDay) {
    const YearsMonthsDays total = insuranceExperience(lastDay);
    return total.years * 12 + total.months;
}

std::optional<Date> TdMain::LastExperienceDay() {
    cdsExp.setFiltered(false);
    cdsExp.setFilter("exp_person_id=" + std::to_string(m_currentPersonId));
    cdsExp.setFiltered(true);
    const int finishField = cdsExp.fieldIndex("exp_date_finish");
    std::optional<Date> last;
    for (int row = 0; row < cdsExp.recordCount(); ++row) {
        const Date finish = dateOf(cdsExp.viewValue(row, finishField));
        if (!last || *last < finish)
            last = finish;
    }
    return last;
}

} // namespace rv
