#include "engine/filter.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace rv {
namespace {

// Parentheses deeper than this are refused, which also bounds the recursion of parse and match.
constexpr int kMaxNesting = 64;
constexpr std::string_view kBlanks = " \t\r\n";

enum class CompareOp { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual };

// The operator that gives the same result with its operands swapped: 5 < x is x > 5.
CompareOp mirrored(CompareOp op) {
    switch (op) {
    case CompareOp::Less:
        return CompareOp::Greater;
    case CompareOp::Greater:
        return CompareOp::Less;
    case CompareOp::LessOrEqual:
        return CompareOp::GreaterOrEqual;
    case CompareOp::GreaterOrEqual:
        return CompareOp::LessOrEqual;
    case CompareOp::Equal:
    case CompareOp::NotEqual:
        break;
    }
    return op;
}

struct FieldRef {
    std::size_t index;
};

// field op other; a constant other already holds a value of the field's type.
struct Comparison {
    std::size_t field;
    CompareOp op;
    std::variant<FieldRef, Value> other;
};

struct NullTest {
    std::size_t field;
};

struct Node;

// Terms joined by "and" (all must hold) or by "or" (one must hold).
struct Junction {
    bool all;
    std::vector<Node> terms;
};

struct Node {
    std::variant<Comparison, NullTest, Junction> body;
};

// ---- Lexer ----

enum class TokenKind { Name, Integer, Text, Operator, LeftParen, RightParen, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::size_t position = 0;
    std::string_view lexeme; // as written; a text keeps its quotes
    CompareOp op = CompareOp::Equal;
};

bool isLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNameChar(char c) {
    return isLowerLetter(c) || isDigit(c) || c == '_';
}

std::string describe(const Token& token) {
    if (token.kind == TokenKind::End)
        return "the end of the text";
    return "'" + std::string(token.lexeme) + "'";
}

class Lexer {
public:
    explicit Lexer(std::string_view text) : m_text(text) {}

    // Throws FilterError at a character that starts no token or at an unterminated quote.
    Token next(const std::string& context) {
        const auto start = m_text.find_first_not_of(kBlanks, m_pos);
        m_pos = start == std::string_view::npos ? m_text.size() : start;
        if (m_pos == m_text.size())
            return Token{TokenKind::End, m_pos, {}};
        const char c = m_text[m_pos];
        if (isLowerLetter(c))
            return take(TokenKind::Name, spanWhile(m_pos + 1, isNameChar));
        if (isDigit(c) || c == '-') {
            const auto end = spanWhile(m_pos + 1, isDigit);
            if (c == '-' && end == m_pos + 1)
                throw FilterError(m_pos, "expected a digit after '-'" + context);
            return take(TokenKind::Integer, end);
        }
        if (c == '\'') {
            const auto close = m_text.find('\'', m_pos + 1);
            if (close == std::string_view::npos)
                throw FilterError(m_pos, "quoted text is not closed" + context);
            return take(TokenKind::Text, close + 1);
        }
        if (c == '(')
            return take(TokenKind::LeftParen, m_pos + 1);
        if (c == ')')
            return take(TokenKind::RightParen, m_pos + 1);
        if (c == '=')
            return takeOperator(CompareOp::Equal, 1);
        const char following = m_pos + 1 < m_text.size() ? m_text[m_pos + 1] : '\0';
        if (c == '<' && following == '>')
            return takeOperator(CompareOp::NotEqual, 2);
        if (c == '<' && following == '=')
            return takeOperator(CompareOp::LessOrEqual, 2);
        if (c == '<')
            return takeOperator(CompareOp::Less, 1);
        if (c == '>' && following == '=')
            return takeOperator(CompareOp::GreaterOrEqual, 2);
        if (c == '>')
            return takeOperator(CompareOp::Greater, 1);
        throw FilterError(m_pos, "unexpected character" + context);
    }

private:
    std::size_t spanWhile(std::size_t from, bool (*accept)(char)) const {
        while (from < m_text.size() && accept(m_text[from]))
            ++from;
        return from;
    }

    Token take(TokenKind kind, std::size_t end) {
        Token token{kind, m_pos, m_text.substr(m_pos, end - m_pos)};
        m_pos = end;
        return token;
    }

    Token takeOperator(CompareOp op, std::size_t length) {
        Token token = take(TokenKind::Operator, m_pos + length);
        token.op = op;
        return token;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// ---- Parser ----

// One side of a comparison as written, before it is typed by the field it meets.
struct Operand {
    enum class Kind { Field, Integer, Text } kind;
    std::size_t position;
    std::size_t field = 0;      // Kind::Field
    std::int64_t integer = 0;   // Kind::Integer
    std::string_view text = {}; // Kind::Text, without the quotes
};

class Parser {
public:
    Parser(std::string_view text, std::span<const FilterField> fields)
        : m_fields(fields), m_lexer(text), m_context(" in filter \"" + std::string(text) + "\"") {
        advance();
    }

    // filter = expression end
    Node parseFilter() {
        Node root = parseExpression(0);
        if (m_token.kind != TokenKind::End)
            fail(m_token.position, "expected 'and', 'or' or the end, found " + describe(m_token));
        return root;
    }

private:
    // expression = and_expression { "or" and_expression }
    Node parseExpression(int depth) {
        Junction anyOf{false, {}};
        anyOf.terms.push_back(parseAndExpression(depth));
        while (atKeyword("or")) {
            advance();
            anyOf.terms.push_back(parseAndExpression(depth));
        }
        return collapse(std::move(anyOf));
    }

    // and_expression = primary { "and" primary }
    Node parseAndExpression(int depth) {
        Junction allOf{true, {}};
        allOf.terms.push_back(parsePrimary(depth));
        while (atKeyword("and")) {
            advance();
            allOf.terms.push_back(parsePrimary(depth));
        }
        return collapse(std::move(allOf));
    }

    // primary = "(" expression ")" | field "is" "null" | operand compare_op operand
    Node parsePrimary(int depth) {
        if (m_token.kind == TokenKind::LeftParen) {
            if (depth == kMaxNesting)
                fail(m_token.position,
                     "parentheses nested deeper than " + std::to_string(kMaxNesting));
            advance();
            Node inner = parseExpression(depth + 1);
            if (m_token.kind != TokenKind::RightParen)
                fail(m_token.position, "expected 'and', 'or' or ')', found " + describe(m_token));
            advance();
            return inner;
        }
        const Operand left = parseOperand();
        if (left.kind == Operand::Kind::Field && atKeyword("is")) {
            advance();
            if (!atKeyword("null"))
                fail(m_token.position, "expected 'null' after 'is', found " + describe(m_token));
            advance();
            return Node{NullTest{left.field}};
        }
        if (m_token.kind != TokenKind::Operator)
            fail(m_token.position, std::string("expected a comparison (=, <>, <, >, <=, >=") +
                                       (left.kind == Operand::Kind::Field ? " or 'is null'" : "") +
                                       "), found " + describe(m_token));
        const CompareOp op = m_token.op;
        advance();
        return comparison(left, op, parseOperand());
    }

    // operand = field | integer | quoted_text
    // field = lower_letter { lower_letter | digit | "_" }; integer = [ "-" ] digit { digit }
    Operand parseOperand() {
        const Token token = m_token;
        Operand operand{Operand::Kind::Field, token.position};
        if (token.kind == TokenKind::Name && !isKeyword(token.lexeme)) {
            const auto found =
                std::find_if(m_fields.begin(), m_fields.end(),
                             [&](const auto& field) { return field.name == token.lexeme; });
            if (found == m_fields.end())
                fail(token.position, "unknown field '" + std::string(token.lexeme) + "'");
            operand.field = static_cast<std::size_t>(found - m_fields.begin());
        } else if (token.kind == TokenKind::Integer) {
            operand.kind = Operand::Kind::Integer;
            const auto* end = token.lexeme.data() + token.lexeme.size();
            if (std::from_chars(token.lexeme.data(), end, operand.integer).ec != std::errc())
                fail(token.position, "integer out of range");
        } else if (token.kind == TokenKind::Text) {
            operand.kind = Operand::Kind::Text;
            operand.text = token.lexeme.substr(1, token.lexeme.size() - 2);
        } else {
            fail(token.position,
                 "expected a field name, an integer or a quoted text, found " + describe(token));
        }
        advance();
        return operand;
    }

    // Puts the field first (mirroring the operator when a constant stands first) and types the
    // constant by that field.
    Node comparison(Operand left, CompareOp op, Operand right) const {
        const bool leftIsField = left.kind == Operand::Kind::Field;
        const bool rightIsField = right.kind == Operand::Kind::Field;
        if (leftIsField && rightIsField) {
            if (m_fields[left.field].type != m_fields[right.field].type)
                fail(right.position, "fields '" + m_fields[left.field].name + "' and '" +
                                         m_fields[right.field].name + "' have different types");
            return Node{Comparison{left.field, op, FieldRef{right.field}}};
        }
        if (!leftIsField && !rightIsField)
            fail(left.position, "a comparison needs a field on at least one side");
        if (!leftIsField) {
            std::swap(left, right);
            op = mirrored(op);
        }
        return Node{Comparison{left.field, op, constantOf(right, m_fields[left.field])}};
    }

    // A constant in the type of the field it is compared with.
    Value constantOf(const Operand& constant, const FilterField& field) const {
        const bool isText = constant.kind == Operand::Kind::Text;
        switch (field.type) {
        case FieldType::Integer:
            if (isText)
                fail(constant.position,
                     "quoted text compared with integer field '" + field.name + "'");
            if (constant.integer < std::numeric_limits<std::int32_t>::min() ||
                constant.integer > std::numeric_limits<std::int32_t>::max())
                fail(constant.position,
                     "integer out of range of integer field '" + field.name + "'");
            return static_cast<std::int32_t>(constant.integer);
        case FieldType::Float:
            if (isText)
                fail(constant.position,
                     "quoted text compared with float field '" + field.name + "'");
            return static_cast<double>(constant.integer);
        case FieldType::Text:
            // An integer matches the text that spells it in decimal: k_type=1 matches "1".
            return isText ? std::string(constant.text) : std::to_string(constant.integer);
        case FieldType::Date:
            if (!isText)
                fail(constant.position, "integer compared with date field '" + field.name +
                                            "', expected a quoted date 'dd.MM.yyyy'");
            if (const auto date = parseDate(constant.text))
                return *date;
            fail(constant.position, "'" + std::string(constant.text) +
                                        "' is not a date dd.MM.yyyy for field '" + field.name +
                                        "'");
        }
        fail(constant.position, "field '" + field.name + "' has an unknown type");
    }

    static Node collapse(Junction junction) {
        if (junction.terms.size() == 1)
            return std::move(junction.terms.front());
        return Node{std::move(junction)};
    }

    static bool isKeyword(std::string_view name) {
        return name == "and" || name == "or" || name == "is" || name == "null";
    }

    bool atKeyword(std::string_view keyword) const {
        return m_token.kind == TokenKind::Name && m_token.lexeme == keyword;
    }

    void advance() { m_token = m_lexer.next(m_context); }

    [[noreturn]] void fail(std::size_t position, const std::string& what) const {
        throw FilterError(position, what + m_context);
    }

    std::span<const FilterField> m_fields;
    Lexer m_lexer;
    std::string m_context;
    Token m_token;
};

// ---- Matching ----

bool compare(const Value& left, CompareOp op, const Value& right) {
    if (isEmpty(left) || isEmpty(right))
        return false;
    assert(left.index() == right.index() && "a row value does not hold its field's type");
    if (left.index() != right.index())
        return false;
    switch (op) {
    case CompareOp::Equal:
        return left == right;
    case CompareOp::NotEqual:
        return left != right;
    case CompareOp::Less:
        return left < right;
    case CompareOp::Greater:
        return left > right;
    case CompareOp::LessOrEqual:
        return left <= right;
    case CompareOp::GreaterOrEqual:
        return left >= right;
    }
    return false;
}

bool evaluate(const Node& node, std::span<const Value> row) {
    if (const auto* test = std::get_if<NullTest>(&node.body))
        return isEmpty(row[test->field]);
    if (const auto* comparison = std::get_if<Comparison>(&node.body)) {
        const Value& other = std::holds_alternative<FieldRef>(comparison->other)
                                 ? row[std::get<FieldRef>(comparison->other).index]
                                 : std::get<Value>(comparison->other);
        return compare(row[comparison->field], comparison->op, other);
    }
    const auto& junction = std::get<Junction>(node.body);
    const auto holds = [&](const Node& term) { return evaluate(term, row); };
    return junction.all ? std::all_of(junction.terms.begin(), junction.terms.end(), holds)
                        : std::any_of(junction.terms.begin(), junction.terms.end(), holds);
}

} // namespace

FilterError::FilterError(std::size_t position, const std::string& message)
    : std::runtime_error("filter error at position " + std::to_string(position) + ": " + message),
      m_position(position) {}

struct FilterExpression::Tree {
    std::string text;
    std::size_t fieldCount = 0;
    std::optional<Node> root; // none for a blank text
};

FilterExpression FilterExpression::parse(std::string_view text,
                                         std::span<const FilterField> fields) {
    auto tree = std::make_shared<Tree>();
    tree->text = std::string(text);
    tree->fieldCount = fields.size();
    if (text.find_first_not_of(kBlanks) != std::string_view::npos)
        tree->root = Parser(text, fields).parseFilter();
    FilterExpression expression;
    expression.m_tree = std::move(tree);
    return expression;
}

bool FilterExpression::matches(std::span<const Value> row) const {
    if (isEmpty())
        return true;
    assert(row.size() >= m_tree->fieldCount);
    return evaluate(*m_tree->root, row);
}

bool FilterExpression::isEmpty() const {
    return !m_tree || !m_tree->root;
}

const std::string& FilterExpression::text() const {
    static const std::string empty;
    return m_tree ? m_tree->text : empty;
}

} // namespace rv
