#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv {

// An amount of money as a person types or copies it (UTF-8): digits with at most one decimal
// separator, "," or "."; blanks, no-break (U+00A0), narrow no-break (U+202F) and thin (U+2009)
// spaces between digit groups are ignored ("2 500,75"). An empty or blank text means no amount.
struct AmountReading {
    double amount = 0;
    std::string refusal; // empty when the text is an amount; otherwise why it is not, in Ukrainian
};
AmountReading readAmount(std::string_view text);

// A pasted column of amounts, one a line ("\n" or "\r\n"; a final line break ends the last
// line). Either every line reads, or the first line that does not is named (from 1) with its
// refusal and no amount is returned.
struct AmountColumn {
    std::vector<double> amounts;
    int refusedLine = 0; // 0 when every line reads
    std::string refusal;
};
AmountColumn readAmountColumn(std::string_view text);

} // namespace rv
