// Runs the ravelta-calc executable as a user does and reads what it prints.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using nlohmann::json;

struct CalculatorRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the calculator with `argument` (shell words; a redirection too), feeding `input` to its
// standard input when given; `prefix` goes before the program (another user, say).
CalculatorRun runCalculator(const std::string& argument, const std::string& input = {},
                            const std::string& prefix = {}) {
    // Unique per process: CTest runs the tests of this file side by side.
    const std::string errPath =
        ::testing::TempDir() + "ravelta_cli_err_" + std::to_string(getpid()) + ".txt";
    std::string command =
        prefix + " '" + std::string(RV_CALC_PATH) + "' " + argument + " 2>'" + errPath + "'";
    std::string inputPath;
    if (!input.empty()) {
        inputPath =
            ::testing::TempDir() + "ravelta_cli_input_" + std::to_string(getpid()) + ".json";
        std::ofstream(inputPath, std::ios::binary) << input;
        command += " < '" + inputPath + "'";
    }
    CalculatorRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    if (!inputPath.empty())
        std::remove(inputPath.c_str());
    std::ifstream errFile(errPath, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(errFile), {});
    std::remove(errPath.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string dataPath(const char* name) {
    return std::string(RV_TEST_DATA_DIR) + "/" + name;
}

json readJson(const std::string& path) {
    std::ifstream file(path);
    return json::parse(file);
}

long double roundTo(long double x, int places) {
    const long double scale = std::pow(10.0L, places);
    return std::nearbyint(x * scale) / scale;
}

class Career40 : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const CalculatorRun run = runCalculator("'" + dataPath("career40.json") + "'");
        exitCode = run.exitCode;
        output = json::parse(run.out, nullptr, false);
    }
    static inline int exitCode = -1;
    static inline json output;
};

TEST_F(Career40, WholeOutputEqualsTheReviewedResult) {
    ASSERT_EQ(exitCode, 0);
    ASSERT_FALSE(output.is_discarded());
    EXPECT_EQ(output, readJson(dataPath("career40.expected.json")));
}

// The reviewed result, derived again here from the ledger it prints.
TEST_F(Career40, ResultFollowsFromItsLedger) {
    const json& ledger = output["ledger"];
    const json& values = output["result"]["values"];
    int afterOpt1 = 0, excluded = 0;
    long double sum = 0;
    for (const json& month : ledger) {
        SCOPED_TRACE(month.dump());
        if (month["opt1"] == "+")
            ++afterOpt1;
        if (month["opt2"] == "-") {
            ++excluded;
            EXPECT_EQ(month["opt1"], "+") << "only counted months can be excluded";
        } else if (month["opt1"] == "+") {
            sum += month["k"].get<double>();
        }
        // Every earning here is far below the maximum income: k is the plain ratio.
        const double ratio = month["payment"].get<double>() / month["avg_zp"].get<double>();
        EXPECT_DOUBLE_EQ(month["k"].get<double>(), static_cast<double>(roundTo(ratio, 5)));
    }
    EXPECT_EQ(values["N1"], afterOpt1);
    EXPECT_EQ(values["N"], afterOpt1 - excluded);
    EXPECT_NEAR(values["SumK"].get<double>(), static_cast<double>(sum), 1e-9);

    const auto months = values["M"].get<int>();
    const long double k = roundTo(values["SumK"].get<long double>() / values["N"].get<int>(), 5);
    const long double ks = std::min(roundTo(months * 1.0L / 1200, 5), 0.75L);
    const long double p = roundTo(values["AvgZp"].get<long double>() * k * ks, 4);
    EXPECT_DOUBLE_EQ(values["K"].get<double>(), static_cast<double>(k));
    EXPECT_DOUBLE_EQ(values["KS"].get<double>(), static_cast<double>(ks));
    EXPECT_DOUBLE_EQ(values["P"].get<double>(), static_cast<double>(p));
    const long double extra =
        roundTo(std::min(p, values["MinP"].get<long double>()) * ((months / 12 - 35) / 100.0L), 4);
    EXPECT_DOUBLE_EQ(values["Extra"].get<double>(), static_cast<double>(extra));
    EXPECT_DOUBLE_EQ(values["Total"].get<double>(), static_cast<double>(p + extra));
}

// ст. 40 ч. 1 абз. 3, the second sentence: the months of the quarantine and of martial law are
// left out only where they lower Кз; without the choice the reviewed figure of the first version
// comes back.
TEST_F(Career40, Article40ExtraExclusionsLeaveOutOnlyMonthsBelowTheAverage) {
    const json& values = output["result"]["values"];
    const double average = values["K"].get<double>();
    int extra = 0;
    for (const json& month : output["ledger"]) {
        SCOPED_TRACE(month.dump());
        const json& reason = month["excluded"];
        EXPECT_EQ(reason.is_null(), month["opt2"] != "-");
        if (reason == "quarantine" || reason == "martial_law") {
            ++extra;
            EXPECT_LT(month["k"].get<double>(), average);
            const int when = month["year"].get<int>() * 100 + month["month"].get<int>();
            EXPECT_TRUE(reason == "martial_law" ? when >= 202202
                                                : when >= 202003 && when <= 202312);
        }
    }
    EXPECT_EQ(values["ExtraExcluded"], extra);
    EXPECT_EQ(extra, 19);

    json withoutChoice = readJson(dataPath("career40.json"));
    withoutChoice["extra_exclusions"] = false;
    const CalculatorRun run = runCalculator("-", withoutChoice.dump());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out)["result"];
    EXPECT_EQ(result["fields"]["edfFullPens"], "5173.07");
    EXPECT_EQ(result["values"]["ExtraExcluded"], 0);
    EXPECT_EQ(output["result"]["fields"]["edfFullPens"], "5217.58");
}

// A period's kind is one of the law's; another is malformed input, named in Ukrainian.
TEST(CaseJson, AnUnknownKindOfPeriodIsRefusedWithTheKindsAllowed) {
    json input = readJson(dataPath("career40.json"));
    input["periods"][1]["kind"] = "sabbatical";
    const CalculatorRun run = runCalculator("-", input.dump());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("periods[1].kind: невідомий вид періоду \"sabbatical\""),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("child_care"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());

    input["periods"][1]["kind"] = "study";
    input["extra_exclusions"] = "так";
    const CalculatorRun yesNo = runCalculator("-", input.dump());
    EXPECT_EQ(yesNo.exitCode, 1);
    EXPECT_NE(yesNo.err.find("extra_exclusions: очікується true або false"), std::string::npos);
}

TEST_F(Career40, LedgerHasOneRowPerEmployedMonthWithItsDays) {
    const json& ledger = output["ledger"];
    ASSERT_EQ(ledger.size(), 107u + 165u + 210u) << "09.1981-07.1990, 10.1991-06.2005, "
                                                    "09.2005-02.2023";
    std::map<std::pair<int, int>, int> coveredDays;
    for (const json& month : ledger)
        coveredDays[{month["year"], month["month"]}] = month["month_day"];
    EXPECT_EQ((coveredDays[{1991, 10}]), 17) << "from the 15th of a 31-day month";
    EXPECT_EQ((coveredDays[{1990, 7}]), 31);
    EXPECT_EQ((coveredDays[{2023, 2}]), 28);
    EXPECT_EQ(coveredDays.count({1991, 1}), 0u) << "the gap has no rows";
    for (const json& month : ledger) {
        if (month["year"] == 2004 && month["month"] == 7) {
            EXPECT_LT(month["day"].get<int>(), 31) << "an earning under the minimum wage";
        }
    }
}

TEST_F(Career40, ACaseFileSavedByTheCalculatorGivesTheSameResultBack) {
    const std::string caseFile =
        ::testing::TempDir() + "ravelta_career40_" + std::to_string(getpid()) + ".csf";
    const CalculatorRun saving =
        runCalculator("--save-case '" + caseFile + "' '" + dataPath("career40.json") + "'");
    ASSERT_EQ(saving.exitCode, 0);
    EXPECT_EQ(json::parse(saving.out), output);

    const CalculatorRun loading = runCalculator("'" + caseFile + "'");
    ASSERT_EQ(loading.exitCode, 0);
    EXPECT_EQ(json::parse(loading.out), output);

    // One byte changed in the middle: the file is refused with the load message.
    std::string bytes;
    {
        std::ifstream in(caseFile, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_GT(bytes.size(), 1000u);
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
    std::ofstream(caseFile, std::ios::binary | std::ios::trunc) << bytes;
    const CalculatorRun damaged = runCalculator("'" + caseFile + "'");
    EXPECT_EQ(damaged.exitCode, 2);
    EXPECT_EQ(
        json::parse(damaged.out),
        json({{"error",
               {{"stage", "load"},
                {"code", nullptr},
                {"messages", {"Помилка при завантаженні файлу, можливо файл пошкоджено"}}}}}));
    std::remove(caseFile.c_str());
}

TEST(CalculatorTest, RefusalsNameTheirStageAndTheProgramsTexts) {
    const std::string person =
        R"("person": {"name": "Іван", "birthdate": "10.05.1951", "gender": 0,
                      "application_date": "11.05.2011"})";
    struct Case {
        const char* name;
        std::string input;
        json expectedError;
    };
    const Case cases[] = {
        {"empty name",
         R"({"person": {"name": "", "birthdate": "10.05.1951", "gender": 0,
             "application_date": "11.05.2011"}, "periods": [], "earnings": []})",
         {{"stage", "person"},
          {"code", 1},
          {"messages", {"Поле \"Ім'я особи\" обов'язкове для заповнення"}}}},
        {"too early application",
         R"({"person": {"name": "Іван", "birthdate": "10.05.1951", "gender": 0,
             "application_date": "10.04.2011"}, "periods": [], "earnings": []})",
         {{"stage", "person"},
          {"code", 5},
          {"messages",
           {"Звернутися за призначенням пенсії можна не раніше ніж за місяць до досягнення "
            "пенсійного віку, тобто не раніше 11.04.2011."}}}},
        {"no periods",
         "{" + person + R"(, "periods": [], "earnings": []})",
         {{"stage", "periods"}, {"code", nullptr}, {"messages", {"Спочатку введіть стаж"}}}},
        {"period ending before it starts",
         "{" + person +
             R"(, "periods": [{"begin": "11.05.2000", "end": "10.05.2000"}], "earnings": []})",
         {{"stage", "periods"},
          {"code", nullptr},
          {"messages", {"Дата зарахування не може бути більшою за дату звільнення"}}}},
        {"too young and overlapping, both warnings in order",
         "{" + person + R"(, "periods": [{"begin": "01.01.1960", "end": "31.12.1960"},
             {"begin": "01.01.2000", "end": "31.12.2000"},
             {"begin": "31.12.2000", "end": "31.03.2001"}], "earnings": []})",
         {{"stage", "periods"},
          {"code", nullptr},
          {"messages",
           {"Трудова діяльність не може починатися до виповнення особою 14 років",
            "Вказані діапазони трудової діяльності не повинні перетинатися"}}}},
        {"earning of an uncovered month",
         "{" + person + R"(, "periods": [{"begin": "01.01.2005", "end": "31.12.2005"}],
             "earnings": [{"year": 2006, "month": 3, "amount": 100}]})",
         {{"stage", "earnings"},
          {"code", nullptr},
          {"messages",
           {"Заробіток за березень 2006 р. не можна ввести: цей місяць не входить до жодного "
            "періоду трудової діяльності"}}}},
        {"negative earning",
         "{" + person + R"(, "periods": [{"begin": "01.01.2005", "end": "31.12.2005"}],
             "earnings": [{"year": 2005, "month": 3, "amount": -1}]})",
         {{"stage", "earnings"},
          {"code", nullptr},
          {"messages", {"Заробіток не може бути від'ємним"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalculatorRun run = runCalculator("-", c.input);
        EXPECT_EQ(run.exitCode, 2);
        const json printed = json::parse(run.out, nullptr, false);
        ASSERT_FALSE(printed.is_discarded()) << run.out;
        EXPECT_EQ(printed, json({{"error", c.expectedError}}));
    }
}

TEST(CalculatorTest, NoRightShowsTheInsuranceTextAndZeros) {
    const std::string input = R"({"person": {"name": "Іван", "birthdate": "10.05.1951",
        "gender": 0, "application_date": "11.05.2011"},
        "periods": [{"begin": "01.01.2005", "end": "31.12.2006"}],
        "earnings": [{"year": 2005, "month": 1, "amount": 5000}]})";
    const CalculatorRun run = runCalculator("-", input);
    ASSERT_EQ(run.exitCode, 0);
    const json result = json::parse(run.out)["result"];
    EXPECT_EQ(result["right"], false);
    EXPECT_EQ(result["fields"]["edtPensAge"], "Право відсутнє");
    // Two years of 30-day months less the 699 days of the 23 months without an earning.
    EXPECT_EQ(result["fields"]["edtFullSS"], "0 р. 0 міс. 21 дн.");
    EXPECT_EQ(result["fields"]["edfFullPens"], "0");
    EXPECT_EQ(result["hints"]["edtPens"], "");
}

// ст. 26: a woman of 60 with 20 years of experience in 2023 (born 10.05.1963) has no right at
// 60 (30 years needed) nor at 63 (23 in 2026), and has it at 65 (15 years in 2028).
TEST(CalculatorTest, NoRightYetSaysWhyAndFromWhen) {
    const std::string input = R"({"person": {"name": "Олена", "birthdate": "10.05.1963",
        "gender": 1, "application_date": "11.05.2023"},
        "periods": [{"begin": "01.01.1983", "end": "31.12.2002"}], "earnings": []})";
    const CalculatorRun run = runCalculator("-", input);
    ASSERT_EQ(run.exitCode, 0);
    const json result = json::parse(run.out)["result"];
    EXPECT_EQ(result["right"], false);
    EXPECT_EQ(result["law"], json({{"age_rule", 65},
                                   {"required_months", 180},
                                   {"right_date", "11.05.2028"},
                                   {"shortfall_months", 0}}));
    EXPECT_EQ(result["fields"]["edtPensAge"], "Право відсутнє");
    EXPECT_EQ(result["fields"]["lRight"],
              "Право виникне з 11.05.2028 (з 65 років: потрібно 15 р. стажу, є 20 р.)");
    EXPECT_EQ(result["values"]["Total"], 0);

    // Ten years: no way is met; working on from the application, 60 months more give the
    // right at 65.
    const std::string shortInput = R"({"person": {"name": "Олена", "birthdate": "10.05.1963",
        "gender": 1, "application_date": "11.05.2023"},
        "periods": [{"begin": "01.01.1993", "end": "31.12.2002"}], "earnings": []})";
    const json shortResult = json::parse(runCalculator("-", shortInput).out)["result"];
    EXPECT_EQ(shortResult["law"], json({{"age_rule", 65},
                                        {"required_months", 180},
                                        {"right_date", "11.05.2028"},
                                        {"shortfall_months", 60}}));
}

TEST(CalculatorTest, MalformedInputAndUsage) {
    struct Case {
        const char* name;
        std::string argument;
        std::string input;
        int exitCode;
        std::string message = {}; // a part of what the calculator tells on its error output
    };
    const Case cases[] = {
        {"not JSON", "-", "{person", 1, "це не правильний JSON"},
        {"missing person", "-", R"({"periods": [], "earnings": []})", 1,
         "case.person: поле відсутнє"},
        {"bad date", "-",
         R"({"person": {"name": "a", "birthdate": "1951-05-10", "gender": 0,
             "application_date": "11.05.2011"}, "periods": [], "earnings": []})",
         1, "person.birthdate: очікується дата у формі дд.мм.рррр, а не \"1951-05-10\""},
        {"month 13", "-",
         R"({"person": {"name": "a", "birthdate": "10.05.1951", "gender": 0,
             "application_date": "11.05.2011"}, "periods": [],
             "earnings": [{"year": 2005, "month": 13, "amount": 1}]})",
         1, "earnings[0].month: має бути від 1 до 12"},
        {"periods not a list", "-",
         R"({"person": {"name": "a", "birthdate": "10.05.1951", "gender": 0,
             "application_date": "11.05.2011"}, "periods": {}, "earnings": []})",
         1, "case.periods: очікується список"},
        {"no such file", "/nonexistent/case.json", "", 1},
        {"unknown option", "--frobnicate", "", 1},
        {"unknown option after the file", "- --frobnicate", "", 1},
        {"two files", "- -", "", 1},
        {"--save-case without its file", "- --save-case", "", 1},
        {"--reference with a file", "--reference -", "", 1},
        {"--help with a value", "--help=yes", "", 1},
        {"help", "--help", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalculatorRun run = runCalculator(c.argument, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_NE(runCalculator("--help").out.find("\"application_date\""), std::string::npos);
}

const std::string kSmallCase = R"({"person": {"name": "Іван", "birthdate": "10.05.1951",
    "gender": 0, "application_date": "11.05.2011"},
    "periods": [{"begin": "01.01.2005", "end": "31.12.2006"}],
    "earnings": [{"year": 2005, "month": 1, "amount": 5000}]})";

// Hostile input ends with a message and exit code 1: never an abort, never an endless read.
TEST(CalculatorTest, HostileInputEndsWithAMessage) {
    const std::string scratch = ::testing::TempDir() + "ravelta_cli_" + std::to_string(getpid());
    std::filesystem::create_directories(scratch);
    std::ofstream(scratch + "/big.json") << std::string(5 * 1024 * 1024, ' ') << kSmallCase;
    struct Case {
        const char* name;
        std::string argument;
        std::string input;
    };
    const Case cases[] = {
        {"number 1e400", "-", R"({"x": 1e400})"},
        {"amount -1e400", "-",
         R"({"person": {"name": "a", "birthdate": "10.05.1951", "gender": 0,
             "application_date": "11.05.2011"}, "periods": [],
             "earnings": [{"year": 2005, "month": 1, "amount": -1e400}]})"},
        {"integer of 400 digits", "-", "{\"x\": " + std::string(400, '7') + "}"},
        {"bytes after a NUL", "-", kSmallCase + std::string(1, '\0') + "garbage"},
        {"lists nested a million deep", "-", std::string(1000000, '[') + std::string(1000000, ']')},
        {"name of 5000 characters", "'" + scratch + "/" + std::string(5000, 'a') + ".json'", ""},
        {"case file name of 5000 characters",
         "'" + scratch + "/" + std::string(5000, 'a') + ".csf'", ""},
        {"endless input", "/dev/zero", ""},
        {"input larger than the cap", "'" + scratch + "/big.json'", ""},
        {"a folder", "'" + scratch + "'", ""},
        {"a folder named as a case file", "'" + scratch + "/folder.csf'", ""},
    };
    std::filesystem::create_directories(scratch + "/folder.csf");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalculatorRun run = runCalculator(c.argument, c.input);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
    }
    std::filesystem::remove_all(scratch);
}

TEST(CalculatorTest, OutputThatCannotBeWrittenFails) {
    EXPECT_EQ(runCalculator("- >/dev/full", kSmallCase).exitCode, 1);
    EXPECT_EQ(runCalculator("--help >/dev/full").exitCode, 1);
    EXPECT_EQ(runCalculator("--reference >/dev/full").exitCode, 1);
}

// A folder the user may not enter. Root enters every folder, so there the calculator runs as
// the user "nobody".
TEST(CalculatorTest, AFileInAFolderTheUserCannotEnterIsRefused) {
    const std::string folder =
        ::testing::TempDir() + "ravelta_cli_closed_" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/case.json") << kSmallCase;
    std::ofstream(folder + "/case.csf") << "not a case";
    std::string prefix;
    if (geteuid() == 0) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups";
        if (std::system((prefix + " true").c_str()) != 0)
            GTEST_SKIP() << "setpriv cannot change the user here";
        if (runCalculator("--help", {}, prefix).exitCode != 0)
            GTEST_SKIP() << "the user nobody cannot run the calculator from its build folder";
    } else {
        std::filesystem::permissions(folder, std::filesystem::perms::none);
    }
    for (const char* name : {"/case.json", "/case.csf"}) {
        SCOPED_TRACE(name);
        const CalculatorRun run = runCalculator("'" + folder + name + "'", {}, prefix);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(folder);
}

// Options before or after the file, as GNU tools take them; a case file in capitals too.
TEST_F(Career40, OptionsMayFollowTheFileAndCaseFilesMayBeNamedInCapitals) {
    const std::string stem = ::testing::TempDir() + "ravelta_options_" + std::to_string(getpid());
    const std::string input = "'" + dataPath("career40.json") + "'";
    struct Case {
        const char* name;
        std::string arguments;
        std::string saved;
    };
    const Case cases[] = {
        {"option after the file", input + " --save-case '" + stem + "_a.csf'", stem + "_a.csf"},
        {"option with =", "--save-case='" + stem + "_b.CSF' " + input, stem + "_b.CSF"},
        {"file after --", "--save-case '" + stem + "_c.csf' -- " + input, stem + "_c.csf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CalculatorRun saving = runCalculator(c.arguments);
        ASSERT_EQ(saving.exitCode, 0);
        EXPECT_EQ(json::parse(saving.out), output);
        const CalculatorRun loading = runCalculator("'" + c.saved + "'");
        EXPECT_EQ(loading.exitCode, 0) << "not read as a case file";
        EXPECT_EQ(json::parse(loading.out, nullptr, false), output);
        std::remove(c.saved.c_str());
    }
}

TEST(CalculatorTest, ReferencePrintsParametersAndEveryTable) {
    const CalculatorRun run = runCalculator("--reference");
    ASSERT_EQ(run.exitCode, 0);
    const json reference = json::parse(run.out);
    EXPECT_EQ(reference["parameters"]["MinInsuranceYears"], 15);
    EXPECT_EQ(reference["parameters"]["Opt2MinKeptMonths"],
              reference["parameters"]["PensionAgeMale"]);
    for (const char* table : {"cdsAvgZpMonth", "cdsAvgZpYear", "cdsMinZP", "cdsKoeff", "cdsMinPens",
                              "cdsParam", "cdsMaxIncome", "cdsLawRules", "cdsWomenAge"})
        EXPECT_FALSE(reference["tables"][table].empty()) << table;
    // Every rule of the law keeps its source and how sure it is.
    for (const json& rule : reference["tables"]["cdsLawRules"]) {
        EXPECT_FALSE(rule["lr_source"].is_null()) << rule["lr_rule_id"];
        EXPECT_TRUE(rule["lr_confidence"] == "EXACT" || rule["lr_confidence"] == "PRESS" ||
                    rule["lr_confidence"] == "INFERRED")
            << rule["lr_rule_id"];
    }
    const json& lastMinimumWage = reference["tables"]["cdsMinZP"].back();
    EXPECT_TRUE(lastMinimumWage["mz_date_end"].is_null()) << "the open end is null";
    EXPECT_EQ(reference["tables"]["cdsAvgZpMonth"][0]["azm_date_begin"], "01.01.1950");
}

} // namespace
