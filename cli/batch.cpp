#include "batch.h"

#include "case_input.h"
#include "input_reading.h"
#include "pipeline.h"
#include "calc/messages.h"
#include "cli/cli_messages.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace rv::cli {

namespace {

// Lines per worker in one chunk: enough to keep the workers busy between two writes.
constexpr std::size_t kLinesPerWorker = 64;

std::string inputError(std::size_t lineNumber, const std::string& text) {
    const nlohmann::ordered_json error = {
        {"error",
         {{"stage", "input"},
          {"code", nullptr},
          {"messages", {messages::kBatchLinePrefix + std::to_string(lineNumber) + ": " + text}}}}};
    return error.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// One line of the input; a line longer than a case can be is kept only as the fact.
struct BatchLine {
    std::string text;
    bool tooLong = false;
};

// Reads the next line ("\n" ends it) into `line`, keeping at most kLargestJsonInput bytes, so an
// endless line costs no more memory than the largest case. False at the end of the input.
bool readBatchLine(std::istream& in, BatchLine& line) {
    line.text.clear();
    line.tooLong = false;
    std::streambuf& buffer = *in.rdbuf();
    bool any = false;
    for (auto c = buffer.sbumpc(); c != std::char_traits<char>::eof(); c = buffer.sbumpc()) {
        any = true;
        if (c == '\n')
            return true;
        if (line.text.size() < kLargestJsonInput)
            line.text.push_back(static_cast<char>(c));
        else
            line.tooLong = true;
    }
    return any;
}

std::string calculateLine(const BatchLine& line, std::size_t lineNumber) {
    CaseInput input;
    try {
        if (line.tooLong)
            return inputError(lineNumber, messages::kBatchLineTooLongPrefix +
                                              std::to_string(kLargestJsonInput / (1024 * 1024)) +
                                              messages::kInputTooLargeSuffix);
        if (line.text.find_first_not_of(" \t\r") == std::string::npos)
            return inputError(lineNumber, messages::kBatchEmptyLine);
        input = parseCaseInput(parseCaseJson(line.text));
    } catch (const nlohmann::json::exception& error) {
        return inputError(lineNumber, messages::kInputNotJson + std::string(error.what()));
    } catch (const InputError& error) {
        return inputError(lineNumber, error.what());
    }
    return runCase(input, std::nullopt)
        .document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

void runBatch(std::istream& in, std::ostream& out, unsigned workers) {
    workers = std::max(1u, workers);
    std::vector<BatchLine> lines(workers * kLinesPerWorker);
    std::vector<std::string> results;
    std::size_t firstLineNumber = 1;
    bool more = true;
    while (more) {
        std::size_t count = 0;
        while (count < lines.size() && (more = readBatchLine(in, lines[count])))
            ++count;
        if (count == 0)
            break;
        results.assign(count, std::string());
        std::atomic<std::size_t> next = 0;
        const auto work = [&] {
            for (std::size_t i; (i = next++) < count;)
                results[i] = calculateLine(lines[i], firstLineNumber + i);
        };
        std::vector<std::thread> threads;
        for (unsigned k = 1; k < std::min<std::size_t>(workers, count); ++k)
            threads.emplace_back(work);
        work();
        for (std::thread& thread : threads)
            thread.join();
        for (const std::string& result : results)
            out << result << '\n';
        out.flush();
        firstLineNumber += count;
    }
}

std::optional<int> runBatchCommand(int argc, char** argv) {
    if (argc != 3 || std::string_view(argv[1]) != "--batch")
        return std::nullopt;
    const std::string path = argv[2];
    const unsigned workers = std::thread::hardware_concurrency();
    std::ios::sync_with_stdio(false);
    if (path == "-") {
        runBatch(std::cin, std::cout, workers);
        return 0;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "ravelta-calc: " << path << ": " << messages::kInputUnreadable
                  << readFailureText(std::error_code(errno, std::generic_category())) << '\n';
        return 1;
    }
    runBatch(file, std::cout, workers);
    return 0;
}

} // namespace rv::cli
