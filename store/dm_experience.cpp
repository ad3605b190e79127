// The insurance experience of the current person, by the core's rules.

#include "calc/insurance_experience.h"
#include "store/dmMain.h"

namespace rv {

namespace {

// The ledger is left filtered to the person, as the experience's reading always left it.
void filterLedgerToPerson(TdMain& dm) {
    dm.cdsEarning.setFiltered(false);
    dm.cdsEarning.setFilter("earning_person_id=" + std::to_string(dm.currentPersonId()));
    dm.cdsEarning.setFiltered(true);
}

} // namespace

void TdMain::CalcInsuranceExperience(std::int32_t& insuranceMonths, std::string& insuranceText) {
    const Case open = CurrentCase();
    const YearsMonthsDays total = insuranceExperience(open.periods, open.months, LedgerLawRules());
    filterLedgerToPerson(*this);
    insuranceMonths = wholeMonths(total);
    insuranceText = experienceText(total);
}

std::int32_t TdMain::InsuranceMonthsUntil(Date lastDay) {
    const Case open = CurrentCase();
    filterLedgerToPerson(*this);
    return wholeMonths(insuranceExperience(open.periods, open.months, LedgerLawRules(), lastDay));
}

std::optional<Date> TdMain::LastExperienceDay() {
    return lastExperienceDay(currentPeriods());
}

} // namespace rv
