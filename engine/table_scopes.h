#pragma once

#include "engine/table.h"

#include <string>

// Scope guards over one table: each undoes one temporary change on every way out of its scope.
// Declared one after the other they undo in reverse order, which is the order the hooks expect:
// an unfinished edit is dropped, then the cursor goes back, then the views resume.
namespace rv {

// Returns to the row number current at construction. A row still being edited (its store was
// refused) keeps the cursor where it is; a row number that no longer exists is left alone.
class KeptCursor {
public:
    explicit KeptCursor(Table& table) : m_table(table), m_recNo(table.recNo()) {}
    ~KeptCursor() {
        if (!m_table.isEditing() && m_recNo >= 1 && m_recNo <= m_table.recordCount())
            m_table.setRecNo(m_recNo);
    }
    KeptCursor(const KeptCursor&) = delete;
    KeptCursor& operator=(const KeptCursor&) = delete;

private:
    Table& m_table;
    int m_recNo;
};

// Drops an edit or insert that was not stored (a refused post), so that what follows does not
// try to store it again.
class UnstoredEditDropped {
public:
    explicit UnstoredEditDropped(Table& table) : m_table(table) {}
    ~UnstoredEditDropped() { m_table.cancel(); }
    UnstoredEditDropped(const UnstoredEditDropped&) = delete;
    UnstoredEditDropped& operator=(const UnstoredEditDropped&) = delete;

private:
    Table& m_table;
};

// Switches the table's filter off when the scope ends, whatever filter it set meanwhile.
class FilterOffAtExit {
public:
    explicit FilterOffAtExit(Table& table) : m_table(table) {}
    ~FilterOffAtExit() { m_table.setFiltered(false); }
    FilterOffAtExit(const FilterOffAtExit&) = delete;
    FilterOffAtExit& operator=(const FilterOffAtExit&) = delete;

private:
    Table& m_table;
};

// Puts back the filter text and its on/off state of construction when the scope ends.
class FilterRestored {
public:
    explicit FilterRestored(Table& table)
        : m_table(table), m_filter(table.filter()), m_filtered(table.filtered()) {}
    ~FilterRestored() {
        m_table.setFiltered(false);
        m_table.setFilter(m_filter);
        m_table.setFiltered(m_filtered);
    }
    FilterRestored(const FilterRestored&) = delete;
    FilterRestored& operator=(const FilterRestored&) = delete;

private:
    Table& m_table;
    std::string m_filter;
    bool m_filtered;
};

} // namespace rv
