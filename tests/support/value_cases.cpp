#include "value_cases.h"

#include "calc/case_entry.h"
#include "calc/ledger_build.h"
#include "engine/errors.h"
#include "protect/reference_container.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace rv::testing_support {

Date day(const char* text) {
    if (auto parsed = parseDate(text))
        return *parsed;
    throw std::invalid_argument(std::string("not a date: ") + text);
}

const std::shared_ptr<const Reference>& lawReference() {
    static const std::shared_ptr<const Reference> reference =
        Reference::fromStored(EmbeddedReferenceData());
    return reference;
}

std::shared_ptr<const Reference>
changedReference(const std::function<void(ReferenceRows&)>& change) {
    ReferenceRows rows = lawReference()->rows();
    change(rows);
    return std::make_shared<const Reference>(std::move(rows));
}

CasePeriod period(const char* begin, const char* finish) {
    CasePeriod made;
    if (begin)
        made.begin = day(begin);
    if (finish)
        made.finish = day(finish);
    return made;
}

std::vector<CasePeriod> periodsOf(const std::vector<std::pair<const char*, const char*>>& dates) {
    std::vector<CasePeriod> periods;
    for (const auto& [begin, finish] : dates)
        periods.push_back(period(begin, finish));
    return periods;
}

CaseMonth monthWithDays(int year, int month0, int credited, int covered) {
    CaseMonth month;
    month.month = {year, month0};
    month.creditedDays = credited;
    month.coveredDays = covered;
    return month;
}

std::vector<CaseMonth> fullYear(int year, const std::vector<CaseMonth>& except) {
    std::vector<CaseMonth> months;
    for (int month0 = 0; month0 < 12; ++month0) {
        const int length = daysInMonth(year, month0 + 1);
        CaseMonth month = monthWithDays(year, month0, length, length);
        for (const CaseMonth& changed : except)
            if (changed.month.month0 == month0)
                month = changed;
        months.push_back(month);
    }
    return months;
}

Case enteredCase(const CasePerson& person, const std::vector<CasePeriod>& periods,
                 const Reference& reference) {
    Case entered;
    entered.person = person;
    const ConfirmCode code = confirmPerson(person, reference.law());
    if (code != ConfirmCode::Confirmed)
        throw std::logic_error("the person was refused: " +
                               personMessage(code, person, reference.law()));
    try {
        for (const CasePeriod& p : periods) {
            checkPeriodDates(p);
            entered.periods.push_back(p);
        }
    } catch (const UserError& refusal) {
        throw std::logic_error(std::string("a period was refused: ") + refusal.what());
    }
    const std::vector<std::string> warnings =
        periodWarnings(entered.periods, *person.birthDate, reference);
    if (!warnings.empty())
        throw std::logic_error("the periods were refused: " + warnings.front());
    LedgerBuild build = buildLedger(entered.periods, {}, reference, entered.evaluation,
                                    person.applicationDate);
    if (build.refusal)
        throw std::logic_error("the ledger was refused: " + *build.refusal);
    entered.months = std::move(build.months);
    return entered;
}

void earnEveryMonth(Case& person, const Reference& reference,
                    const std::function<double(const CaseMonth&)>& earning) {
    std::map<LedgerMonth, double> earnings;
    for (const CaseMonth& month : person.months)
        if (const double amount = earning(month); amount != 0)
            earnings[month.month] = amount;
    enterEarnings(person, earnings, reference);
}

std::function<double(const CaseMonth&)> timesTheAverageWage(double factor) {
    return [factor](const CaseMonth& month) {
        return std::round(factor * month.averageWage * 100) / 100;
    };
}

void enterEarnings(Case& person, const std::map<LedgerMonth, double>& earnings,
                   const Reference& reference) {
    for (const auto& [month, amount] : earnings) {
        try {
            enterEarning(person, month, amount, reference);
        } catch (const UserError& refusal) {
            throw std::logic_error(std::string("an earning was refused: ") + refusal.what());
        }
    }
}

CalculationResult calculated(Case& person, const Reference& reference, Date applicationDate) {
    CalculationResult result = calculate(person, reference, applicationDate);
    describeCalculation(result, '.');
    person.months = result.months;
    return result;
}

} // namespace rv::testing_support
