#include "batch.h"

#include "case_input.h"
#include "pipeline.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
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
          {"messages", {"line " + std::to_string(lineNumber) + ": " + text}}}}};
    return error.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string calculateLine(const std::string& line, std::size_t lineNumber) {
    CaseInput input;
    try {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            return inputError(lineNumber, "empty line");
        input = parseCaseInput(nlohmann::json::parse(line));
    } catch (const nlohmann::json::exception& error) {
        return inputError(lineNumber, std::string("not valid JSON: ") + error.what());
    } catch (const InputError& error) {
        return inputError(lineNumber, error.what());
    }
    return runCase(input, std::nullopt)
        .document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

void runBatch(std::istream& in, std::ostream& out, unsigned workers) {
    workers = std::max(1u, workers);
    std::vector<std::string> lines;
    std::vector<std::string> results;
    std::size_t firstLineNumber = 1;
    std::string line;
    bool more = true;
    while (more) {
        lines.clear();
        while (lines.size() < workers * kLinesPerWorker && (more = !!std::getline(in, line)))
            lines.push_back(std::move(line));
        if (lines.empty())
            break;
        results.assign(lines.size(), std::string());
        std::atomic<std::size_t> next = 0;
        const auto work = [&] {
            for (std::size_t i; (i = next++) < lines.size();)
                results[i] = calculateLine(lines[i], firstLineNumber + i);
        };
        std::vector<std::thread> threads;
        for (unsigned k = 1; k < std::min<std::size_t>(workers, lines.size()); ++k)
            threads.emplace_back(work);
        work();
        for (std::thread& thread : threads)
            thread.join();
        for (const std::string& result : results)
            out << result << '\n';
        out.flush();
        firstLineNumber += lines.size();
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
        std::cerr << "ravelta-calc: cannot read " << path << '\n';
        return 1;
    }
    runBatch(file, std::cout, workers);
    return 0;
}

} // namespace rv::cli
