// libFuzzer target for the reader of pasted and typed amounts: arbitrary bytes as the clipboard's
// text. Either every line reads as a finite amount of at least zero, one per line, or the first
// line that does not is named with a reason and nothing is returned.
#include "calc/amount_text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const rv::AmountColumn column = rv::readAmountColumn(text);
    std::string_view lines = text;
    if (lines.ends_with('\n'))
        lines.remove_suffix(1);
    const std::size_t lineCount =
        static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n') + 1);
    if (column.refusedLine == 0) {
        if (!column.refusal.empty() || column.amounts.size() != lineCount)
            std::abort();
        for (const double amount : column.amounts)
            if (!std::isfinite(amount) || amount < 0)
                std::abort();
    } else if (column.refusal.empty() || !column.amounts.empty() || column.refusedLine < 1 ||
               static_cast<std::size_t>(column.refusedLine) > lineCount) {
        std::abort();
    }
    return 0;
}
