#include "period_totals.h"

#include "engine/errors.h"
#include "engine/table.h"
#include "calc/messages.h"
#include "store/store_messages.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace rv {

YearsMonthsDays sumPeriodLengths(const Table& periods) {
    const int lengthField = periods.fieldIndex("exp_day_str");
    std::int64_t years = 0;
    std::int64_t months = 0;
    std::int64_t days = 0;
    for (int row = 0; row < periods.recordCount(); ++row) {
        const Value value = periods.viewValue(row, lengthField);
        const auto* text = std::get_if<std::string>(&value);
        const std::optional<YearsMonthsDays> length =
            parseLengthText(text ? std::string_view(*text) : std::string_view());
        if (!length) {
            std::string message = messages::kInvalidExperienceLength;
            message.replace(message.find("%1"), 2, text ? *text : std::string());
            throw ConversionError(message);
        }
        years += length->years;
        months += length->months;
        days += length->days;
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    if (std::max({std::abs(years), std::abs(months), std::abs(days)}) > kLimit)
        throw ConversionError(messages::kExperienceTotalTooLarge);
    YearsMonthsDays total{static_cast<std::int32_t>(years), static_cast<std::int32_t>(months),
                          static_cast<std::int32_t>(days)};
    NormalizeYMD(total);
    return total;
}

} // namespace rv
