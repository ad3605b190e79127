#pragma once

#include "refdata_csv.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace rv::refdata {

// The law's dated rules: the researched rules and the rules the program applies in a form it can
// compute with, both with columns rule_id;date_begin;date_end;value;unit;act;article;quote;
// confidence;source, packed one after the other as law text 1.
inline constexpr std::array<std::string_view, 2> kLawRuleFileNames = {"law_rules.csv",
                                                                      "law_rules_applied.csv"};
// The women's pension age by birth date, law text 2.
inline constexpr std::string_view kWomenAgeFileName = "women_age.csv";

// Checks the law rules; throws RefdataError naming the file and line of the first fault:
// - rule_id not empty; confidence EXACT, PRESS or INFERRED; source not empty;
// - date_begin empty (the day the rule took force was not found) or a date dd.mm.yyyy;
// - date_end empty or a date not before date_begin.
void checkLawRules(const CsvFile& csv);

// Checks the women's age table: birth_date_begin empty only on the first row, birth_date_end
// empty only on the last, rows in order without holes or overlaps, age_years 40..80 and
// age_months 0..11.
void checkWomenAges(const CsvFile& csv);

// The lines "field<r>=value" of law text 1 for the rule files in order, rows numbered on.
std::vector<std::string> lawRuleLines(const std::vector<CsvFile>& files);
// The lines of law text 2.
std::vector<std::string> womenAgeLines(const CsvFile& csv);

} // namespace rv::refdata
