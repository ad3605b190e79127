#include "field_binding.h"

#include "command.h"
#include "date_edit.h"
#include "display_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace rv {

FieldBinding::FieldBinding(QObject* editor, Table& table, std::string field, Prompt& prompt)
    : QObject(editor), m_table(table), m_field(std::move(field)), m_prompt(prompt) {
    m_table.fieldIndex(m_field); // an unknown field is a fault of the caller: throws here
    m_table.addListener(this);
}

FieldBinding::~FieldBinding() {
    m_table.removeListener(this);
}

void FieldBinding::write(const Value& value) {
    m_writing = true;
    runCommand(m_prompt, [&] {
        m_table.edit();
        m_table.setValue(m_field, value);
    });
    m_writing = false;
}

void FieldBinding::refresh() {
    show(m_table.value(m_field));
}

void FieldBinding::tableChanged(const Table&, const TableChange&) {
    if (!m_writing)
        refresh();
}

LineEditBinding::LineEditBinding(QLineEdit* editor, Table& table, std::string field, Prompt& prompt)
    : FieldBinding(editor, table, std::move(field), prompt), m_editor(editor) {
    connect(editor, &QLineEdit::textEdited, this, [this](const QString& text) {
        write(text.isEmpty() ? Value{} : Value{text.toStdString()});
    });
    refresh();
}

void LineEditBinding::show(const Value& value) {
    const QString text = displayText(value);
    if (m_editor->text() != text)
        m_editor->setText(text);
}

DateEditBinding::DateEditBinding(DateEdit* editor, Table& table, std::string field, Prompt& prompt)
    : FieldBinding(editor, table, std::move(field), prompt), m_editor(editor) {
    connect(editor, &DateEdit::edited, this, [this] {
        const std::optional<Date> date = m_editor->date();
        write(date ? Value{*date} : Value{});
    });
    refresh();
}

void DateEditBinding::show(const Value& value) {
    const Date* date = std::get_if<Date>(&value);
    const std::optional<Date> shown = m_editor->date();
    // A half-typed date reads as none: leave it alone while the field is empty.
    if ((date == nullptr && !shown) || (date != nullptr && shown == *date))
        return;
    m_editor->setDate(date ? std::optional<Date>(*date) : std::nullopt);
}

LookupComboBinding::LookupComboBinding(QComboBox* editor, Table& table, std::string field,
                                       const Table& list, const std::string& listKey,
                                       const std::string& listText, Prompt& prompt)
    : FieldBinding(editor, table, std::move(field), prompt), m_editor(editor) {
    const int keyPosition = list.fieldIndex(listKey);
    const int textPosition = list.fieldIndex(listText);
    editor->clear();
    for (int row = 0; row < list.recordCount(); ++row) {
        const Value key = list.viewValue(row, keyPosition);
        if (const auto* id = std::get_if<std::int32_t>(&key))
            editor->addItem(displayText(list.viewValue(row, textPosition)), *id);
    }
    connect(editor, &QComboBox::activated, this, [this](int index) {
        write(Value{static_cast<std::int32_t>(m_editor->itemData(index).toInt())});
    });
    refresh();
}

void LookupComboBinding::show(const Value& value) {
    const auto* key = std::get_if<std::int32_t>(&value);
    m_editor->setCurrentIndex(key ? m_editor->findData(*key) : -1);
}

CheckBoxBinding::CheckBoxBinding(QCheckBox* editor, Table& table, std::string field,
                                 bool emptyChecked, Prompt& prompt)
    : FieldBinding(editor, table, std::move(field), prompt), m_editor(editor),
      m_emptyChecked(emptyChecked) {
    connect(editor, &QCheckBox::clicked, this,
            [this](bool checked) { write(Value{static_cast<std::int32_t>(checked ? 1 : 0)}); });
    refresh();
}

void CheckBoxBinding::show(const Value& value) {
    const auto* number = std::get_if<std::int32_t>(&value);
    m_editor->setChecked(number ? *number != 0 : m_emptyChecked);
}

} // namespace rv
