#pragma once

// The person panel's forms and what "Підтвердити" answers for each: one table for the rule
// (tests/calc) and for the data module that stores the person (tests/store).

#include "calc/case.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv::testing_support {

// What the person panel holds when "Підтвердити" is pressed.
struct PersonForm {
    std::optional<std::string> name;
    const char* birthDate = nullptr;
    std::optional<std::int32_t> gender;
    const char* applicationDate = nullptr;
};

struct ConfirmationCase {
    const char* name;
    PersonForm form;
    ConfirmCode expected;
    const char* applicationDateAfter; // nullptr: no application date
};

// The checks in their order, the first failing one answering (ст. 45 for the application date).
inline std::vector<ConfirmationCase> confirmationCases() {
    const std::string name = "Петренко";
    return {
        {"empty form: the name comes first", {}, ConfirmCode::NameMissing, nullptr},
        {"emptied name",
         {"", "15.03.1945", 0, "16.03.2005"},
         ConfirmCode::NameMissing,
         "16.03.2005"},
        {"name only: the birth date before the gender",
         {name, nullptr, std::nullopt, nullptr},
         ConfirmCode::BadBirthDate,
         nullptr},
        {"no gender",
         {name, "15.03.1945", std::nullopt, "16.03.2005"},
         ConfirmCode::GenderMissing,
         "16.03.2005"},
        {"gender 2",
         {name, "15.03.1945", 2, "16.03.2005"},
         ConfirmCode::GenderMissing,
         "16.03.2005"},
        {"no application date",
         {name, "15.03.1945", 1, nullptr},
         ConfirmCode::BadApplicationDate,
         nullptr},
        {"pension age beyond the calendar",
         {name, "01.01.9950", 0, "01.01.9999"},
         ConfirmCode::BadApplicationDate,
         "01.01.9999"},
        // Born 15.03.1945: the pension age date G is 16.03.2005.
        {"G 16.03.2005, applied one month before",
         {name, "15.03.1945", 0, "16.02.2005"},
         ConfirmCode::Confirmed,
         "16.02.2005"},
        {"G 16.03.2005, applied a day earlier",
         {name, "15.03.1945", 0, "15.02.2005"},
         ConfirmCode::TooEarlyApplication,
         "15.02.2005"},
        {"G 16.03.2005, applied years later",
         {name, "15.03.1945", 1, "01.09.2011"},
         ConfirmCode::Confirmed,
         "01.09.2011"},
        // Born 30.03.1945: G is 31.03.2005 and a month before it is clamped to 28.02.2005.
        {"G 31.03.2005, applied 28.02.2005",
         {name, "30.03.1945", 0, "28.02.2005"},
         ConfirmCode::Confirmed,
         "28.02.2005"},
        {"G 31.03.2005, applied 27.02.2005",
         {name, "30.03.1945", 0, "27.02.2005"},
         ConfirmCode::TooEarlyApplication,
         "27.02.2005"},
    };
}

} // namespace rv::testing_support
