#pragma once

#include "engine/date.h"

namespace rv {

// Moves the date by whole calendar months (negative moves back); a day missing in the target
// month becomes its last day: 31.05 + 3 is 31.08, 30.11 + 3 is 28.02 or 29.02.
Date IncMonth(Date date, int months);

// The day an age is reached: the birthday itself, the years and months added by IncMonth (born
// 30.11.1956, 55 years 6 months are reached on 30.05.2012).
Date ageReachedOn(Date birthDate, int years, int months);

// The day from which the pension is granted at the pension age: the day after the age is
// reached (30.11.1956, 55 years 6 months: from 31.05.2012; 30.12.1956: from 01.07.2012).
Date pensionAgeDate(Date birthDate, int pensionAgeYears);
// The same for an age of whole years and months (women's ages such as 57 years 6 months).
Date pensionAgeDate(Date birthDate, int years, int months);

// The day the pension is granted from (ст. 45, абзац 1, Закону № 1058-IV): the pension age
// date when the application comes no later than three months after it, else the application
// date.
Date assignmentDate(Date pensionAgeDate, Date applicationDate);

} // namespace rv
