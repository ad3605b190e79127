#include "table_json.h"

namespace rv::cli {

nlohmann::ordered_json valueJson(const Value& value) {
    if (auto integer = std::get_if<std::int32_t>(&value))
        return *integer;
    if (auto number = std::get_if<double>(&value))
        return *number;
    if (auto text = std::get_if<std::string>(&value))
        return *text;
    if (auto date = std::get_if<Date>(&value))
        return formatDate(*date);
    return nullptr;
}

} // namespace rv::cli
