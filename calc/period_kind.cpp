#include "calc/period_kind.h"

namespace rv {

std::optional<PeriodKind> periodKindOfCode(std::string_view code) {
    for (const PeriodKindNames& names : kPeriodKinds)
        if (names.code == code)
            return names.kind;
    return std::nullopt;
}

std::optional<PeriodKind> periodKindOfTitle(std::string_view title) {
    for (const PeriodKindNames& names : kPeriodKinds)
        if (names.title == title)
            return names.kind;
    return std::nullopt;
}

} // namespace rv
