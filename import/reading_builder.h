#pragma once

#include "import/statement_reading.h"

#include <map>
#include <string>

namespace rv::import {

// Gathers what the readers of a statement's rows find: the months' amounts by employer, their
// experience, the flags, the lines left unread and the years covered; `finish` gives the
// reading, each month once, in calendar order.
class ReadingBuilder {
public:
    // A row's amount for a month; amounts of several rows add up. A zero amount is kept only
    // as a month of experience without wages.
    void addAmount(int year, int month, double amount, const std::string& employer);
    // Experience of one row in a month, 0..1; several rows add up to at most one month.
    void addExperience(int year, int month, double months);
    // The month's experience as printed for the whole year, replacing the rows' sum.
    void setExperience(int year, int month, double months);
    void flag(int year, int month, ImportFlagCode code, std::string text);
    // A row's printed total against the sum of its months, flagged where they differ; `where`
    // names the row ("2005 р., роботодавець 12345678").
    void checkRowTotal(int year, const std::string& where, double sum, std::optional<double> total);
    void unread(std::string line);
    void coverYear(int year);

    // The sum of the amounts read for a month so far.
    double amountOf(int year, int month) const;

    StatementReading& result() { return m_result; }
    StatementReading finish();

private:
    StatementReading m_result;
    std::map<LedgerMonth, ImportedMonth> m_months;
    std::map<LedgerMonth, double> m_experience;
    std::map<LedgerMonth, double> m_yearExperience;
};

// "12 345,50" from 12345.5.
std::string formatAmount(double amount);

// "березень 2005 р.".
std::string monthName(int year, int month);

} // namespace rv::import
