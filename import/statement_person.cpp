#include "import/statement_person.h"

#include "import/rnokpp.h"
#include "import/statement_words.h"

#include <algorithm>
#include <array>

namespace rv::import {

namespace {

using Kind = Token::Kind;

bool isUpperCyrillic(char32_t c) {
    return (c >= 0x410 && c <= 0x42F) || c == 0x404 || c == 0x406 || c == 0x407 || c == 0x490;
}

std::u32string trimmedName(std::u32string name) {
    while (!name.empty() && (name.back() == U' ' || name.back() == U',' || name.back() == U';' ||
                             name.back() == U'.'))
        name.pop_back();
    const std::size_t start = name.find_first_not_of(U' ');
    return start == std::u32string::npos ? std::u32string() : name.substr(start);
}

// "dd.mm.yyyy" as a date.
std::optional<Date> printedDate(std::u32string_view text) {
    if (text.size() != 10 || text[2] != U'.' || text[5] != U'.')
        return std::nullopt;
    return parseDate(encodeUtf8(text));
}

struct Ending {
    std::u32string_view dative;
    std::u32string_view nominative;
};

// Replaces the first ending of the table that the word ends with.
template <std::size_t N>
std::u32string withEnding(std::u32string word, const std::array<Ending, N>& endings) {
    const std::u32string lower = lowerCase(word);
    for (const Ending& ending : endings) {
        if (lower.size() > ending.dative.size() + 1 &&
            lower.compare(lower.size() - ending.dative.size(), ending.dative.size(),
                          ending.dative) == 0) {
            const bool upper = std::all_of(word.begin(), word.end(), [](char32_t c) {
                return !(c >= 0x430 && c <= 0x45F) && c != 0x491;
            });
            std::u32string replacement(ending.nominative);
            if (upper)
                for (char32_t& c : replacement)
                    c = c >= 0x430 && c <= 0x44F   ? c - 0x20
                        : c >= 0x450 && c <= 0x45F ? c - 0x50
                        : c == 0x491               ? 0x490
                                                   : c;
            word.replace(word.size() - ending.dative.size(), ending.dative.size(), replacement);
            return word;
        }
    }
    return word;
}

} // namespace

std::u32string nominativeName(std::u32string_view dative) {
    std::vector<std::u32string> words;
    std::u32string word;
    for (char32_t c : dative) {
        if (c == U' ') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    if (words.size() != 3)
        return std::u32string(dative);
    const std::u32string patronymic = lowerCase(words[2]);
    const bool woman = patronymic.ends_with(U"івні") || patronymic.ends_with(U"ївні");
    const bool man = patronymic.ends_with(U"ичу");
    if (woman) {
        static constexpr std::array<Ending, 6> kSurname = {{{U"ській", U"ська"},
                                                            {U"цькій", U"цька"},
                                                            {U"зькій", U"зька"},
                                                            {U"овій", U"ова"},
                                                            {U"евій", U"ева"},
                                                            {U"іній", U"іна"}}};
        static constexpr std::array<Ending, 5> kFirst = {{{U"ользі", U"ольга"},
                                                          {U"любові", U"любов"},
                                                          {U"ії", U"ія"},
                                                          {U"ї", U"я"},
                                                          {U"і", U"а"}}};
        static constexpr std::array<Ending, 2> kPatronymic = {
            {{U"івні", U"івна"}, {U"ївні", U"ївна"}}};
        words[0] = withEnding(words[0], kSurname);
        words[1] = withEnding(words[1], kFirst);
        words[2] = withEnding(words[2], kPatronymic);
    } else if (man) {
        static constexpr std::array<Ending, 10> kSurname = {{{U"енкові", U"енко"},
                                                             {U"енку", U"енко"},
                                                             {U"ському", U"ський"},
                                                             {U"цькому", U"цький"},
                                                             {U"зькому", U"зький"},
                                                             {U"ому", U"ий"},
                                                             {U"леві", U"ль"},
                                                             {U"ові", U""},
                                                             {U"ю", U"ь"},
                                                             {U"у", U""}}};
        static constexpr std::array<Ending, 14> kFirst = {{{U"петрові", U"петро"},
                                                           {U"петру", U"петро"},
                                                           {U"дмитрові", U"дмитро"},
                                                           {U"дмитру", U"дмитро"},
                                                           {U"павлові", U"павло"},
                                                           {U"павлу", U"павло"},
                                                           {U"маркові", U"марко"},
                                                           {U"марку", U"марко"},
                                                           {U"ігорю", U"ігор"},
                                                           {U"ію", U"ій"},
                                                           {U"лю", U"ль"},
                                                           {U"ові", U""},
                                                           {U"і", U"а"},
                                                           {U"у", U""}}};
        static constexpr std::array<Ending, 1> kPatronymic = {{{U"ичу", U"ич"}}};
        words[0] = withEnding(words[0], kSurname);
        words[1] = withEnding(words[1], kFirst);
        words[2] = withEnding(words[2], kPatronymic);
    } else {
        return std::u32string(dative);
    }
    return words[0] + U" " + words[1] + U" " + words[2];
}

StatementPerson& StatementPersonReader::filled() {
    if (!m_person)
        m_person = StatementPerson{};
    return *m_person;
}

void StatementPersonReader::takeNumber(const std::vector<Token>& tokens, std::size_t after) {
    for (const Token& token : tokens) {
        std::u32string digits = token.text;
        while (!digits.empty() && (digits.back() == U',' || digits.back() == U';' ||
                                   digits.back() == U'.' || digits.back() == U')'))
            digits.pop_back();
        if (digits.size() != 10 || !std::all_of(digits.begin(), digits.end(), isDigit) ||
            static_cast<std::size_t>(token.begin) < after || !filled().rnokpp.empty())
            continue;
        StatementPerson& taken = filled();
        taken.rnokpp = encodeUtf8(digits);
        if (const std::optional<RnokppFacts> facts = readRnokpp(taken.rnokpp)) {
            taken.rnokppValid = facts->checkDigitValid;
            if (facts->checkDigitValid) {
                if (!taken.birthDate)
                    taken.birthDate = facts->birthDate;
                taken.gender = facts->gender;
            }
        }
        m_numberOnNextLine = false;
        return;
    }
}

bool StatementPersonReader::readLine(const Line& line, const std::u32string& lower,
                                     const std::vector<Token>& tokens) {
    if (m_numberOnNextLine) {
        m_numberOnNextLine = false;
        takeNumber(tokens, 0);
        if (m_person && !m_person->rnokpp.empty() &&
            std::none_of(tokens.begin(), tokens.end(), [](const Token& token) {
                return token.kind == Kind::Number && !token.integer;
            }))
            return true;
    }
    const std::size_t numberLabel =
        std::min({lower.find(U"рнокпп"), lower.find(U"ідентифікаційн"), lower.find(U"іпн"),
                  lower.find(U"облікової"), lower.find(U"платника податків")});
    const std::size_t nameLabel =
        std::min({lower.find(U"піб"), lower.find(U"прізвище"), lower.find(U"застрахована особа:")});
    const std::size_t issuedTo = std::min(lower.find(U"видана "), lower.find(U"видано "));
    const std::size_t birthLabel = lower.find(U"народження");
    if (numberLabel == std::u32string::npos && nameLabel == std::u32string::npos &&
        issuedTo == std::u32string::npos && birthLabel == std::u32string::npos)
        return false;
    const bool hasAmount = std::any_of(tokens.begin(), tokens.end(), [](const Token& token) {
        return token.kind == Kind::Number && !token.integer;
    });
    if (hasAmount)
        return false; // a row of amounts that happens to hold one of the words
    if (numberLabel != std::u32string::npos) {
        const std::size_t before = m_person ? m_person->rnokpp.size() : 0;
        takeNumber(tokens, numberLabel);
        const bool taken = m_person && m_person->rnokpp.size() != before;
        // "… номер облікової" at the line's end: the number is on the next line.
        m_numberOnNextLine = !taken && (!m_person || m_person->rnokpp.empty());
    }
    // A birth date printed beside its label or before "року народження".
    for (const Token& token : tokens)
        if (token.kind == Kind::Word && birthLabel != std::u32string::npos)
            if (const std::optional<Date> date = printedDate(token.text)) {
                filled().birthDate = date;
                break;
            }
    if (issuedTo != std::u32string::npos && (!m_person || m_person->name.empty())) {
        std::size_t start = issuedTo + 7;
        std::size_t end = start;
        while (end < line.size() && line[end] != U',' && !isDigit(line[end]))
            ++end;
        const std::u32string name = trimmedName(line.substr(start, end - start));
        if (!name.empty() && std::any_of(name.begin(), name.end(), isUpperCyrillic))
            filled().name = encodeUtf8(nominativeName(name));
    }
    if (nameLabel != std::u32string::npos && (!m_person || m_person->name.empty())) {
        // After "ПІБ:" or "Прізвище, ім'я, по батькові", with or without a colon.
        std::size_t start = line.find(U':', nameLabel);
        const std::size_t patronymicLabel = lower.find(U"по батькові", nameLabel);
        if (patronymicLabel != std::u32string::npos &&
            (start == std::u32string::npos || start > patronymicLabel)) {
            start = patronymicLabel + 11;
            if (start < line.size() && line[start] == U':')
                ++start;
        } else if (start == std::u32string::npos) {
            start = nameLabel;
            while (start < line.size() && line[start] != U' ')
                ++start;
        } else {
            ++start;
        }
        // The name ends at the next label, a number, or a wide gap of a laid-out line.
        const auto endAt = [&](std::size_t label) {
            return label > start && label < line.size() ? label : line.size();
        };
        std::size_t end = std::min(endAt(numberLabel), endAt(birthLabel));
        for (std::size_t i = start; i < end; ++i)
            if (isDigit(line[i]) ||
                (i + 2 < end && line[i] == U' ' && line[i + 1] == U' ' && line[i + 2] == U' ' &&
                 i > line.find_first_not_of(U' ', start)))
                end = i;
        std::u32string name = trimmedName(line.substr(start, end - start));
        // "Дата" of "Дата народження" left at the end of the name.
        for (std::u32string_view tail : {U" дата", U" Дата", U" ДАТА"})
            if (name.ends_with(tail))
                name = trimmedName(name.substr(0, name.size() - tail.size()));
        if (std::any_of(name.begin(), name.end(), [](char32_t c) { return c >= 0x400; }))
            filled().name = encodeUtf8(name);
    }
    return true;
}

} // namespace rv::import
