#include "calc/protocol.h"

#include "value_cases.h"

#include "calc/estimated_figures.h"
#include "calc/ledger_build.h"
#include "calc/reference_provenance.h"
#include "protect/reference_container.h"
#include "protect/source_flags.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace rv {
namespace {

using testing_support::day;

const Reference& lawReference() {
    static const std::shared_ptr<const Reference> reference =
        Reference::fromStored(EmbeddedReferenceData());
    return *reference;
}

// A man born 10.05.1958 (65 on 11.05.2023): six years before 2000 at 1.5 times the average,
// then from 10.2011 on at the average, and the case's last months at twice it. No month of it
// reads an estimated reference figure unless it reaches into 2026, whose average wage is an
// estimate.
class ProtocolTest : public testing::Test {
protected:
    CalculationResult calculate(const char* lastDay, const char* application) {
        const Reference& reference = lawReference();
        open.person = {"Коваленко Петро", day("10.05.1958"), 0, day(application)};
        open.periods = {{day("01.01.1985"), day("31.12.1990")}, {day("01.10.2011"), day(lastDay)}};
        const LedgerBuild bare = buildLedger(open.periods, {}, reference, open.evaluation);
        EXPECT_FALSE(bare.refusal);
        std::map<LedgerMonth, double> earnings;
        for (const CaseMonth& month : bare.months) {
            const int year = month.month.year;
            const double factor = year <= 1990 ? 1.5 : year <= 2024 ? 1.0 : 2.0;
            earnings[month.month] = month.averageWage * factor;
        }
        LedgerBuild built = buildLedger(open.periods, earnings, reference, open.evaluation);
        EXPECT_FALSE(built.refusal);
        open.months = std::move(built.months);
        CalculationResult result = rv::calculate(open, reference, day(application));
        describeCalculation(result, ',');
        open.months = result.months; // as the calculation left them
        return result;
    }

    Protocol protocolOf(const CalculationResult& result) const {
        return buildProtocol(open, lawReference(), result, {"10.12.2026 17:30", "1.2", ','});
    }

    Case open;
};

// The figure that repeats `field`, the first of the protocol; none: null.
const ProtocolFigure* figureOf(const Protocol& protocol, ResultField ResultTexts::*field) {
    for (const ProtocolSection& section : protocol.sections)
        for (const ProtocolFigure& figure : section.figures)
            if (figure.repeats == field)
                return &figure;
    return nullptr;
}

TEST_F(ProtocolTest, HoldsEveryResultAndHintAsTheWindowShowsThem) {
    const CalculationResult result = calculate("31.12.2025", "15.01.2026");
    ASSERT_FALSE(result.noRight);
    const Protocol protocol = protocolOf(result);

    for (std::size_t i = 0; i < std::size(kResultFields); ++i) {
        const ResultFieldInfo& info = kResultFields[i];
        const ResultField& shown = result.texts.*info.field;
        const ProtocolFigure* figure = figureOf(protocol, info.field);
        ASSERT_NE(figure, nullptr) << "result " << i;
        // The total carries "неповна" after it when the window shows that note.
        EXPECT_EQ(figure->value.substr(0, shown.text.size()), shown.text) << "result " << i;
        if (info.kind == ResultFieldKind::Label)
            EXPECT_EQ(figure->article, shown.hint) << "result " << i; // the right's article
        else
            EXPECT_EQ(figure->formula, shown.hint) << "result " << i;
    }
    // Every figure of the formula names where in the law it comes from.
    for (const auto field : {&ResultTexts::individualCoefficient, &ResultTexts::valuation,
                             &ResultTexts::experienceCoefficient, &ResultTexts::basicPension,
                             &ResultTexts::minimumPension, &ResultTexts::supplement,
                             &ResultTexts::totalPension, &ResultTexts::averageWage})
        EXPECT_FALSE(figureOf(protocol, field)->article.empty());
    EXPECT_NE(figureOf(protocol, &ResultTexts::valuation)->article.find("A25.VS"),
              std::string::npos);
    EXPECT_EQ(figureOf(protocol, &ResultTexts::averageWage)->caption,
              result.texts.averageWageCaption);

    EXPECT_EQ(protocol.personName, "Коваленко Петро");
    EXPECT_NE(protocol.madeLine.find("10.12.2026 17:30"), std::string::npos);
    EXPECT_NE(protocol.madeLine.find("1.2"), std::string::npos);
    ASSERT_EQ(protocol.sections.size(), 6u);
    // The periods and every ledger month are listed.
    EXPECT_EQ(protocol.sections[1].tables.front().rows.size(), 2u);
    EXPECT_EQ(protocol.sections[2].tables.front().rows.size(), protocol.chart.size());
}

TEST_F(ProtocolTest, TheChartFollowsTheLedgersCoefficientsAndMarks) {
    const CalculationResult result = calculate("31.12.2025", "15.01.2026");
    const Protocol protocol = protocolOf(result);

    ASSERT_EQ(protocol.chart.size(), result.months.size());
    int counted = 0;
    int early = 0;
    int excluded = 0;
    for (std::size_t index = 0; index < result.months.size(); ++index) {
        const LedgerMonthView& month = protocol.chart[index];
        const CaseMonth& calculated = result.months[index];
        const std::string where =
            std::to_string(month.month.year) + "-" + std::to_string(month.month.month0 + 1);
        ASSERT_EQ(month.month, calculated.month) << where;
        EXPECT_EQ(month.coefficient, calculated.coefficient) << where;
        EXPECT_EQ(month.excluded, calculated.excluded) << where;
        EXPECT_EQ(month.counted, calculated.counted && !month.excluded) << where;
        counted += month.counted;
        early += month.earlyWindow;
        excluded += month.excluded;
    }
    EXPECT_EQ(counted, result.countedMonths);
    EXPECT_EQ(early, 60); // 72 months before 07.2000, of which the best 60 count
    EXPECT_EQ(excluded, result.monthsAfterOptimisation1 - result.countedMonths);
    EXPECT_GT(excluded, 0);
}

TEST_F(ProtocolTest, NoEstimateWarningWhenNoCountedMonthReadsAnEstimate) {
    const CalculationResult result = calculate("31.12.2025", "15.01.2026");
    EXPECT_TRUE(result.estimated.empty());
    EXPECT_EQ(result.texts.estimatesNote, "");
    const Protocol protocol = protocolOf(result);
    const auto& closing = protocol.sections[4].closing;
    EXPECT_NE(std::find(closing.begin(), closing.end(),
                        "Жоден врахований місяць не спирається на оціночне значення довідників."),
              closing.end());
}

TEST_F(ProtocolTest, WarnsOfTheMonthsWhoseAverageWageIsAnEstimateAndListsThem) {
    // The average wage of every month of 2026 is an estimate (flag ESTIMATE in AvgZpMonth.csv).
    const CalculationResult result = calculate("31.03.2026", "15.04.2026");
    ASSERT_FALSE(result.noRight);
    ASSERT_EQ(result.estimated.size(), 1u);
    EXPECT_EQ(result.estimated.front().figure, MonthFigure::AverageWage);
    EXPECT_EQ(result.estimated.front().months.size(), 3u);
    EXPECT_EQ(result.texts.estimatesNote,
              "3 із " + std::to_string(result.countedMonths) +
                  " врахованих місяців мають оціночне значення середньої заробітної плати (2026)");

    const Protocol protocol = protocolOf(result);
    const ProtocolSection& reference = protocol.sections[4];
    ASSERT_EQ(reference.tables.size(), 3u); // the figures, the law's rules, the estimates
    const ProtocolTable& estimates = reference.tables.back();
    ASSERT_EQ(estimates.rows.size(), 1u);
    EXPECT_EQ(estimates.rows[0][1], "з 01.01.2026 (діє донині)");
    EXPECT_EQ(estimates.rows[0][2], "1");
    EXPECT_EQ(estimates.rows[0][3].rfind("ESTIMATE:", 0), 0u);
    // The panel's line is in the protocol's formula part too.
    const auto& paragraphs = protocol.sections[3].paragraphs;
    EXPECT_NE(std::find(paragraphs.begin(), paragraphs.end(), result.texts.estimatesNote),
              paragraphs.end());
}

// ст. 40 ч. 1 абз. 3: the months of the quarantine and of martial law below the average are left
// out, each marked with its reason, and the ledger's part says how many and why.
TEST_F(ProtocolTest, MarksTheMonthsLeftOutAtThePersonsWishWithTheirReason) {
    const CalculationResult result = calculate("31.12.2025", "15.01.2026");
    ASSERT_GT(result.extraExcluded, 0);
    const Protocol protocol = protocolOf(result);
    const ProtocolSection* ledgerPart = nullptr;
    for (const ProtocolSection& section : protocol.sections)
        if (section.chart)
            ledgerPart = &section;
    ASSERT_NE(ledgerPart, nullptr);
    EXPECT_NE(std::find(ledgerPart->paragraphs.begin(), ledgerPart->paragraphs.end(),
                        result.texts.exclusionsNote),
              ledgerPart->paragraphs.end());
    EXPECT_NE(result.texts.exclusionsNote.find("воєнний стан — "), std::string::npos);
    const ProtocolTable& months = ledgerPart->tables.back();
    int marked = 0;
    for (const auto& row : months.rows) {
        const std::string& mark = row.back();
        const std::string year = row.front().substr(3);
        if (mark.rfind("виключено: воєнний стан", 0) == 0) {
            ++marked;
            EXPECT_GE(year, "2022") << row.front();
        } else if (mark.rfind("виключено: карантин", 0) == 0) {
            ++marked;
            EXPECT_TRUE(year >= "2020" && year <= "2023") << row.front();
        }
    }
    EXPECT_EQ(marked, result.extraExcluded);
}

TEST_F(ProtocolTest, ListsThePeriodsWithTheirLengthsAndThePersonAsTheCaseHoldsThem) {
    const Protocol protocol = protocolOf(calculate("31.12.2025", "15.01.2026"));
    const ProtocolTable& periods = protocol.sections[1].tables.front();
    const std::vector<std::vector<std::string>> expected = {
        {"01.01.1985", "31.12.1990", ExpPeriodLength(day("01.01.1985"), day("31.12.1990")).text,
         "Робота"},
        {"01.10.2011", "31.12.2025", ExpPeriodLength(day("01.10.2011"), day("31.12.2025")).text,
         "Робота"},
    };
    EXPECT_EQ(periods.rows, expected);
    const std::vector<ProtocolFigure>& person = protocol.sections[0].figures;
    EXPECT_EQ(person[0].value, "Коваленко Петро");
    EXPECT_EQ(person[1].value, "10.05.1958");
    EXPECT_EQ(person[2].value, "Чоловік");
    EXPECT_EQ(person[3].value, "15.01.2026");
}

// The date the reference data reach: the newest begin of the six dated tables, whichever of
// them holds it; the law's rules do not count.
TEST(ReferenceDataDateTest, IsTheNewestBeginOfTheDatedTables) {
    const Date older = day("01.01.2000");
    const Date newer = day("01.02.2024");
    const auto rowsWith = [&](auto change) {
        ReferenceRows rows;
        for (auto* table : {&rows.averageWageOfMonth, &rows.averageWageOfYear, &rows.minimumWage,
                            &rows.subsistenceMinimum, &rows.maximumIncome})
            *table = {{older, std::nullopt, 1}, {std::nullopt, std::nullopt, 2}};
        rows.coefficients = {{older, std::nullopt, 1, "1"}};
        change(rows);
        return rows;
    };
    const struct {
        const char* name;
        ReferenceRows rows;
        std::optional<Date> expected;
    } cases[] = {
        {"no rows", ReferenceRows{}, std::nullopt},
        {"all begin together", rowsWith([](ReferenceRows&) {}), older},
        {"monthly average wage", rowsWith([&](ReferenceRows& r) {
             r.averageWageOfMonth.push_back({newer, {}, 3});
         }),
         newer},
        {"yearly average wage", rowsWith([&](ReferenceRows& r) {
             r.averageWageOfYear.push_back({newer, {}, 3});
         }),
         newer},
        {"minimum wage", rowsWith([&](ReferenceRows& r) {
             r.minimumWage.insert(r.minimumWage.begin(), {newer, {}, 3});
         }),
         newer},
        {"coefficient", rowsWith([&](ReferenceRows& r) {
             r.coefficients.push_back({newer, {}, 3, "1"});
         }),
         newer},
        {"subsistence minimum", rowsWith([&](ReferenceRows& r) {
             r.subsistenceMinimum.push_back({newer, {}, 3});
         }),
         newer},
        {"maximum income", rowsWith([&](ReferenceRows& r) {
             r.maximumIncome.push_back({newer, {}, 3});
         }),
         newer},
        {"a law rule is not a reference row", rowsWith([&](ReferenceRows& r) {
             law::Rule rule;
             rule.id = "X";
             rule.begin = newer;
             r.lawRules.push_back(rule);
         }),
         older},
    };
    for (const auto& c : cases) {
        const std::optional<Date> found = referenceDataDate(Reference(c.rows));
        EXPECT_EQ(found, c.expected)
            << c.name << ": " << (found ? formatDate(*found) : std::string("none"));
    }
}

TEST(EstimateWarningTest, CountsMonthsOnceAndAgreesWithTheirNumber) {
    const LedgerMonth march93{1993, 2};
    const LedgerMonth april93{1993, 3};
    const LedgerMonth may94{1994, 4};
    const LedgerMonth may96{1996, 4};
    const struct {
        const char* name;
        std::vector<EstimatedMonths> estimated;
        std::string expected;
    } cases[] = {
        {"none", {}, ""},
        {"one month takes the singular",
         {{MonthFigure::AverageWage, {may94}, {}}},
         "1 із 282 врахованих місяців має оціночне значення середньої заробітної плати (1994)"},
        {"consecutive years are joined",
         {{MonthFigure::AverageWage, {march93, april93, may94}, {}}},
         "3 із 282 врахованих місяців мають оціночне значення середньої заробітної плати "
         "(1993–1994)"},
        {"two figures, a month in both counted once",
         {{MonthFigure::AverageWage, {march93, may96}, {}},
          {MonthFigure::MinimumWage, {may96}, {}}},
         "2 із 282 врахованих місяців мають оціночні значення: середньої заробітної плати — 2 "
         "(1993, 1996), мінімальної заробітної плати — 1 (1996)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(estimateWarning(c.estimated, 282), c.expected) << c.name;
}

TEST(ReferenceProvenanceTest, ReadsRowsFlagsAndSharedSources) {
    const std::string text = "01.01.2004;31.12.2007;1;0;0\n"
                             "01.01.2004;;2;2;1\n"
                             "01.01.2008;;1;18;0\n"
                             "\n"
                             "first source; with a semicolon\n"
                             "ESTIMATE: second\n";
    const std::vector<SourcedRow> rows = parseProvenance(text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].source, "first source; with a semicolon");
    EXPECT_EQ(rows[2].source, rows[0].source);
    EXPECT_EQ(rows[1].flags, unsigned{kFlagEstimate});
    EXPECT_EQ(rows[2].flags, unsigned{kFlagEstimate | kFlagDerived});
    EXPECT_FALSE(rows[1].end);
    EXPECT_EQ(sourceFlagsText(rows[2].flags), "оцінка, обчислено");

    EXPECT_EQ(sourcedRowOn(rows, day("31.12.2007"), "1"), &rows[0]);
    EXPECT_EQ(sourcedRowOn(rows, day("01.01.2030"), "1"), &rows[2]);
    EXPECT_EQ(sourcedRowOn(rows, day("01.01.2030"), "2"), &rows[1]);
    EXPECT_EQ(sourcedRowOn(rows, day("31.12.2003"), "1"), nullptr);
}

TEST(ReferenceProvenanceTest, TheEmbeddedDataKeepsEveryRowsSourceAndFlag) {
    for (const char* file : {"AvgZpMonth.csv", "AvgZpYear.csv", "MinZP.csv", "Koeff.csv",
                             "MinPens.csv", "MaxIncome.csv"})
        EXPECT_FALSE(referenceProvenance(file).empty()) << file;
    const std::vector<SourcedRow> months = referenceProvenance("AvgZpMonth.csv");
    const SourcedRow* open = sourcedRowOn(months, day("01.06.2026"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->begin, day("01.01.2026"));
    EXPECT_TRUE(open->flags & kFlagEstimate);
    const SourcedRow* first = sourcedRowOn(months, day("15.06.1950"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->source.substr(0, 14), "USSR (not UkrS");
}

} // namespace
} // namespace rv
