#pragma once

#include "calc/law.h"
#include "calc/reference.h"

#include <string>
#include <vector>

namespace rv {

class Table;

// The rows of the data module's reference tables, for the core's Reference. The dated tables'
// fields are "<prefix>_date_begin", "<prefix>_date_end" and "<prefix>_value"; they are read
// whole, whatever filter a grid set on them (the filter is switched off).
std::vector<DatedFigure> datedRowsOfTable(Table& table, const std::string& prefix);
std::vector<CoefficientRow> coefficientRowsOfTable(Table& table);
// The packed tables cdsLawRules and cdsWomenAge (fields "lr_<column>" and "wa_<column>" of
// refdata/law_rules*.csv and refdata/women_age.csv), in their current view.
std::vector<law::Rule> lawRulesOfTable(const Table& lawRules);
std::vector<law::WomenAge> womenAgesOfTable(const Table& womenAges);

} // namespace rv
