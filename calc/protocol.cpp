#include "protocol.h"

#include "calc/calendar.h"
#include "calc/extra_exclusions.h"
#include "calc/law.h"
#include "calc/law_rule_ids.h"
#include "calc/ledger_rules.h"
#include "calc/list_names.h"
#include "calc/messages.h"
#include "calc/number_format.h"
#include "calc/reference_provenance.h"
#include "calc/rounding.h"
#include "protect/source_flags.h"

#include <algorithm>

namespace rv {

namespace {

namespace ids = law::ids;

constexpr int kKarbovanetsPlaces = 5; // one karbovanets is 0,00001 hryvnia

std::string dateText(const std::optional<Date>& date) {
    return date ? formatDate(*date) : std::string();
}

std::string monthText(LedgerMonth month) {
    const int calendar = calendarMonth(month);
    return (calendar < 10 ? "0" : "") + std::to_string(calendar) + "." + std::to_string(month.year);
}

std::string datesText(const std::optional<Date>& begin, const std::optional<Date>& end) {
    if (!end)
        return messages::kProtocolSince + dateText(begin) + messages::kProtocolUntilNow;
    return dateText(begin) + " – " + dateText(end);
}

// "ст.25 ч.1 абз.5 (A25.VS)" of the rule in force on `day`; empty when none holds.
std::string ruleArticle(const law::LawBook& law, std::string_view id, Date day) {
    const law::Rule* rule = law.inForce(id, day);
    return rule ? rule->article + " (" + rule->id + ")" : std::string();
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        if (!part.empty())
            text += (text.empty() ? "" : "; ") + part;
    return text;
}

class ProtocolBuilder {
public:
    ProtocolBuilder(const Case& open, const Reference& reference, const CalculationResult& result,
                    const ProtocolMaking& making)
        : m_case(open), m_reference(reference), m_result(result), m_making(making),
          m_law(reference.law()) {}

    Protocol build() {
        Protocol protocol;
        protocol.title = messages::kProtocolTitle;
        protocol.madeLine = messages::kProtocolMade + m_making.madeAt + messages::kProtocolProgram +
                            m_making.programVersion;
        if (const auto date = referenceDataDate(m_reference))
            protocol.madeLine += messages::kProtocolReferenceDate + formatDate(*date);
        m_ledger = ledgerMonthViews(m_case.months, m_reference);
        protocol.sections.push_back(personSection(protocol.personName));
        protocol.sections.push_back(experienceSection());
        protocol.sections.push_back(ledgerSection());
        protocol.sections.push_back(formulaSection());
        protocol.sections.push_back(referenceSection());
        protocol.sections.push_back(notesSection());
        protocol.chart = std::move(m_ledger);
        return protocol;
    }

private:
    std::string money(double x) const { return formatFixed(x, 2, m_making.decimalSeparator); }
    // As the earnings grid shows them: kopecks, or five places for karbovanets converted.
    std::string earningText(const LedgerMonthView& month) const {
        const bool karbovanets = isBeforeCurrencyReform(m_reference.ledgerRules(), month.month);
        return formatFixed(month.earning, karbovanets ? kKarbovanetsPlaces : 2,
                           m_making.decimalSeparator);
    }
    // "0.00###": average wages and coefficients, kept to five places.
    std::string upToFivePlaces(double x) const {
        return formatPattern(x, 2, kWageCoefficientPlaces, m_making.decimalSeparator);
    }

    ProtocolFigure panelFigure(ResultField ResultTexts::*field, std::string caption,
                               std::string article) const {
        const ResultField& shown = m_result.texts.*field;
        return {std::move(caption), shown.text, shown.hint, std::move(article), field};
    }

    Date assignment() const { return m_result.assignmentDate; }

    ProtocolSection personSection(std::string& personName) {
        ProtocolSection section{messages::kProtocolPersonSection};
        const CasePerson& person = m_case.person;
        personName = person.name;
        const int gender = person.gender;
        m_gender = gender;
        m_applicationDate = person.applicationDate;
        section.figures = {
            {messages::kProtocolName, personName, {}, {}},
            {messages::kProtocolBirthDate, dateText(person.birthDate), {}, {}},
            {messages::kProtocolGender,
             gender >= 0 && gender < static_cast<int>(kGenderNames.size())
                 ? std::string(kGenderNames[static_cast<std::size_t>(gender)])
                 : std::string(),
             {},
             {}},
            {messages::kProtocolApplicationDate, dateText(m_applicationDate), {}, {}},
            panelFigure(&ResultTexts::pensionFrom, messages::kPensAgeCaption,
                        messages::kArticleAssignment),
            panelFigure(&ResultTexts::rightWay, messages::kRightCaption,
                        m_result.texts.rightWay.hint),
        };
        // The right's figure carries its article as its hint: shown once, as the article.
        section.figures.back().formula.clear();
        return section;
    }

    ProtocolSection experienceSection() {
        ProtocolSection section{messages::kProtocolExperienceSection};
        section.figures = {panelFigure(&ResultTexts::insuranceExperience, messages::kFullSSCaption,
                                       messages::kArticleExperience)};
        ProtocolTable periods{{messages::kProtocolPeriodBegin, messages::kProtocolPeriodEnd,
                               messages::kProtocolPeriodLength, messages::kProtocolPeriodKind},
                              {},
                              {},
                              {3, 3, 3, 6}};
        for (const CasePeriod& period : m_case.periods) {
            // As the period table shows it (years/months/days); none without both dates.
            const std::string length = period.begin && period.finish
                                           ? ExpPeriodLength(*period.begin, *period.finish).text
                                           : std::string();
            periods.rows.push_back({dateText(period.begin), dateText(period.finish), length,
                                    std::string(namesOf(period.kind).title)});
            periods.marks.push_back(RowMark::None);
        }
        section.tableTitles.push_back(messages::kProtocolPeriodsTitle);
        section.tables.push_back(std::move(periods));
        if (!m_result.texts.creditedNote.empty())
            section.paragraphs.push_back(m_result.texts.creditedNote);

        ProtocolTable shortMonths{{messages::kProtocolMonth, messages::kProtocolEarning,
                                   messages::kProtocolCreditedDays, messages::kProtocolMonthDays}};
        const LedgerRules& rules = m_reference.ledgerRules();
        for (const LedgerMonthView& month : m_ledger) {
            if (!isShortCreditedMonth(rules, month.month.year, month.month.month0,
                                      month.creditedDays))
                continue;
            shortMonths.rows.push_back({monthText(month.month), earningText(month),
                                        std::to_string(month.creditedDays),
                                        std::to_string(MonthLength(MonthStart(month.month)))});
            shortMonths.marks.push_back(RowMark::None);
        }
        if (shortMonths.rows.empty()) {
            section.closing.push_back(messages::kProtocolNoShortMonths);
        } else {
            section.tableTitles.push_back(messages::kProtocolShortMonthsTitle);
            section.tables.push_back(std::move(shortMonths));
        }
        return section;
    }

    ProtocolSection ledgerSection() {
        ProtocolSection section{messages::kProtocolLedgerSection};
        section.chart = true;
        section.paragraphs.push_back(messages::kProtocolChartNote);
        section.figures = {
            panelFigure(&ResultTexts::monthsAfterOptimisation1, messages::kSSMonthCaption,
                        messages::kArticleEarnings),
            panelFigure(&ResultTexts::countedMonths, messages::kSSMonth2Caption,
                        messages::kArticleEarnings),
            panelFigure(&ResultTexts::sumOfCoefficients, messages::kSumKCaption,
                        messages::kArticleEarnings),
        };
        ProtocolTable ledger{{messages::kProtocolMonth, messages::kProtocolEarning,
                              messages::kProtocolAverageWage, messages::kProtocolCap,
                              messages::kProtocolCoefficient, messages::kProtocolMark},
                             {},
                             {},
                             {3, 4, 4, 4, 3, 5}};
        for (const LedgerMonthView& month : m_ledger) {
            std::string mark = month.extraExclusion != ExtraExclusion::None
                                   ? std::string(exclusionTitle(month.extraExclusion))
                               : month.excluded    ? messages::kProtocolMarkExcluded
                               : month.earlyWindow ? messages::kProtocolMarkEarly
                               : month.counted     ? messages::kProtocolMarkCounted
                                                   : messages::kProtocolMarkNotCounted;
            if (month.capped)
                mark += messages::kProtocolMarkCapped;
            if (month.minimumWageStands)
                mark += messages::kProtocolMarkMinimumWage;
            ledger.rows.push_back({monthText(month.month), earningText(month),
                                   upToFivePlaces(month.averageWage),
                                   month.cap ? money(*month.cap) : messages::kNotApplicable,
                                   upToFivePlaces(month.coefficient), mark});
            ledger.marks.push_back(month.excluded      ? RowMark::Excluded
                                   : month.earlyWindow ? RowMark::EarlyWindow
                                   : month.counted     ? RowMark::None
                                                       : RowMark::NotCounted);
        }
        if (!m_result.texts.exclusionsNote.empty())
            section.paragraphs.push_back(m_result.texts.exclusionsNote);
        section.tableTitles.push_back(messages::kProtocolLedgerTitle);
        section.tables.push_back(std::move(ledger));
        return section;
    }

    ProtocolSection formulaSection() {
        ProtocolSection section{messages::kProtocolFormulaSection};
        const ResultTexts& panel = m_result.texts;
        const Date day = assignment();
        const Date application = m_applicationDate.value_or(day);
        const std::string_view fullExperience =
            m_gender == 0 ? ids::kFullExperienceMen : ids::kFullExperienceWomen;
        section.figures = {
            panelFigure(&ResultTexts::averageWage, panel.averageWageCaption,
                        ruleArticle(m_law, ids::kAverageWageYears, application)),
            panelFigure(&ResultTexts::individualCoefficient, messages::kEarningKCaption,
                        messages::kArticleIndividualCoefficient),
            panelFigure(&ResultTexts::valuation, messages::kValuationCaption,
                        ruleArticle(m_law, ids::kValuation, day)),
            panelFigure(&ResultTexts::experienceCoefficient, messages::kISSKCaption,
                        joined({ruleArticle(m_law, ids::kValuation, day),
                                ruleArticle(m_law, ids::kExperienceCoefficientCap, day)})),
            panelFigure(&ResultTexts::basicPension, messages::kPensCaption,
                        messages::kArticleBasicPension),
            panelFigure(&ResultTexts::minimumPension,
                        panel.minimumPensionCaption.value_or(messages::kMinPensDesigned),
                        ruleArticle(m_law, ids::kMinimumInSubsistenceMinimums, day)),
            panelFigure(&ResultTexts::minimumPensionAt65, messages::kMinPens65Caption,
                        ruleArticle(m_law, ids::kMinimumAt65Percent, day)),
            panelFigure(&ResultTexts::supplement, messages::kExtraPensCaption,
                        joined({ruleArticle(m_law, ids::kSupplementRate, day),
                                ruleArticle(m_law, fullExperience, day)})),
            panelFigure(&ResultTexts::maximumPension, messages::kMaxPensCaption,
                        joined({ruleArticle(m_law, ids::kCeilingInHryvnias, day),
                                ruleArticle(m_law, ids::kCeilingInSubsistenceMinimums, day)})),
            panelFigure(&ResultTexts::totalPension, messages::kFullPensCaption,
                        joined({messages::kArticleTotal, ruleArticle(m_law, fullExperience, day)})),
        };
        if (panel.averageWageNoteShown)
            section.paragraphs.push_back(panel.averageWageNote);
        if (panel.incompleteNoteShown)
            section.figures.back().value += std::string(" (") + messages::kPensionIncomplete + ")";
        if (!panel.estimatesNote.empty())
            section.paragraphs.push_back(panel.estimatesNote);
        return section;
    }

    // The rows of one monthly table that the counted months read where `uses` says a month
    // reads it; runs of rows with one source as one line.
    template <typename Uses>
    void addMonthFigures(ProtocolTable& table, const char* figure,
                         const std::vector<SourcedRow>& rows, Uses uses) {
        const SourcedRow* runFirst = nullptr;
        const SourcedRow* runLast = nullptr;
        int runRows = 0;
        auto flush = [&] {
            if (!runFirst)
                return;
            table.rows.push_back({figure, datesText(runFirst->begin, runLast->end),
                                  std::to_string(runRows), sourceFlagsText(runFirst->flags),
                                  std::string(runFirst->source)});
            table.marks.push_back(runFirst->flags & kEstimatedFigureFlags ? RowMark::Estimated
                                                                          : RowMark::None);
            runFirst = runLast = nullptr;
            runRows = 0;
        };
        for (const LedgerMonthView& month : m_ledger) {
            if (!month.counted || !uses(month))
                continue;
            const SourcedRow* row = sourcedRowOn(rows, MonthStart(month.month));
            if (!row || row == runLast)
                continue;
            if (runFirst && (row->source != runFirst->source || row->flags != runFirst->flags))
                flush();
            if (!runFirst)
                runFirst = row;
            runLast = row;
            ++runRows;
        }
        flush();
    }

    void addDayFigure(ProtocolTable& table, const char* figure, const std::vector<SourcedRow>& rows,
                      Date day) {
        const SourcedRow* row = sourcedRowOn(rows, day);
        if (!row)
            return;
        table.rows.push_back({figure, datesText(row->begin, row->end), "1",
                              sourceFlagsText(row->flags), std::string(row->source)});
        table.marks.push_back(row->flags & kEstimatedFigureFlags ? RowMark::Estimated
                                                                 : RowMark::None);
    }

    ProtocolSection referenceSection() {
        ProtocolSection section{messages::kProtocolReferenceSection};
        const MonthProvenance& provenance = m_reference.provenance();

        ProtocolTable figures{{messages::kProtocolFigureColumn, messages::kProtocolPeriod,
                               messages::kProtocolRows, messages::kProtocolFlags,
                               messages::kProtocolSource},
                              {},
                              {},
                              {4, 4, 2, 3, 9}};
        if (m_result.baseYear > 0)
            addDayFigure(figures, messages::kFigureBaseAverageWage,
                         referenceProvenance("AvgZpYear.csv"),
                         dateFromCivil(m_result.baseYear, 1, 1));
        if (!m_result.noRight) {
            addDayFigure(figures, messages::kFigureSubsistenceMinimum,
                         referenceProvenance("MinPens.csv"), assignment());
            if (m_result.minimumPension65)
                addDayFigure(figures, messages::kFigureMinimumWageAtAssignment,
                             provenance.minimumWage, assignment());
        }
        const Date creditedByEarningFrom = m_reference.ledgerRules().proportionalCreditFrom;
        addMonthFigures(figures, messages::kFigureMonthAverageWage, provenance.averageWage,
                        [](const LedgerMonthView&) { return true; });
        // Before that day a month's credited days are the days its periods cover.
        addMonthFigures(figures, messages::kFigureMonthMinimumWage, provenance.minimumWage,
                        [&](const LedgerMonthView& month) {
                            return !(MonthStart(month.month) < creditedByEarningFrom);
                        });
        addMonthFigures(figures, messages::kFigureMonthCap, provenance.cap,
                        [](const LedgerMonthView& month) { return month.cap.has_value(); });
        section.tableTitles.push_back(messages::kProtocolFiguresTitle);
        section.tables.push_back(std::move(figures));

        if (!m_result.noRight) {
            section.tableTitles.push_back(messages::kProtocolRulesTitle);
            section.tables.push_back(rulesTable());
        }

        if (m_result.estimated.empty()) {
            section.closing.push_back(messages::kProtocolNoEstimates);
        } else {
            // The panel's line says how many months and which years; the table, from which
            // rows, those with one source as one line.
            section.paragraphs.push_back(m_result.texts.estimatesNote);
            ProtocolTable estimates{{messages::kProtocolFigureColumn, messages::kProtocolPeriod,
                                     messages::kProtocolRows, messages::kProtocolSource},
                                    {},
                                    {},
                                    {4, 4, 2, 11}};
            for (const EstimatedMonths& figure : m_result.estimated) {
                for (std::size_t first = 0; first < figure.rows.size();) {
                    std::size_t last = first;
                    while (last + 1 < figure.rows.size() &&
                           figure.rows[last + 1].source == figure.rows[first].source)
                        ++last;
                    estimates.rows.push_back(
                        {estimatedFigureName(figure.figure),
                         datesText(figure.rows[first].begin, figure.rows[last].end),
                         std::to_string(last - first + 1), std::string(figure.rows[first].source)});
                    estimates.marks.push_back(RowMark::Estimated);
                    first = last + 1;
                }
            }
            section.tableTitles.push_back(messages::kProtocolEstimatesTitle);
            section.tables.push_back(std::move(estimates));
        }
        return section;
    }

    static const char* estimatedFigureName(MonthFigure figure) {
        switch (figure) {
        case MonthFigure::AverageWage:
            return messages::kFigureMonthAverageWage;
        case MonthFigure::MinimumWage:
            return messages::kFigureMonthMinimumWage;
        case MonthFigure::Cap:
            return messages::kFigureMonthCap;
        }
        return "";
    }

    ProtocolTable rulesTable() const {
        ProtocolTable rules{{messages::kProtocolRuleId, messages::kProtocolRuleArticle,
                             messages::kProtocolRuleValue, messages::kProtocolRuleDates,
                             messages::kProtocolRuleConfidence, messages::kProtocolSource},
                            {},
                            {},
                            {4, 3, 3, 4, 3, 7}};
        const Date day = assignment();
        std::vector<const law::Rule*> used;
        auto add = [&](const law::Rule* rule) {
            if (rule && std::find(used.begin(), used.end(), rule) == used.end())
                used.push_back(rule);
        };
        if (m_result.right.path)
            add(m_result.right.path->rule);
        add(m_law.inForce(ids::kAverageWageYears, m_applicationDate.value_or(day)));
        for (const std::string_view id :
             {ids::kValuation, ids::kExperienceCoefficientCap, ids::kMinimumInSubsistenceMinimums,
              m_gender == 0 ? ids::kFullExperienceMen : ids::kFullExperienceWomen,
              ids::kSupplementRate, ids::kMinimumAt65Percent, ids::kMinimumAt65Age,
              ids::kProportionalMinimum, ids::kCeilingInHryvnias,
              ids::kCeilingInSubsistenceMinimums, ids::kEarlyWindowEnd, ids::kEarlyCoefficientCap,
              ids::kMaxIncomeFrom, ids::kProportionalMonthCredit})
            add(m_law.inForce(id, day));
        for (const law::Rule* rule : used) {
            rules.rows.push_back({rule->id, rule->article, rule->value,
                                  datesText(rule->begin, rule->end), rule->confidence,
                                  rule->source});
            rules.marks.push_back(RowMark::None);
        }
        return rules;
    }

    ProtocolSection notesSection() const {
        ProtocolSection section{messages::kProtocolNotesSection};
        for (const char* note : messages::kProtocolNotes)
            section.paragraphs.push_back(note);
        return section;
    }

    const Case& m_case;
    const Reference& m_reference;
    const CalculationResult& m_result;
    const ProtocolMaking& m_making;
    const law::LawBook& m_law;
    std::vector<LedgerMonthView> m_ledger;
    int m_gender = 0;
    std::optional<Date> m_applicationDate;
};

} // namespace

Protocol buildProtocol(const Case& open, const Reference& reference,
                       const CalculationResult& result, const ProtocolMaking& making) {
    return ProtocolBuilder(open, reference, result, making).build();
}

std::optional<Date> referenceDataDate(const Reference& reference) {
    std::optional<Date> newest;
    const auto take = [&newest](const std::optional<Date>& begin) {
        if (begin && (!newest || *newest < *begin))
            newest = *begin;
    };
    const ReferenceRows& rows = reference.rows();
    for (const std::vector<DatedFigure>* table :
         {&rows.averageWageOfMonth, &rows.averageWageOfYear, &rows.minimumWage,
          &rows.subsistenceMinimum, &rows.maximumIncome})
        for (const DatedFigure& row : *table)
            take(row.begin);
    for (const CoefficientRow& row : rows.coefficients)
        take(row.begin);
    return newest;
}

} // namespace rv
