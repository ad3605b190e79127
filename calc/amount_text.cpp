#include "calc/amount_text.h"

#include "calc/messages.h"

#include <charconv>
#include <cmath>

namespace rv {

namespace {

// The space characters that may group digits, as UTF-8.
constexpr std::string_view kGroupSpaces[] = {" ", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};

// The length of the group space at the start of the text; 0 when none starts there.
std::size_t groupSpaceAt(std::string_view text) {
    for (const std::string_view space : kGroupSpaces)
        if (text.starts_with(space))
            return space.size();
    return 0;
}

AmountReading refused(std::string_view text, const char* reason) {
    return {0, std::string(messages::kAmountQuotePrefix) + std::string(text) +
                   messages::kAmountQuoteSuffix + reason};
}

} // namespace

// amount = [spaces] digit {digit | space} [("," | ".") digit {digit | space}] [spaces]
AmountReading readAmount(std::string_view text) {
    std::string number;
    bool separatorSeen = false;
    bool digitSeen = false;
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t space = groupSpaceAt(text.substr(at)); space > 0) {
            at += space;
            continue;
        }
        const char character = text[at++];
        if (character >= '0' && character <= '9') {
            number += character;
            digitSeen = true;
        } else if (character == ',' || character == '.') {
            if (separatorSeen)
                return refused(text, messages::kAmountTwoSeparators);
            separatorSeen = true;
            number += '.';
        } else if (character == '\t' || character == ';') {
            return refused(text, messages::kAmountSeveralValues);
        } else if (character == '-') {
            return refused(text, messages::kAmountNegative);
        } else {
            return refused(text, messages::kAmountNotANumber);
        }
    }
    if (!digitSeen)
        return separatorSeen ? refused(text, messages::kAmountNotANumber) : AmountReading{};
    double amount = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), amount);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(amount))
        return refused(text, messages::kAmountTooLarge);
    return {amount, {}};
}

AmountColumn readAmountColumn(std::string_view text) {
    AmountColumn column;
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    int line = 0;
    for (;;) {
        ++line;
        const std::size_t end = text.find('\n');
        std::string_view current = text.substr(0, end);
        if (current.ends_with('\r'))
            current.remove_suffix(1);
        AmountReading reading = readAmount(current);
        if (!reading.refusal.empty())
            return {{}, line, std::move(reading.refusal)};
        column.amounts.push_back(reading.amount);
        if (end == std::string_view::npos)
            return column;
        text.remove_prefix(end + 1);
    }
}

} // namespace rv
