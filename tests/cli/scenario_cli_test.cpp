// The what-if variants of ravelta-calc against the same variants run on a case built as the
// window builds it: both must give the same figures.
#include "case_builders.h"

#include "store/dm_calculation.h"
#include "calc/scenarios.h"
#include "store/dmMain.h"
#include "calc/messages.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace rv {
namespace {

using nlohmann::json;
using testing_support::day;

struct CalculatorRun {
    int exitCode = -1;
    json output;
};

CalculatorRun calculate(const json& input) {
    const std::string inputPath =
        ::testing::TempDir() + "ravelta_scenarios_" + std::to_string(getpid()) + ".json";
    std::ofstream(inputPath, std::ios::binary) << input.dump();
    const std::string command =
        "'" + std::string(RV_CALC_PATH) + "' '" + inputPath + "' 2>/dev/null";
    CalculatorRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pipe ? pclose(pipe) : -1;
    std::remove(inputPath.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = json::parse(out, nullptr, false);
    return run;
}

// A man of 60 in March 2025 with 27 years, five short of the 32 the law asks then, paid
// 10 000 грн a month.
constexpr const char* kBirthDate = "15.03.1965";
constexpr const char* kApplicationDate = "17.03.2025";
constexpr const char* kBegin = "01.03.1998";
constexpr const char* kEnd = "28.02.2025";
constexpr double kMonthlyEarning = 10000;

json caseJson(const json& scenarios) {
    json earnings = json::array();
    for (int year = 1998; year <= 2025; ++year)
        for (int month = 1; month <= 12; ++month)
            if ((year > 1998 || month >= 3) && (year < 2025 || month <= 2))
                earnings.push_back({{"year", year}, {"month", month}, {"amount", kMonthlyEarning}});
    return {{"person",
             {{"name", "Петро"},
              {"birthdate", kBirthDate},
              {"gender", 0},
              {"application_date", kApplicationDate}}},
            {"periods", {{{"begin", kBegin}, {"end", kEnd}}}},
            {"earnings", earnings},
            {"scenarios", scenarios}};
}

// The same case as a person builds it in the window, calculated.
struct WindowCase {
    WindowCase() {
        testing_support::confirmedPerson(dm, day(kBirthDate), 0, day(kApplicationDate));
        testing_support::addPeriod(dm, day(kBegin), day(kEnd));
        dm.VerifyPeriods(day(kBirthDate));
        Table& ledger = dm.cdsEarning;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            ledger.edit();
            ledger.setValue("earning_payment", kMonthlyEarning);
            ledger.post();
        }
        result = Calculate(dm, day(kApplicationDate), '.');
    }
    TdMain dm;
    CalculationResult result;
};

void expectFigures(const json& printed, const ScenarioFigures& figures, const std::string& what) {
    EXPECT_EQ(printed["right"], figures.right) << what;
    EXPECT_EQ(printed["age_rule"], figures.ageRule ? json(*figures.ageRule) : json()) << what;
    EXPECT_EQ(printed["right_date"],
              figures.rightDate ? json(formatDate(*figures.rightDate)) : json())
        << what;
    EXPECT_EQ(printed["assignment_date"],
              figures.assignmentDate ? json(formatDate(*figures.assignmentDate)) : json())
        << what;
    EXPECT_EQ(printed["M"], figures.insuranceMonths) << what;
    EXPECT_EQ(printed["K"], figures.individualCoefficient) << what;
    EXPECT_EQ(printed["KS"], figures.experienceCoefficient) << what;
    EXPECT_EQ(printed["Total"], figures.total) << what;
}

TEST(ScenarioCalculatorTest, TheCalculatorsVariantsAreThoseOfTheCaseBuiltAsInTheWindow) {
    const json scenarios = json::array({
        {{"name", "Ще 3 роки як зараз"}, {"work_months", 36}, {"monthly_wage", nullptr}},
        {{"name", "Ще 4 роки по 15000"}, {"work_months", 48}, {"monthly_wage", 15000}},
        {{"name", "У 63"}, {"apply_on", "16.03.2028"}},
        {{"name", "Добровільно 5 років"}, {"voluntary_months", 60}},
    });
    const CalculatorRun run = calculate(caseJson(scenarios));
    ASSERT_EQ(run.exitCode, 0) << run.output.dump(1);
    const json& printed = run.output["scenarios"];
    ASSERT_EQ(printed.size(), 4u);

    WindowCase window;
    const ScenarioRunner runner = openCaseScenarios(window.dm, window.result, day(kApplicationDate));
    const std::vector<ScenarioOutcome> outcomes = runner.runAll({{"", WorkLonger{36, std::nullopt}},
                                                                 {"", WorkLonger{48, 15000.0}},
                                                                 {"", ApplyOn{day("16.03.2028")}},
                                                                 {"", VoluntaryContributions{60}}});
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const std::string what = printed[i]["name"];
        ASSERT_TRUE(outcomes[i].figures) << what << ": " << outcomes[i].refusal;
        EXPECT_EQ(printed[i]["error"], nullptr) << what;
        expectFigures(printed[i], *outcomes[i].figures, what);
        EXPECT_EQ(printed[i]["delta"], outcomes[i].delta) << what;
        EXPECT_EQ(printed[i]["best"], outcomes[i].best) << what;
        EXPECT_EQ(printed[i]["cost"], outcomes[i].cost ? json(*outcomes[i].cost) : json()) << what;
    }
    EXPECT_EQ(printed[0]["name"], "Ще 3 роки як зараз");
    EXPECT_EQ(printed[3]["added_from"], "01.04.2025");
    EXPECT_EQ(printed[3]["monthly_wage"], 8647);

    const std::optional<EarliestRight> earliest = runner.earliestRight();
    ASSERT_TRUE(earliest);
    EXPECT_EQ(run.output["earliest_right"]["date"], formatDate(earliest->date));
    expectFigures(run.output["earliest_right"], earliest->figures, "earliest right");
}

TEST(ScenarioCalculatorTest, AVariantThatCannotBeCalculatedAndMalformedVariants) {
    const CalculatorRun refused =
        calculate(caseJson({{{"name", "Від'ємний"}, {"work_months", 12}, {"monthly_wage", -5}}}));
    ASSERT_EQ(refused.exitCode, 0);
    EXPECT_EQ(refused.output["scenarios"][0]["error"], messages::kScenarioWageNegative);

    struct Case {
        const char* name;
        json scenarios;
    };
    const Case malformed[] = {
        {"two kinds", {{{"name", "а"}, {"work_months", 12}, {"apply_on", "01.01.2027"}}}},
        {"no kind", {{{"name", "а"}}}},
        {"no name", {{{"work_months", 12}}}},
        {"too many months", {{{"name", "а"}, {"voluntary_months", 601}}}},
        {"a bad date", {{{"name", "а"}, {"apply_on", "31.02.2027"}}}},
        {"not a list", {{"name", "а"}}},
    };
    for (const Case& c : malformed)
        EXPECT_EQ(calculate(caseJson(c.scenarios)).exitCode, 1) << c.name;
}

// A case with the right has no earliest right, and without "scenarios" the output is as before.
TEST(ScenarioCalculatorTest, EarliestRightIsNullWithTheRightAndAbsentWithoutScenarios) {
    json input = caseJson(json::array());
    input["person"]["application_date"] = "16.03.2028";
    const CalculatorRun withRight = calculate(input);
    ASSERT_EQ(withRight.exitCode, 0);
    EXPECT_EQ(withRight.output["result"]["right"], true);
    EXPECT_EQ(withRight.output["scenarios"], json::array());
    EXPECT_TRUE(withRight.output.contains("earliest_right"));
    EXPECT_EQ(withRight.output["earliest_right"], nullptr);

    input.erase("scenarios");
    const CalculatorRun plain = calculate(input);
    EXPECT_FALSE(plain.output.contains("scenarios"));
    EXPECT_FALSE(plain.output.contains("earliest_right"));
}

} // namespace
} // namespace rv
