#include "import/reading_builder.h"

#include "calc/messages.h"
#include "import/amount_cells.h"
#include "import/import_messages.h"
#include "import/statement_words.h"

#include <algorithm>

namespace rv::import {

namespace {

bool validMonth(int year, int month) {
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12;
}

} // namespace

std::string formatAmount(double amount) {
    const std::int64_t total = centsOf(amount);
    std::string whole = std::to_string(total / 100);
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(static_cast<std::size_t>(i), " ");
    const int fraction = static_cast<int>(total % 100);
    return whole + "," + (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

std::string monthName(int year, int month) {
    return monthInSentence(ledgerMonthFromCalendar(year, month)) + " р.";
}

void ReadingBuilder::addAmount(int year, int month, double amount, const std::string& employer) {
    if (!validMonth(year, month) || !(amount >= 0))
        return;
    coverYear(year);
    const LedgerMonth key = ledgerMonthFromCalendar(year, month);
    ImportedMonth& entry = m_months[key];
    entry.month = key;
    entry.amount += amount;
    entry.parts.push_back({employer, amount});
    if (amount > 0)
        ++entry.employers;
}

void ReadingBuilder::addExperience(int year, int month, double months) {
    if (!validMonth(year, month) || !(months >= 0))
        return;
    // Printed to hundredths: 0,43 + 0,50 is 0,93, not a binary neighbour of it.
    double& sum = m_experience[ledgerMonthFromCalendar(year, month)];
    sum = std::min(1.0, static_cast<double>(centsOf(sum + months)) / 100);
}

void ReadingBuilder::setExperience(int year, int month, double months) {
    if (!validMonth(year, month) || !(months >= 0))
        return;
    m_yearExperience[ledgerMonthFromCalendar(year, month)] = std::min(1.0, months);
}

void ReadingBuilder::flag(int year, int month, ImportFlagCode code, std::string text) {
    m_result.flags.push_back({year, month, code, std::move(text)});
}

void ReadingBuilder::checkRowTotal(int year, const std::string& where, double sum,
                                   std::optional<double> total) {
    if (total && centsOf(*total) != centsOf(sum))
        flag(year, 0, ImportFlagCode::TotalMismatch,
             where + messages::kImportRowTotalMismatch + formatAmount(sum) +
                 messages::kImportTotalMismatchPrinted + formatAmount(*total));
}

void ReadingBuilder::unread(std::string line) {
    m_result.unread.push_back(std::move(line));
}

void ReadingBuilder::coverYear(int year) {
    if (year < kFirstYear || year > kLastYear)
        return;
    m_result.firstYear = m_result.firstYear == 0 ? year : std::min(m_result.firstYear, year);
    m_result.lastYear = std::max(m_result.lastYear, year);
}

double ReadingBuilder::amountOf(int year, int month) const {
    const auto found = m_months.find(ledgerMonthFromCalendar(year, month));
    return found == m_months.end() ? 0 : found->second.amount;
}

StatementReading ReadingBuilder::finish() {
    for (auto& [key, entry] : m_months) {
        if (const auto year = m_yearExperience.find(key); year != m_yearExperience.end())
            entry.experienceMonths = year->second;
        else if (const auto rows = m_experience.find(key); rows != m_experience.end())
            entry.experienceMonths = rows->second;
        const int month = calendarMonth(key);
        if (entry.amount <= 0) {
            // Experience without wages: kept for the person to see, never as an earning made up.
            if (!entry.experienceMonths || *entry.experienceMonths <= 0)
                continue;
            flag(key.year, month, ImportFlagCode::ZeroEarning,
                 monthName(key.year, month) + messages::kImportZeroEarning);
        }
        if (entry.employers > 1)
            flag(key.year, month, ImportFlagCode::SeveralEmployers,
                 monthName(key.year, month) + messages::kImportSeveralEmployersPrefix +
                     std::to_string(entry.employers) + messages::kImportSeveralEmployersSuffix);
        std::erase_if(entry.parts, [](const MonthPart& part) { return part.amount <= 0; });
        m_result.months.push_back(std::move(entry));
    }
    return std::move(m_result);
}

} // namespace rv::import
