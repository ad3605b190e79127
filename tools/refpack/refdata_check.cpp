#include "refdata_check.h"

#include "engine/date.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>

namespace rv::refdata {
namespace {

class RowChecker {
public:
    RowChecker(const CsvFile& csv, std::size_t row) : m_csv(csv), m_row(row) {}

    [[noreturn]] void fail(const std::string& what) const {
        throw RefdataError(m_csv.fileName + ":" + std::to_string(fileLineOfRow(m_row)) + ": " +
                           what);
    }

    // date := 2DIGIT "." 2DIGIT "." 4DIGIT, a valid calendar day
    Date date(std::string_view column) const {
        const std::string& text = field(column);
        const auto date = text.size() == 10 ? parseDate(text) : std::nullopt;
        if (!date)
            fail(std::string(column) + " \"" + text + "\" is not a date dd.mm.yyyy");
        return *date;
    }

    std::optional<Date> optionalDate(std::string_view column) const {
        if (field(column).empty())
            return std::nullopt;
        return date(column);
    }

    // number := 1*DIGIT ["." 1*DIGIT]
    void number(std::string_view column) const {
        const std::string& text = field(column);
        const std::size_t point = text.find('.');
        const bool wellFormed =
            isDigits(std::string_view(text).substr(0, point)) &&
            (point == std::string::npos || isDigits(std::string_view(text).substr(point + 1)));
        double value = 0;
        const char* end = text.data() + text.size();
        const bool finite = wellFormed &&
                            std::from_chars(text.data(), end, value).ec == std::errc() &&
                            std::isfinite(value);
        if (!finite)
            fail(std::string(column) + " \"" + text + "\" is not a number of the form 123.45");
    }

    void integer(std::string_view column) const {
        const std::string& text = field(column);
        std::int32_t value = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (error != std::errc() || stop != end)
            fail(std::string(column) + " \"" + text + "\" is not an integer");
    }

    const std::string& field(std::string_view column) const {
        return m_csv.rows[m_row][m_csv.column(column)];
    }

private:
    static bool isDigits(std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    }

    const CsvFile& m_csv;
    std::size_t m_row;
};

// The last row seen of one timeline.
struct TimelineEnd {
    std::optional<Date> end;
    std::size_t row = 0;
};

bool packsColumn(const ReferenceTableLayout& layout, std::string_view csvColumn) {
    return std::any_of(layout.columns.begin(), layout.columns.end(),
                       [&](const PackedColumn& packed) { return packed.csvColumn == csvColumn; });
}

} // namespace

void checkReferenceTable(const CsvFile& csv, const ReferenceTableLayout& layout) {
    if (csv.rows.empty())
        throw RefdataError(csv.fileName + ": the table has no rows");
    std::optional<Date> previousBegin;
    std::map<std::string, TimelineEnd> timelines; // by the value of the timeline column
    for (std::size_t row = 0; row < csv.rows.size(); ++row) {
        const RowChecker check(csv, row);
        const Date begin = check.date("begin");
        const std::optional<Date> end = check.optionalDate("end");
        check.number("value");
        if (packsColumn(layout, "type"))
            check.integer("type");

        if (end && *end < begin)
            check.fail("end " + formatDate(*end) + " is before begin " + formatDate(begin));
        if (previousBegin && begin < *previousBegin)
            check.fail("begin " + formatDate(begin) + " is before the begin of the row above");
        previousBegin = begin;

        const std::string timeline =
            layout.timelineColumn.empty() ? std::string() : check.field(layout.timelineColumn);
        const auto last = timelines.find(timeline);
        if (last != timelines.end()) {
            const TimelineEnd& previous = last->second;
            const std::string previousLine = std::to_string(fileLineOfRow(previous.row));
            if (!previous.end)
                check.fail("line " + previousLine + " has an empty end but is not the last row");
            if (begin <= *previous.end)
                check.fail("begin " + formatDate(begin) + " overlaps line " + previousLine);
        }
        timelines[timeline] = TimelineEnd{end, row};
    }
}

void checkStoredParameters(const std::array<std::string, 5>& texts) {
    // Ages and years of experience: none can be negative or pass a lifetime.
    constexpr std::int64_t kFewestYears = 1;
    constexpr std::int64_t kMostYears = 150;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::int64_t years = 0;
        const char* end = texts[i].data() + texts[i].size();
        const auto [stop, error] = std::from_chars(texts[i].data(), end, years);
        if (error != std::errc() || stop != end || years < kFewestYears || years > kMostYears)
            throw RefdataError(std::string(kParametersFileName) + ": " +
                               std::string(kStoredParameterNames[i]) + " \"" + texts[i] +
                               "\" is not a number of years from " + std::to_string(kFewestYears) +
                               " to " + std::to_string(kMostYears));
    }
}

} // namespace rv::refdata
