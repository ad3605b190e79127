#pragma once

#include <QString>

namespace rv {

// Which form of a Ukrainian noun follows a number: 0 after 1, 21, 31… ("1 місяць"), 1 after
// 2–4, 22–24… ("3 місяці"), 2 after the rest, 11–14 included ("5 місяців", "12 місяців").
inline int countedForm(long long count) {
    const long long lastTwo = (count < 0 ? -count : count) % 100;
    const long long last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return 2;
    if (last == 1)
        return 0;
    return last >= 2 && last <= 4 ? 1 : 2;
}

// "296 місяців": the number and the form of `forms` (after 1, after 2–4, after 5) that follows it.
inline QString countedNoun(long long count, const char* const (&forms)[3]) {
    return QString::number(count) + QLatin1Char(' ') + QString::fromUtf8(forms[countedForm(count)]);
}

} // namespace rv
