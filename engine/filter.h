#pragma once

#include "engine/value.h"

#include <cstddef>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rv {

// A stored field of the filtered table, in the table's declared order.
struct FilterField {
    std::string name;
    FieldType type;
};

// A filter text that cannot be read: the message names the 0-based character position
// and what was expected there.
class FilterError : public std::runtime_error {
public:
    FilterError(std::size_t position, const std::string& message);
    std::size_t position() const { return m_position; }

private:
    std::size_t m_position;
};

// A parsed filter expression over the fields of one table:
//   field = const, const <> field, field < field, ..., field is null, and, or, ( ).
// Constants are decimal integers or single-quoted texts, taken in the type of the field they are
// compared with (a text compared with a date field is a "dd.MM.yyyy" date). A comparison with an
// empty field value is false. Copies share one immutable tree.
class FilterExpression {
public:
    // The empty expression: matches every row.
    FilterExpression() = default;

    // An empty or all-blank text gives the empty expression.
    static FilterExpression parse(std::string_view text, std::span<const FilterField> fields);

    // row[i] is the value of fields[i] of the parse.
    bool matches(std::span<const Value> row) const;
    bool isEmpty() const;
    // The text as given to parse.
    const std::string& text() const;

private:
    struct Tree;
    std::shared_ptr<const Tree> m_tree;
};

} // namespace rv
