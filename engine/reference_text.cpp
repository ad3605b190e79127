#include "engine/reference_text.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

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

bool readReferenceRows(std::string_view text, const std::vector<std::string>& names,
                       const std::function<bool(const ReferenceRowValues&)>& take) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (names.empty() || lines.size() % names.size() != 0)
        return false;
    std::unordered_map<std::string, std::string_view> valueByName;
    valueByName.reserve(lines.size());
    for (std::string_view line : lines) {
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            valueByName.try_emplace(lowerAscii(line.substr(0, equals)), line.substr(equals + 1));
    }
    const std::size_t rowCount = lines.size() / names.size();
    std::vector<std::string> lowerNames;
    lowerNames.reserve(names.size());
    for (const std::string& name : names)
        lowerNames.push_back(lowerAscii(name));
    ReferenceRowValues values(names.size());
    for (std::size_t row = 1; row <= rowCount; ++row) {
        const std::string suffix = std::to_string(row);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto found = valueByName.find(lowerNames[i] + suffix);
            values[i] = found == valueByName.end() ? std::string_view{} : found->second;
        }
        if (!take(values))
            return false;
    }
    return true;
}

} // namespace rv
