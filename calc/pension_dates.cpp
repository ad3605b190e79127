#include "pension_dates.h"

#include <algorithm>

namespace rv {

Date IncMonth(Date date, int months) {
    const CivilDate civil = civilFromDate(date);
    // Months counted from January of year 0, so that floor division gives the target year.
    const int absoluteMonth = civil.year * 12 + (civil.month - 1) + months;
    int year = absoluteMonth / 12;
    int month0 = absoluteMonth % 12;
    if (month0 < 0) {
        month0 += 12;
        --year;
    }
    const int month = month0 + 1;
    return dateFromCivil(year, month, std::min(civil.day, daysInMonth(year, month)));
}

Date pensionAgeDate(Date birthDate, int pensionAgeYears) {
    // The day is added before the years: born 28.02.1952, 59 years gives 28.02.2011.
    return IncMonth(Date{birthDate.serial + 1}, 12 * pensionAgeYears);
}

Date pensionAgeDate(Date birthDate, int years, int months) {
    return IncMonth(Date{birthDate.serial + 1}, 12 * years + months);
}

Date assignmentDate(Date pensionAgeDate, Date applicationDate) {
    const Date lastDayGrantedFromAge{IncMonth(pensionAgeDate, 3).serial - 1};
    return applicationDate <= lastDayGrantedFromAge ? pensionAgeDate : applicationDate;
}

} // namespace rv
