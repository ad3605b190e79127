#pragma once

#include "import/import_text.h"
#include "import/statement_reading.h"

#include <optional>
#include <vector>

namespace rv::import {

// The person a statement or a certificate names: "ПІБ: …", "Прізвище, ім'я, по батькові: …",
// "РНОКПП …", "Дата народження: 03.05.1961", and a certificate's sentence "Видана ГОРБАТЮК
// НІНІ ПЕТРІВНІ, 03.05.1961 року народження, реєстраційний номер облікової картки платника
// податків 2240340743", whose name is given back as a person writes it ("Горбатюк Ніна
// Петрівна" in capitals as printed).
class StatementPersonReader {
public:
    // Takes a line that names the person; false for any other line. `lower` is the line in
    // lower case.
    bool readLine(const Line& line, const std::u32string& lower, const std::vector<Token>& tokens);
    std::optional<StatementPerson> person() const { return m_person; }

private:
    void takeNumber(const std::vector<Token>& tokens, std::size_t after);
    StatementPerson& filled();

    std::optional<StatementPerson> m_person;
    bool m_numberOnNextLine = false; // the label of the number ended its line
};

// The name of a certificate's "Видана …" in the nominative: the dative endings of Ukrainian
// surnames, first names and patronymics put back.
std::u32string nominativeName(std::u32string_view dative);

} // namespace rv::import
