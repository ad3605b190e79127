#include "provenance.h"

#include "protect/source_flags.h"

#include <array>
#include <map>

namespace rv::refdata {

namespace {

// Notes of the researchers that are no flag: the figure was checked, or a remark follows.
constexpr std::array<std::string_view, 5> kKnownNotes = {"CONFIRMED", "NOTE", "CONFLICT",
                                                         "INFERRED", "WEAK SOURCE"};

bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isLatinLetter(char c) {
    return isCapital(c) || (c >= 'a' && c <= 'z');
}

bool standsAsWord(std::string_view text, std::size_t at, std::size_t length) {
    const bool freeBefore = at == 0 || !isLatinLetter(text[at - 1]);
    const bool freeAfter = at + length >= text.size() || !isLatinLetter(text[at + length]);
    return freeBefore && freeAfter;
}

// marker := 4*CAPITAL *(" " 3*CAPITAL) ":", standing at the start of the text or after a blank,
// "(" or "|" (a shorter first word is a name such as "PFU"). Gives the words, or nothing where
// no marker starts at `at`.
std::string_view markerAt(std::string_view text, std::size_t at) {
    if (at > 0 && text[at - 1] != ' ' && text[at - 1] != '(' && text[at - 1] != '|')
        return {};
    std::size_t end = at;
    while (true) {
        std::size_t wordEnd = end;
        while (wordEnd < text.size() && isCapital(text[wordEnd]))
            ++wordEnd;
        if (wordEnd - end < (end == at ? 4u : 3u))
            return {};
        if (wordEnd < text.size() && text[wordEnd] == ':')
            return text.substr(at, wordEnd - at);
        if (wordEnd + 1 < text.size() && text[wordEnd] == ' ' && isCapital(text[wordEnd + 1])) {
            end = wordEnd + 1;
            continue;
        }
        return {};
    }
}

bool readableMarker(std::string_view marker) {
    for (const SourceFlagName& name : kSourceFlagNames)
        if (marker.substr(0, name.code.size()) == name.code)
            return true;
    for (const std::string_view note : kKnownNotes)
        if (marker == note)
            return true;
    return false;
}

} // namespace

unsigned sourceFlags(std::string_view source, const std::string& where) {
    for (std::size_t at = 0; at < source.size(); ++at) {
        const std::string_view marker = markerAt(source, at);
        if (marker.empty())
            continue;
        if (!readableMarker(marker))
            throw RefdataError(where + ": unknown flag \"" + std::string(marker) +
                               ":\" in the source");
        at += marker.size();
    }
    unsigned flags = 0;
    for (const SourceFlagName& name : kSourceFlagNames)
        for (std::size_t at = source.find(name.code); at != std::string_view::npos;
             at = source.find(name.code, at + 1))
            if (standsAsWord(source, at, name.code.size())) {
                flags |= name.flag;
                break;
            }
    return flags;
}

std::string provenanceText(const CsvFile& csv, const ReferenceTableLayout& layout) {
    const std::size_t begin = csv.column("begin");
    const std::size_t end = csv.column("end");
    const std::size_t source = csv.column("source");
    const bool hasKey = !layout.timelineColumn.empty();
    const std::size_t key = hasKey ? csv.column(layout.timelineColumn) : 0;

    std::map<std::string_view, std::size_t> sourceIndex;
    std::vector<std::string_view> sources;
    std::string text;
    for (std::size_t row = 0; row < csv.rows.size(); ++row) {
        const std::vector<std::string>& fields = csv.rows[row];
        const std::string where = csv.fileName + ":" + std::to_string(fileLineOfRow(row));
        if (fields[source].empty())
            throw RefdataError(where + ": no source");
        const auto [found, added] = sourceIndex.try_emplace(fields[source], sources.size());
        if (added)
            sources.push_back(fields[source]);
        text += fields[begin] + ";" + fields[end] + ";" + (hasKey ? fields[key] : "") + ";" +
                std::to_string(sourceFlags(fields[source], where)) + ";" +
                std::to_string(found->second) + "\n";
    }
    text += "\n";
    for (const std::string_view distinct : sources)
        text += std::string(distinct) + "\n";
    return text;
}

} // namespace rv::refdata
