#include "reference_loading.h"

#include "store/fixed_lists.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <unordered_map>
#include <vector>

namespace rv {

namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Lines end at CR LF, CR or LF; a break at the very end does not start another line.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    while (start < text.size()) {
        // find_if, not find_first_of: the latter searches the set once for every character.
        const auto found =
            std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), isBreak);
        if (found == text.end()) {
            lines.push_back(text.substr(start));
            break;
        }
        const auto end = static_cast<std::size_t>(found - text.begin());
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

} // namespace

bool FillParamTable(Table& cdsParam, const ReferenceData& reference) {
    const std::int32_t values[] = {reference.MinInsuranceYears, reference.FullInsuranceYearsFemale,
                                   reference.FullInsuranceYearsMale, reference.PensionAgeFemale,
                                   reference.PensionAgeMale};
    for (std::size_t row = 0; row < kParameterNames.size(); ++row) {
        cdsParam.append();
        cdsParam.setValue("p_name", std::string(kParameterNames[row]));
        cdsParam.setValue("p_val", std::to_string(values[row]));
        cdsParam.post();
    }
    return true;
}

bool LoadReferenceText(Table& table, std::string_view text) {
    table.empty();
    const int fieldCount = table.fieldCount();
    if (fieldCount < 1)
        return false;
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() % static_cast<std::size_t>(fieldCount) != 0)
        return false;

    std::unordered_map<std::string, std::string_view> valueByName;
    valueByName.reserve(lines.size());
    for (std::string_view line : lines) {
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            valueByName.try_emplace(lowerAscii(line.substr(0, equals)), line.substr(equals + 1));
    }

    std::vector<std::string> lowerFieldNames;
    for (int i = 0; i < fieldCount; ++i)
        lowerFieldNames.push_back(lowerAscii(table.field(i).name));

    const std::size_t rowCount = lines.size() / static_cast<std::size_t>(fieldCount);
    for (std::size_t row = 1; row <= rowCount; ++row) {
        table.append();
        const std::string suffix = std::to_string(row);
        for (int i = 0; i < fieldCount; ++i) {
            const auto found =
                valueByName.find(lowerFieldNames[static_cast<std::size_t>(i)] + suffix);
            if (found == valueByName.end() || found->second.empty())
                continue;
            try {
                table.setText(table.field(i).name, found->second);
            } catch (const ConversionError&) {
                table.cancel();
                return false;
            }
        }
        table.post();
    }
    return true;
}

} // namespace rv
