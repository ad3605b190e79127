#include "import_json.h"

#include "calc/messages.h"
#include "import/import_messages.h"
#include "import/import_preview.h"
#include "import/pdf_text.h"

namespace rv::cli {

using nlohmann::ordered_json;

ImportOutcome readImportSource(const Reference& reference, const std::string& bytes) {
    ImportOutcome outcome;
    std::string pdfFailure;
    const std::string text = import::sourceText(bytes, pdfFailure);
    if (!pdfFailure.empty()) {
        outcome.failure = messages::kImportNothingFound + pdfFailure;
        return outcome;
    }
    outcome.reading = import::readStatement(text, &reference);
    if (outcome.reading.months.empty()) {
        outcome.failure = outcome.reading.nothingFound;
        return outcome;
    }
    outcome.flags = import::previewFlags(reference, outcome.reading, nullptr);
    return outcome;
}

ordered_json importJson(const ImportOutcome& outcome) {
    const import::StatementReading& reading = outcome.reading;
    ordered_json person = nullptr;
    if (reading.person) {
        const import::StatementPerson& found = *reading.person;
        person = {
            {"name", found.name.empty() ? ordered_json(nullptr) : ordered_json(found.name)},
            {"rnokpp", found.rnokpp.empty() ? ordered_json(nullptr) : ordered_json(found.rnokpp)},
            {"rnokpp_valid", found.rnokppValid},
            {"birthdate",
             found.birthDate ? ordered_json(formatDate(*found.birthDate)) : ordered_json(nullptr)}};
    }
    ordered_json earnings = ordered_json::array();
    for (const import::ImportedMonth& month : reading.months) {
        ordered_json entry = {{"year", month.month.year},
                              {"month", calendarMonth(month.month)},
                              {"amount", month.amount},
                              {"experience_months", month.experienceMonths
                                                        ? ordered_json(*month.experienceMonths)
                                                        : ordered_json(nullptr)}};
        if (month.parts.size() > 1) {
            ordered_json parts = ordered_json::array();
            for (const import::MonthPart& part : month.parts)
                parts.push_back({{"employer", part.employer}, {"amount", part.amount}});
            entry["parts"] = std::move(parts);
        }
        earnings.push_back(std::move(entry));
    }
    ordered_json flags = ordered_json::array();
    for (const import::ImportFlag& flag : outcome.flags)
        flags.push_back(
            {{"year", flag.year},
             {"month", flag.month == 0 ? ordered_json(nullptr) : ordered_json(flag.month)},
             {"code", import::flagCodeName(flag.code)},
             {"text", flag.text}});
    return {{"person", std::move(person)},
            {"years", {{"from", reading.firstYear}, {"to", reading.lastYear}}},
            {"earnings", std::move(earnings)},
            {"flags", std::move(flags)},
            {"unread", reading.unread}};
}

} // namespace rv::cli
