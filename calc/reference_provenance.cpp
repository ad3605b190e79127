#include "reference_provenance.h"

#include "protect/embedded_provenance.h"
#include "protect/source_flags.h"

#include <charconv>

namespace rv {

namespace {

// Splits off the text up to the next `separator` (all of it when there is none).
std::string_view nextPart(std::string_view& text, char separator) {
    const std::size_t at = text.find(separator);
    const std::string_view part = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
    return part;
}

std::optional<unsigned> parseUnsigned(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

struct RowLine {
    SourcedRow row;
    unsigned sourceIndex = 0;
};

// row-line := begin ";" end ";" key ";" flags ";" index
std::optional<RowLine> parseRowLine(std::string_view line) {
    RowLine parsed;
    parsed.row.begin = parseDate(nextPart(line, ';'));
    const std::string_view end = nextPart(line, ';');
    parsed.row.end = parseDate(end);
    parsed.row.key = std::string(nextPart(line, ';'));
    const auto flags = parseUnsigned(nextPart(line, ';'));
    const auto index = parseUnsigned(line);
    if (!parsed.row.begin || (!end.empty() && !parsed.row.end) || !flags || !index)
        return std::nullopt;
    parsed.row.flags = *flags;
    parsed.sourceIndex = *index;
    return parsed;
}

} // namespace

std::vector<SourcedRow> parseProvenance(std::string_view text) {
    std::vector<RowLine> lines;
    while (!text.empty()) {
        const std::string_view line = nextPart(text, '\n');
        if (line.empty())
            break; // the sources follow
        if (auto parsed = parseRowLine(line))
            lines.push_back(std::move(*parsed));
    }
    std::vector<std::string_view> sources;
    while (!text.empty())
        sources.push_back(nextPart(text, '\n'));

    std::vector<SourcedRow> rows;
    rows.reserve(lines.size());
    for (RowLine& line : lines) {
        if (line.sourceIndex >= sources.size())
            continue;
        line.row.source = sources[line.sourceIndex];
        rows.push_back(std::move(line.row));
    }
    return rows;
}

std::vector<SourcedRow> referenceProvenance(std::string_view fileName) {
    return parseProvenance(EmbeddedProvenance(fileName));
}

const SourcedRow* sourcedRowOn(const std::vector<SourcedRow>& rows, Date day,
                               std::string_view key) {
    for (const SourcedRow& row : rows)
        if (row.key == key && row.begin && !(day < *row.begin) && (!row.end || !(*row.end < day)))
            return &row;
    return nullptr;
}

std::string sourceFlagsText(unsigned flags) {
    std::string text;
    for (const SourceFlagName& name : kSourceFlagNames)
        if (flags & name.flag)
            text += (text.empty() ? "" : ", ") + std::string(name.ukrainian);
    return text;
}

} // namespace rv
