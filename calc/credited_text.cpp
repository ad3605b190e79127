#include "calc/credited_text.h"

#include "calc/calendar.h"
#include "calc/extra_exclusions.h"
#include "calc/periods.h"

#include <array>

namespace rv {

namespace {

// "2 р. 3 міс.", "5 дн.": the parts that are not zero.
std::string shortLength(const YearsMonthsDays& length) {
    std::string text;
    const auto part = [&text](int value, const char* unit) {
        if (value == 0)
            return;
        text += (text.empty() ? "" : " ") + std::to_string(value) + unit;
    };
    part(length.years, " р.");
    part(length.months, " міс.");
    part(length.days, " дн.");
    return text.empty() ? "0 дн." : text;
}

} // namespace

std::string creditedShareText(const std::vector<CasePeriod>& periods) {
    std::array<std::vector<CasePeriod>, kPeriodKinds.size()> byKind;
    for (const CasePeriod& period : periodsCountedOnce(periods))
        if (period.kind != PeriodKind::Work && period.begin && period.finish &&
            !(*period.finish < *period.begin))
            byKind[static_cast<std::size_t>(period.kind)].push_back(period);
    std::string text;
    for (std::size_t kind = 0; kind < byKind.size(); ++kind) {
        if (byKind[kind].empty())
            continue;
        text += (text.empty() ? "" : ", ") + std::string(kPeriodKinds[kind].inSentence) + " " +
                shortLength(periodsLength(byKind[kind]));
    }
    return text;
}

std::string creditedNote(const std::string& share, const CalculationResult& result) {
    if (share.empty())
        return {};
    std::string note = "До страхового стажу зараховано періоди без роботи: " + share +
                       " (ст. 24 Закону №1058-IV).";
    const std::int32_t rightOnly = result.rightInsuranceMonths - result.insuranceMonths;
    if (rightOnly > 0) {
        const YearsMonthsDays length{rightOnly / 12, rightOnly % 12, 0};
        note += " Ще " + shortLength(length) +
                " враховано лише для права на пенсію, не для її розміру (розд. XV п. 3-1).";
    }
    return note;
}

std::string exclusionsNote(const CalculationResult& result) {
    if (result.extraExcluded == 0)
        return {};
    std::array<int, std::size(kExtraExclusions)> counts{};
    for (const CaseMonth& month : result.months)
        for (std::size_t i = 0; i < counts.size(); ++i)
            if (month.extraExclusion == kExtraExclusions[i])
                ++counts[i];
    std::string reasons;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] == 0)
            continue;
        std::string title(exclusionTitle(kExtraExclusions[i]));
        title = title.substr(title.find(": ") + 2);
        reasons += (reasons.empty() ? "" : "; ") + title + " — " + std::to_string(counts[i]);
    }
    return "Додатково виключено з розрахунку коефіцієнта заробітку " +
           std::to_string(result.extraExcluded) + " міс., бо вони його знижували: " + reasons +
           " (ст. 40 ч. 1 абз. 3 Закону №1058-IV).";
}

} // namespace rv
