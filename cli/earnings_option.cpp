#include "earnings_option.h"

#include "input_reading.h"

#include "calc/messages.h"
#include "import/import_messages.h"
#include "import/pdf_text.h"
#include "import/statement_reading.h"
#include "pipeline.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>

namespace rv::cli {

namespace {

constexpr int kExitBadInput = 1;
constexpr int kExitRefused = 2;

// A statement's PDF of a whole working life is a few hundred kilobytes; far more is no statement.
constexpr std::size_t kLargestStatement = 64 * 1024 * 1024;

bool readAll(const std::string& path, std::size_t cap, std::string& bytes) {
    try {
        bytes = readInput(path, cap);
        return true;
    } catch (const ReadError& error) {
        std::cerr << "ravelta-calc: " << path << ": " << error.what() << '\n';
        return false;
    }
}

void print(const nlohmann::ordered_json& document) {
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

} // namespace

std::optional<std::string> takeEarningsFrom(const std::string& sourceBytes, CaseInput& input) {
    std::string pdfFailure;
    const std::string text = import::sourceText(sourceBytes, pdfFailure);
    if (!pdfFailure.empty())
        return messages::kImportNothingFound + pdfFailure;
    const import::StatementReading reading = import::readStatement(text, processReference().get());
    if (reading.months.empty())
        return reading.nothingFound;
    for (const import::ImportedMonth& month : reading.months) {
        const int calendar = calendarMonth(month.month);
        std::erase_if(input.earnings, [&](const CaseInput::Earning& earning) {
            return earning.year == month.month.year && earning.month == calendar;
        });
        input.earnings.push_back({month.month.year, calendar, month.amount});
    }
    return std::nullopt;
}

std::optional<int> runEarningsCommand(int argc, char** argv) {
    if (argc != 4 || std::string_view(argv[1]) != "--earnings")
        return std::nullopt;
    const std::string sourcePath = argv[2];
    const std::string casePath = argv[3];
    std::string source;
    std::string caseText;
    if (!readAll(sourcePath, kLargestStatement, source) ||
        !readAll(casePath, kLargestJsonInput, caseText))
        return kExitBadInput;
    CaseInput input;
    try {
        input = parseCaseInput(nlohmann::json::parse(caseText));
    } catch (const nlohmann::json::exception& error) {
        std::cerr << "ravelta-calc: " << casePath << " is not valid JSON: " << error.what() << '\n';
        return kExitBadInput;
    } catch (const InputError& error) {
        std::cerr << "ravelta-calc: " << casePath << ": " << error.what() << '\n';
        return kExitBadInput;
    }
    if (const std::optional<std::string> failure = takeEarningsFrom(source, input)) {
        print({{"error", {{"stage", "earnings"}, {"code", nullptr}, {"messages", {*failure}}}}});
        return kExitRefused;
    }
    const PipelineOutput output = runCase(input, std::nullopt);
    print(output.document);
    return output.refused ? kExitRefused : 0;
}

} // namespace rv::cli
