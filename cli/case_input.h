#pragma once

#include "calc/period_kind.h"
#include "calc/scenarios.h"
#include "engine/date.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rv::cli {

// A case as a person writes it: dates "dd.mm.yyyy", months 1..12.
struct CaseInput {
    struct Person {
        std::string name;
        Date birthDate;
        int gender = 0;
        Date applicationDate;
    } person;
    struct Period {
        Date begin;
        Date end;
        PeriodKind kind = PeriodKind::Work;
    };
    std::vector<Period> periods;
    struct Earning {
        int year = 0;
        int month = 1; // 1..12
        double amount = 0;
    };
    std::vector<Earning> earnings;
    bool extraExclusions = true; // ст. 40 ч. 1 абз. 3: leave out the months the law lets
    // The what-if variants to calculate after the case; none: the output has no "scenarios".
    std::optional<std::vector<Scenario>> scenarios;
};

// A case that is not well formed; the text says where.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

CaseInput parseCaseInput(const nlohmann::json& document);

// The JSON text of a case, parsed with its nesting capped and NUL bytes refused (the parser
// would end the text at one). Throws InputError, or nlohmann::json::exception for bad JSON.
nlohmann::json parseCaseJson(std::string_view text);

} // namespace rv::cli
