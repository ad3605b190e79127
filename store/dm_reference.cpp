// The data module's reference tables as the core's Reference, and the lookups over them.

#include "calc/calendar.h"
#include "calc/law.h"
#include "store/dmMain.h"
#include "store/reference_tables.h"

#include <variant>

namespace rv {

std::shared_ptr<const Reference> TdMain::CalcReference() {
    LoadLawTables();
    Table* const tables[] = {&cdsAvgZpMonth, &cdsAvgZpYear, &cdsMinZP,    &cdsKoeff,
                             &cdsMinPens,    &cdsMaxIncome, &cdsLawRules, &cdsWomenAge};
    std::array<std::uint64_t, std::size(tables)> counts{};
    for (std::size_t i = 0; i < std::size(tables); ++i) {
        Table* table = tables[i];
        // Every lookup reads all rows: a filter a grid left on the table is switched off.
        if (table != &cdsLawRules && table != &cdsWomenAge && table->filtered())
            table->setFiltered(false);
        counts[i] = table->changeCount();
    }
    if (m_calcReference && counts == m_calcReferenceCounts)
        return m_calcReference;

    ReferenceRows rows;
    rows.averageWageOfMonth = datedRowsOfTable(cdsAvgZpMonth, "azm");
    rows.averageWageOfYear = datedRowsOfTable(cdsAvgZpYear, "azy");
    rows.minimumWage = datedRowsOfTable(cdsMinZP, "mz");
    rows.coefficients = coefficientRowsOfTable(cdsKoeff);
    rows.subsistenceMinimum = datedRowsOfTable(cdsMinPens, "mp");
    rows.maximumIncome = datedRowsOfTable(cdsMaxIncome, "mi");
    rows.lawRules = lawRulesOfTable(cdsLawRules);
    rows.womenAges = womenAgesOfTable(cdsWomenAge);
    rows.limits = {m_reference.Opt1WindowMonths, m_reference.Opt2MaxExcludedMonths,
                   m_reference.Opt2MinKeptMonths};
    EmbeddedMonthProvenance();
    m_calcReference = std::make_shared<const Reference>(std::move(rows), m_monthProvenance);
    m_calcReferenceCounts = counts;
    return m_calcReference;
}

const law::LawBook& TdMain::Law() {
    return CalcReference()->law();
}

const LedgerRules& TdMain::LedgerLawRules() {
    return CalcReference()->ledgerRules();
}

const MonthProvenance& TdMain::EmbeddedMonthProvenance() {
    if (!m_monthProvenance)
        m_monthProvenance = std::make_shared<const MonthProvenance>(MonthProvenance::embedded());
    return *m_monthProvenance;
}

double TdMain::GetAvgZpMonth(LedgerMonth month) {
    return CalcReference()->averageWageOfMonth(month);
}

double TdMain::GetAvgZpYearOfMonth(LedgerMonth month) {
    return CalcReference()->averageWageOfYearOfMonth(month);
}

double TdMain::GetMinZp(LedgerMonth month) {
    return CalcReference()->minimumWage(month);
}

double TdMain::GetMaxIncome(Date day) {
    return CalcReference()->maximumIncome(day);
}

double TdMain::GetMinPens(Date day) {
    return CalcReference()->subsistenceMinimum(day);
}

double TdMain::GetKoeff(int type) {
    return CalcReference()->coefficient(type);
}

double TdMain::GetAvgZpForYear(int& year) {
    return CalcReference()->averageWageForYear(year);
}

} // namespace rv
