// The protocol of the window's case: the data module's adapter over the core's protocol.
#include "case_builders.h"

#include "calc/protocol.h"
#include "store/dmMain.h"
#include "store/dm_calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::setDatedRows;

// The place among the results of the one a figure repeats; -1: none.
int repeatedResult(const ProtocolFigure& figure) {
    for (std::size_t i = 0; i < std::size(kResultFields); ++i)
        if (kResultFields[i].field == figure.repeats)
            return static_cast<int>(i);
    return -1;
}

// Every text of the protocol and every month of its chart, one line each.
std::string protocolText(const Protocol& protocol) {
    std::string text =
        protocol.title + "\n" + protocol.personName + "\n" + protocol.madeLine + "\n";
    for (const ProtocolSection& section : protocol.sections) {
        text += section.title + (section.chart ? " [chart]\n" : "\n");
        for (const ProtocolFigure& figure : section.figures)
            text += figure.caption + "|" + figure.value + "|" + figure.formula + "|" +
                    figure.article + "|" + std::to_string(repeatedResult(figure)) + "\n";
        for (std::size_t t = 0; t < section.tables.size(); ++t) {
            text += section.tableTitles[t] + "\n";
            const ProtocolTable& table = section.tables[t];
            for (std::size_t row = 0; row < table.rows.size(); ++row) {
                text += std::to_string(static_cast<int>(table.marks[row]));
                for (const std::string& cell : table.rows[row])
                    text += "|" + cell;
                text += "\n";
            }
        }
        for (const std::string& paragraph : section.paragraphs)
            text += paragraph + "\n";
        for (const std::string& paragraph : section.closing)
            text += paragraph + "\n";
    }
    for (const LedgerMonthView& month : protocol.chart)
        text += std::to_string(month.month.year) + "-" + std::to_string(month.month.month0) + " " +
                std::to_string(month.coefficient) + (month.counted ? " +" : "") +
                (month.excluded ? " -" : "") + "\n";
    return text;
}

// A woman born 20.03.1962 with two periods and an earning in every month at 1.2 times the
// average wage.
class ProtocolAdapterTest : public testing::Test {
protected:
    void SetUp() override {
        confirmedPerson(dm, day("20.03.1962"), 1, day("15.06.2024"));
        dm.cdsPerson.edit();
        dm.cdsPerson.setValue("person_name", std::string("Шевченко Ганна"));
        dm.cdsPerson.post();
        addPeriod(dm, day("03.09.1984"), day("14.02.1996"));
        addPeriod(dm, day("01.04.2001"), day("31.05.2024"));
        ASSERT_TRUE(dm.BuildLedger());
        Table& ledger = dm.cdsEarning;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            ledger.edit();
            ledger.setValue("earning_payment", ledger.asFloat("earning_avg_zp") * 1.2);
            ledger.post();
        }
        result = Calculate(dm, day("15.06.2024"), ',');
    }

    Protocol adapterProtocol() { return buildProtocol(dm, result, making); }

    TdMain dm;
    CalculationResult result;
    const ProtocolMaking making{"10.12.2026 17:30", "1.2", ','};
};

TEST_F(ProtocolAdapterTest, ReadsThePersonThePeriodsAndTheLedgerAsTheTablesHoldThem) {
    const Protocol protocol = adapterProtocol();
    EXPECT_EQ(protocol.personName, dm.cdsPerson.asText("person_name"));

    // Each period's length is the text the period table's hook stored.
    const ProtocolTable& periods = protocol.sections[1].tables.front();
    Table& table = dm.cdsExp;
    ASSERT_EQ(periods.rows.size(), static_cast<std::size_t>(table.recordCount()));
    for (int row = 0; row < table.recordCount(); ++row) {
        const Value length = table.viewValue(row, table.fieldIndex("exp_day_str"));
        EXPECT_EQ(periods.rows[static_cast<std::size_t>(row)][2], std::get<std::string>(length))
            << "period " << row;
    }

    // The chart holds every month of the person's ledger with the marks written back.
    Table& ledger = dm.cdsEarning;
    ledger.setFiltered(false);
    ASSERT_EQ(protocol.chart.size(), static_cast<std::size_t>(ledger.recordCount()));
    std::size_t index = 0;
    for (ledger.first(); !ledger.eof(); ledger.next(), ++index) {
        const LedgerMonthView& month = protocol.chart[index];
        EXPECT_EQ(month.month, (LedgerMonth{ledger.asInteger("earning_year"),
                                            ledger.asInteger("earning_month")}));
        EXPECT_EQ(month.coefficient, ledger.asFloat("earning_k"));
        EXPECT_EQ(month.excluded, ledger.asText("earning_opt2") == "-");
    }
}

TEST_F(ProtocolAdapterTest, AYearChosenInTheLedgerChangesNeitherTheProtocolNorTheLedger) {
    const std::string whole = protocolText(adapterProtocol());
    EXPECT_EQ(whole,
              protocolText(buildProtocol(dm.CurrentCase(), *dm.CalcReference(), result, making)));

    Table& ledger = dm.cdsEarning;
    ledger.setFilter("earning_year = 2010");
    ledger.setFiltered(true);
    ledger.setRecNo(5);
    const int monthsShown = ledger.recordCount();
    ASSERT_EQ(monthsShown, 12);

    EXPECT_EQ(protocolText(adapterProtocol()), whole);
    EXPECT_TRUE(ledger.filtered());
    EXPECT_EQ(ledger.filter(), "earning_year = 2010");
    EXPECT_EQ(ledger.recordCount(), monthsShown);
    EXPECT_EQ(ledger.recNo(), 5);
}

// The date the reference data reach, read from the core's reference, is the newest begin date
// of the rows of the data module's six dated reference tables.
TEST_F(ProtocolAdapterTest, TheReferenceDataDateIsTheNewestBeginOfTheReferenceTables) {
    const auto newestInTables = [this] {
        std::optional<Date> newest;
        for (const Table* table : {&dm.cdsAvgZpMonth, &dm.cdsAvgZpYear, &dm.cdsMinZP, &dm.cdsKoeff,
                                   &dm.cdsMinPens, &dm.cdsMaxIncome})
            for (int row = 0; row < table->recordCount(); ++row)
                if (const std::optional<Date> begin = dateOrNone(table->viewValue(row, 0));
                    begin && (!newest || *newest < *begin))
                    newest = begin;
        return newest;
    };
    ASSERT_TRUE(newestInTables());
    EXPECT_EQ(referenceDataDate(*dm.CalcReference()), newestInTables());

    const Date later{newestInTables()->serial + 400};
    setDatedRows(dm.cdsMaxIncome, {{later, std::nullopt, 100000}});
    EXPECT_EQ(referenceDataDate(*dm.CalcReference()), later);
    EXPECT_EQ(newestInTables(), later);
}

} // namespace
} // namespace rv
