#pragma once

#include "calc/law.h"

namespace rv {

class Table;

// The law book of the packed tables cdsLawRules and cdsWomenAge (fields "lr_<column>" and
// "wa_<column>" of refdata/law_rules*.csv and refdata/women_age.csv).
law::LawBook lawBookFromTables(const Table& lawRules, const Table& womenAges);

} // namespace rv
