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

Date ageReachedOn(Date birthDate, int years, int months) {
    return IncMonth(birthDate, 12 * years + months);
}

Date pensionAgeDate(Date birthDate, int pensionAgeYears) {
    return pensionAgeDate(birthDate, pensionAgeYears, 0);
}

Date pensionAgeDate(Date birthDate, int years, int months) {
    // ст. 45 ч. 1 п. 1: from the day after the age is reached.
    return Date{ageReachedOn(birthDate, years, months).serial + 1};
}

Date assignmentDate(Date pensionAgeDate, Date applicationDate) {
    const Date lastDayGrantedFromAge{IncMonth(pensionAgeDate, 3).serial - 1};
    return applicationDate <= lastDayGrantedFromAge ? pensionAgeDate : applicationDate;
}

} // namespace rv
