#include "calc/imported_earnings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace rv {
namespace {

// The months of a ledger from 11.2004 to 02.2005, December with an earning of 800.
std::vector<CaseMonth> ledgerMonths() {
    std::vector<CaseMonth> months;
    for (const LedgerMonth month : {LedgerMonth{2004, 10}, LedgerMonth{2004, 11},
                                    LedgerMonth{2005, 0}, LedgerMonth{2005, 1}}) {
        CaseMonth entry;
        entry.month = month;
        months.push_back(entry);
    }
    months[1].earning = 800;
    return months;
}

std::string changesText(const std::vector<EarningChange>& changes) {
    std::string text;
    for (const EarningChange& change : changes)
        text += std::to_string(change.month.year) + "-" + std::to_string(change.month.month0) +
                ": " + std::to_string(change.amount) + " for " + std::to_string(change.replaced) +
                "; ";
    return text;
}

TEST(EarningsToStoreTest, GivesTheChangesInTheOrderAcceptedOrWhyNoneMayBeStored) {
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        std::vector<AcceptedEarning> earnings;
        std::string changes;
        std::optional<std::string> refusal;
    } cases[] = {
        {"each month replaces its earning",
         {{{2005, 1}, 1500}, {{2004, 11}, 900.5}},
         "2005-1: 1500.000000 for 0.000000; 2004-11: 900.500000 for 800.000000; ",
         std::nullopt},
        {"a zero clears a month",
         {{{2004, 11}, 0}},
         "2004-11: 0.000000 for 800.000000; ",
         std::nullopt},
        {"nothing accepted", {}, "", "Не вибрано жодного місяця для імпорту"},
        {"the first month outside the ledger is named",
         {{{2005, 0}, 100}, {{2005, 2}, 100}, {{2003, 5}, 100}},
         "",
         "Імпорт не виконано: місяць поза періодами трудової діяльності — березень 2005 р."},
        {"a negative amount",
         {{{2005, 0}, 100}, {{2005, 1}, -0.01}},
         "",
         "Імпорт не виконано, нічого не змінено: Заробіток не може бути від'ємним"},
        {"an amount that is not a number",
         {{{2005, 0}, notANumber}},
         "",
         "Імпорт не виконано, нічого не змінено: Заробіток не може бути від'ємним"},
        {"the first fault speaks: a negative amount",
         {{{2005, 0}, -1}, {{2006, 0}, 100}},
         "",
         "Імпорт не виконано, нічого не змінено: Заробіток не може бути від'ємним"},
        {"the first fault speaks: a month outside the ledger",
         {{{2006, 0}, 100}, {{2005, 0}, -1}},
         "",
         "Імпорт не виконано: місяць поза періодами трудової діяльності — січень 2006 р."},
    };
    for (const auto& c : cases) {
        const EarningsToStore found = earningsToStore(ledgerMonths(), c.earnings);
        EXPECT_EQ(changesText(found.changes), c.changes) << c.name;
        EXPECT_EQ(found.refusal, c.refusal) << c.name;
    }
}

} // namespace
} // namespace rv
