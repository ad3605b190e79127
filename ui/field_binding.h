#pragma once

#include "engine/table.h"

#include <QObject>

#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace rv {

class DateEdit;
class Prompt;

// Keeps an editor showing one field of its table's current row, and writes what the person
// types into that row: the first change starts an edit (a new row when the table is empty).
// A failing write is shown through the prompt layer. The table must outlive the binding, which
// belongs to its editor.
class FieldBinding : public QObject, private TableListener {
    Q_OBJECT
public:
    FieldBinding(QObject* editor, Table& table, std::string field, Prompt& prompt);
    ~FieldBinding() override;

protected:
    Table& table() const { return m_table; }
    void write(const Value& value);
    // Shows the field of the current row; called at binding and after every table change that
    // this binding did not cause itself.
    void refresh();
    virtual void show(const Value& value) = 0;

private:
    void tableChanged(const Table& table, const TableChange& change) override;

    Table& m_table;
    std::string m_field;
    Prompt& m_prompt;
    bool m_writing = false;
};

// A line editor bound to a text field; an emptied line empties the field.
class LineEditBinding : public FieldBinding {
    Q_OBJECT
public:
    LineEditBinding(QLineEdit* editor, Table& table, std::string field, Prompt& prompt);

private:
    void show(const Value& value) override;
    QLineEdit* m_editor;
};

// A date editor bound to a date field; a blank or invalid text empties the field.
class DateEditBinding : public FieldBinding {
    Q_OBJECT
public:
    DateEditBinding(DateEdit* editor, Table& table, std::string field, Prompt& prompt);

private:
    void show(const Value& value) override;
    DateEdit* m_editor;
};

// A drop-down list of a lookup table's rows (shown text `listText`) bound to a key field:
// choosing an item writes that row's `listKey` into the field.
class LookupComboBinding : public FieldBinding {
    Q_OBJECT
public:
    LookupComboBinding(QComboBox* editor, Table& table, std::string field, const Table& list,
                       const std::string& listKey, const std::string& listText, Prompt& prompt);

private:
    void show(const Value& value) override;
    QComboBox* m_editor;
};

// A check box bound to an integer field: checking writes 1, unchecking 0; an empty field shows as
// `emptyChecked`.
class CheckBoxBinding : public FieldBinding {
    Q_OBJECT
public:
    CheckBoxBinding(QCheckBox* editor, Table& table, std::string field, bool emptyChecked,
                    Prompt& prompt);

private:
    void show(const Value& value) override;
    QCheckBox* m_editor;
    bool m_emptyChecked;
};

} // namespace rv
