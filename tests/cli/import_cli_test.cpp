// Runs ravelta-import, and ravelta-calc with --earnings and --batch, as a user does.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using nlohmann::json;

struct ProgramRun {
    int exitCode = -1;
    std::string out;
};

// Runs `program` with `arguments`, feeding `input` to its standard input when given.
ProgramRun run(const char* program, const std::string& arguments, const std::string& input = {}) {
    std::string command = std::string("'") + program + "' " + arguments + " 2>/dev/null";
    std::string inputPath;
    if (!input.empty()) {
        inputPath = ::testing::TempDir() + "ravelta_import_cli_" + std::to_string(getpid());
        std::ofstream(inputPath, std::ios::binary) << input;
        command += " < '" + inputPath + "'";
    }
    ProgramRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, n);
    const int status = pclose(pipe);
    if (!inputPath.empty())
        std::remove(inputPath.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

std::string importData(const char* name) {
    return std::string(RV_TEST_DATA_DIR) + "/import/" + name;
}

json career40() {
    std::ifstream file(std::string(RV_TEST_DATA_DIR) + "/career40.json");
    return json::parse(file);
}

TEST(ImportCliTest, PrintsPersonEarningsFlagsAndUnreadLines) {
    const ProgramRun result = run(RV_IMPORT_PATH, quoted(importData("monthly_lines.txt")));
    ASSERT_EQ(result.exitCode, 0);
    const json output = json::parse(result.out);
    EXPECT_EQ(output["person"],
              json::parse(R"({"name": "Гнатюк Мар'яна Ігорівна", "rnokpp": "2623807368",
                              "rnokpp_valid": true, "birthdate": "02.11.1971"})"));
    ASSERT_EQ(output["earnings"].size(), 5u);
    EXPECT_EQ(output["earnings"][2], json::parse(R"({"year": 2011, "month": 3, "amount": 3500.5,
                              "experience_months": 1.0, "parts": [
                              {"employer": "11223344", "amount": 2000.0},
                              {"employer": "55667788", "amount": 1500.5}]})"));
    EXPECT_EQ(output["years"], json::parse(R"({"from": 2011, "to": 2011})"));
    bool severalEmployers = false;
    for (const json& flag : output["flags"])
        severalEmployers = severalEmployers || (flag["code"] == "several_employers" &&
                                                flag["year"] == 2011 && flag["month"] == 3);
    EXPECT_TRUE(severalEmployers) << output["flags"].dump();
    EXPECT_EQ(output["unread"], json::array());
}

TEST(ImportCliTest, ReadsStandardInputAndNamesYearFlagsWithoutAMonth) {
    const ProgramRun result = run(
        RV_IMPORT_PATH, "-",
        "2007 рік\n" +
            std::string(
                "11111111 1  100,00 100,00 100,00 100,00 100,00 100,00 100,00 100,00 100,00 100,00 "
                "100,00 100,00 1300,00\n"));
    ASSERT_EQ(result.exitCode, 0);
    const json output = json::parse(result.out);
    EXPECT_EQ(output["person"], nullptr);
    EXPECT_EQ(output["earnings"].size(), 12u);
    EXPECT_EQ(output["earnings"][0]["experience_months"], nullptr);
    ASSERT_FALSE(output["flags"].empty());
    EXPECT_EQ(output["flags"][0]["code"], "total_mismatch");
    EXPECT_EQ(output["flags"][0]["month"], nullptr);
}

TEST(ImportCliTest, ASourceWithNothingReadableExitsTwoWithItsReason) {
    const ProgramRun text = run(RV_IMPORT_PATH, "-", "Довідка без жодної суми\n");
    EXPECT_EQ(text.exitCode, 2);
    EXPECT_EQ(json::parse(text.out),
              json::parse(R"({"error": "У тексті не знайдено жодного місяця з заробітком: у )"
                          R"(тексті немає жодного числа"})"));
    const ProgramRun pdf = run(RV_IMPORT_PATH, "-", "%PDF-1.4 broken");
    EXPECT_EQ(pdf.exitCode, 2);
    EXPECT_NE(json::parse(pdf.out)["error"].get<std::string>().find("PDF"), std::string::npos);
    EXPECT_EQ(run(RV_IMPORT_PATH, quoted(importData("no-such-file.txt"))).exitCode, 1);
}

TEST(EarningsOptionTest, TakesTheCaseEarningsFromASource) {
    json input = career40();
    const std::string casePath = ::testing::TempDir() + "ravelta_earnings_case.json";
    std::ofstream(casePath) << input.dump();
    // March 2011 is inside the career's last period; 2011 in the case holds other amounts.
    const ProgramRun result =
        run(RV_CALC_PATH, "--earnings - " + quoted(casePath), "year;month;amount\n2011;3;7777,5\n");
    const ProgramRun nothing = run(RV_CALC_PATH, "--earnings - " + quoted(casePath), "нічого\n");
    std::remove(casePath.c_str());
    EXPECT_EQ(nothing.exitCode, 2);
    EXPECT_EQ(json::parse(nothing.out)["error"]["stage"], "earnings");
    ASSERT_EQ(result.exitCode, 0) << result.out;
    const json output = json::parse(result.out);
    bool found = false;
    for (const json& month : output["ledger"])
        if (month["year"] == 2011 && month["month"] == 3) {
            EXPECT_EQ(month["payment"], 7777.5);
            found = true;
        }
    EXPECT_TRUE(found);
}

TEST(EarningsOptionTest, TakesTheSameMonthsAsTheImportFromAStatementsPdf) {
    json input = career40();
    input["periods"] = json::parse(R"([{"begin": "01.09.1981", "end": "28.02.2023"}])");
    const std::string casePath = ::testing::TempDir() + "ravelta_earnings_pdf_case.json";
    std::ofstream(casePath) << input.dump();
    const std::string statement = importData("forms/ok5_year_rows.pdf");
    const ProgramRun calculated =
        run(RV_CALC_PATH, "--earnings " + quoted(statement) + " " + quoted(casePath));
    const ProgramRun imported = run(RV_IMPORT_PATH, quoted(statement));
    std::remove(casePath.c_str());
    ASSERT_EQ(calculated.exitCode, 0) << calculated.out;
    ASSERT_EQ(imported.exitCode, 0);
    const json document = json::parse(calculated.out);
    std::map<std::pair<int, int>, double> ledger;
    for (const json& month : document["ledger"])
        ledger[{month["year"].get<int>(), month["month"].get<int>()}] =
            month["payment"].get<double>();
    const json earnings = json::parse(imported.out)["earnings"];
    ASSERT_GT(earnings.size(), 200u);
    for (const json& month : earnings) {
        const std::pair<int, int> key{month["year"].get<int>(), month["month"].get<int>()};
        ASSERT_TRUE(ledger.contains(key)) << key.first << "/" << key.second;
        EXPECT_EQ(ledger.at(key), month["amount"].get<double>()) << key.first << "/" << key.second;
    }
}

TEST(BatchTest, ABadLineInTheMiddleGivesItsErrorAndTheBatchGoesOn) {
    const json good = career40();
    json refused = good;
    refused["person"]["name"] = "";
    const std::string deep = std::string(100, '[') + std::string(100, ']');
    const std::string longerThanACase(5 * 1024 * 1024, ' ');
    const std::string input = good.dump() + "\n{not json\n" + refused.dump() + "\n\n" + deep +
                              "\n" + longerThanACase + "\n" + good.dump() + "\n";
    const ProgramRun result = run(RV_CALC_PATH, "--batch -", input);
    ASSERT_EQ(result.exitCode, 0);
    std::vector<json> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = result.out.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(json::parse(result.out.substr(start, end - start)));
    ASSERT_EQ(lines.size(), 7u);
    const auto message = [&](std::size_t line) {
        return lines[line]["error"]["messages"][0].get<std::string>();
    };
    EXPECT_TRUE(lines[0]["result"].is_object());
    EXPECT_EQ(lines[1]["error"]["stage"], "input");
    EXPECT_EQ(message(1).rfind("рядок 2: це не правильний JSON", 0), 0u) << message(1);
    EXPECT_EQ(lines[2]["error"]["stage"], "person");
    EXPECT_EQ(message(3), "рядок 4: порожній рядок");
    EXPECT_EQ(message(4), "рядок 5: JSON вкладено глибше, ніж на 16 рівнів");
    EXPECT_EQ(message(5).rfind("рядок 6: рядок довший за 4 МіБ", 0), 0u) << message(5);
    EXPECT_EQ(lines[6], lines[0]) << "the same case gives the same line";

    // Each result line equals the single calculation of its case.
    const ProgramRun single = run(RV_CALC_PATH, "-", good.dump());
    EXPECT_EQ(lines[0], json::parse(single.out));
}

} // namespace
