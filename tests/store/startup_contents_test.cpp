// The tables after the real start-up, compared with the sourced CSVs they were packed from.
#include "store/dmMain.h"
#include "tools/refpack/refdata_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>

namespace rv {
namespace {

const std::filesystem::path kRefdataDir = RV_REFDATA_DIR;

class StartupContents : public testing::Test {
protected:
    static void SetUpTestSuite() { module = new TdMain(); }
    static void TearDownTestSuite() {
        delete module;
        module = nullptr;
    }

    struct Named {
        const char* fileName;
        Table* table;
    };
    std::vector<Named> datedTables() const {
        return {{"AvgZpMonth.csv", &module->cdsAvgZpMonth}, {"AvgZpYear.csv", &module->cdsAvgZpYear},
                {"MinZP.csv", &module->cdsMinZP},           {"Koeff.csv", &module->cdsKoeff},
                {"MinPens.csv", &module->cdsMinPens},       {"MaxIncome.csv", &module->cdsMaxIncome}};
    }

    static TdMain* module;
};

TdMain* StartupContents::module = nullptr;

Value expectedValue(FieldType type, const std::string& text) {
    if (text.empty())
        return {};
    switch (type) {
    case FieldType::Date:
        return *parseDate(text);
    case FieldType::Float:
        return std::stod(text);
    case FieldType::Integer:
        return std::stoi(text);
    case FieldType::Text:
        return text;
    }
    return {};
}

TEST_F(StartupContents, EveryReferenceTableEqualsItsCsvRowForRow) {
    const auto& layouts = refdata::referenceTableLayouts();
    const auto tables = datedTables();
    ASSERT_EQ(layouts.size(), tables.size());
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const auto& layout = layouts[t];
        Table& table = *tables[t].table;
        SCOPED_TRACE(table.name());
        ASSERT_EQ(layout.fileName, tables[t].fileName);
        const refdata::CsvFile csv = refdata::readCsvFile(kRefdataDir / layout.fileName);
        ASSERT_EQ(table.recordCount(), static_cast<int>(csv.rows.size()));
        ASSERT_EQ(table.fieldCount(), static_cast<int>(layout.columns.size()));
        std::size_t row = 0;
        for (table.first(); !table.eof(); table.next(), ++row) {
            for (int f = 0; f < table.fieldCount(); ++f) {
                const auto& column = layout.columns[static_cast<std::size_t>(f)];
                ASSERT_EQ(table.field(f).name, column.fieldName);
                const std::string& text = csv.rows[row][csv.column(column.csvColumn)];
                ASSERT_EQ(table.value(f), expectedValue(table.field(f).type, text))
                    << "line " << refdata::fileLineOfRow(row) << ", " << column.fieldName
                    << " = '" << text << "'";
            }
        }
    }
}

TEST_F(StartupContents, ParameterRowsInTheirOrder) {
    const std::pair<const char*, const char*> expected[] = {
        {"Мінімально необхідний СС (для отримання неповної пенсії)", "15"},
        {"Необхідний СС жінки (для отримання повної пенсії)", "30"},
        {"Необхідний СС чоловіки (для отримання повної пенсії)", "35"},
        {"Пенсійний вік жінки", "60"},
        {"Пенсійний вік чоловіка", "60"},
    };
    Table& params = module->cdsParam;
    ASSERT_EQ(params.recordCount(), 5);
    params.first();
    for (const auto& [name, value] : expected) {
        EXPECT_EQ(params.asText("p_name"), name);
        EXPECT_EQ(params.asText("p_val"), value);
        EXPECT_TRUE(params.isNull("p_code"));
        params.next();
    }
    const ReferenceData& reference = module->reference();
    EXPECT_EQ(reference.Opt1WindowMonths, reference.PensionAgeMale);
    EXPECT_EQ(reference.Opt2MaxExcludedMonths, reference.PensionAgeMale);
    EXPECT_EQ(reference.Opt2MinKeptMonths, reference.PensionAgeMale);
}

// The value of the row covering `day`, both ends included, or 0.
double coveringValue(Table& table, Date day) {
    for (table.first(); !table.eof(); table.next()) {
        const auto begin = table.asDate(table.field(0).name);
        const auto end = table.asDate(table.field(1).name);
        if (begin && *begin <= day && (!end || day <= *end))
            return table.asFloat(table.field(2).name);
    }
    return 0;
}

TEST_F(StartupContents, EveryMonthThatALedgerCanHoldIsCovered) {
    struct Coverage {
        Table* table;
        int fromYear, fromMonth;
    };
    const Coverage coverage[] = {
        {&module->cdsAvgZpMonth, 1950, 1},
        {&module->cdsMinZP, 1991, 7},
        {&module->cdsMaxIncome, 1998, 8},
    };
    for (const Coverage& c : coverage)
        for (int year = c.fromYear; year <= 2026; ++year)
            for (int month = year == c.fromYear ? c.fromMonth : 1; month <= 12; ++month) {
                const Date first = dateFromCivil(year, month, 1);
                const Date last = dateFromCivil(year, month, daysInMonth(year, month));
                EXPECT_GT(coveringValue(*c.table, first), 0)
                    << c.table->name() << " " << formatDate(first);
                EXPECT_GT(coveringValue(*c.table, last), 0)
                    << c.table->name() << " " << formatDate(last);
            }
}

TEST_F(StartupContents, DatedTablesAscendWithoutOverlaps) {
    for (const auto& [fileName, table] : datedTables()) {
        SCOPED_TRACE(table->name());
        // Koeff keeps one timeline per coefficient type.
        std::map<std::string, std::optional<Date>> lastEndByTimeline;
        std::map<std::string, Date> lastBeginByTimeline;
        for (table->first(); !table->eof(); table->next()) {
            const std::string timeline =
                table->findField("k_type") ? table->asText("k_type") : std::string();
            const Date begin = *table->asDate(table->field(0).name);
            const auto end = table->asDate(table->field(1).name);
            if (lastBeginByTimeline.count(timeline)) {
                EXPECT_LT(lastBeginByTimeline[timeline], begin) << formatDate(begin);
                const auto previousEnd = lastEndByTimeline[timeline];
                ASSERT_TRUE(previousEnd) << "only the last row may be open, " << formatDate(begin);
                EXPECT_LT(*previousEnd, begin) << formatDate(begin);
            }
            if (end) {
                EXPECT_LE(begin, *end);
            }
            lastBeginByTimeline[timeline] = begin;
            lastEndByTimeline[timeline] = end;
        }
    }
}

} // namespace
} // namespace rv
