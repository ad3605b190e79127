#pragma once

#include "calc/case.h"
#include "calc/ledger_month.h"
#include "calc/reference.h"
#include "engine/table.h"
#include "protect/reference_container.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// The kind a stored code names; work for an empty or unknown code.
inline PeriodKind kindOrWork(const Value& code) {
    return periodKindOfCode(textOrEmpty(code)).value_or(PeriodKind::Work);
}

// What the data module tells the window; the window implements it (tests record the calls).
class DataModuleListener {
public:
    virtual ~DataModuleListener() = default;
    // A period was stored: refresh the experience total, then mark the case as changed.
    virtual void periodStored() = 0;
    // A ledger row was stored: mark the case as changed and forget the year summary.
    virtual void ledgerRowStored() = 0;
    // The ledger's current row or view changed: refresh the year summary while enabled.
    virtual void ledgerDataChanged() = 0;
};

// Warnings that core operations show to the person (a warning icon, an OK button, the title
// "Равелта"); the window shows them in boxes, the tests and the headless calculator record them.
class CorePrompt {
public:
    virtual ~CorePrompt() = default;
    virtual void warning(const std::string& text) = 0;
    // A file failure: an error icon, an OK button, the title "Равелта", no owner window.
    virtual void error(const std::string& text) = 0;
};

// A prompt that keeps the texts in order instead of showing them: the headless calculator and
// the copies of a case that the what-if variants run on.
class GatheringPrompt : public CorePrompt {
public:
    void warning(const std::string& text) override { texts.push_back(text); }
    void error(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

struct YearsMonthsDays; // calc/calendar.h

// The three outcomes of VerifyPeriods.
struct VerifyResult {
    enum class Outcome { NoPeriods, Refused, LedgerBuilt };
    Outcome outcome = Outcome::NoPeriods;
    bool ageFailure = false;     // Refused: a period starts before the age of 14
    bool overlapFailure = false; // Refused: two periods share a day
    bool ledgerBuilt = false;    // LedgerBuilt: the result of BuildLedger
};

// The data module: owns every table of the program, the person identity counters and the
// super-state flag. Creating it unpacks the reference data and fills the fixed lists and the
// reference tables; it throws UserError when the reference data cannot be unpacked.
class TdMain {
public:
    explicit TdMain(const StoredReferenceData& stored = EmbeddedReferenceData(),
                    DataModuleListener* listener = nullptr);
    TdMain(const TdMain&) = delete;
    TdMain& operator=(const TdMain&) = delete;

    void setListener(DataModuleListener* listener) { m_listener = listener; }
    void setPrompt(CorePrompt* prompt) { m_prompt = prompt; }

    const ReferenceData& reference() const { return m_reference; }
    // The stored reference data this module was made from, so that a copy can be made alike.
    const StoredReferenceData& storedReference() const { return m_stored; }

    // The next person identity; the first of a run is 1.
    std::int32_t NewPersonId();
    // Restricts periods and ledger to the person row under the cursor (0 without one).
    void ApplyPersonFilter();
    // After a case load: walks the person rows, taking each identity as the current one and
    // raising the counter past it. Throws TableError for a person row without identity.
    void AdoptLoadedPersonIds();

    // ---- Case files (store/case_io.cpp)
    // Writes the three case tables (filters switched off and left off) to the case file;
    // false after showing the save error. An earlier file stays whole when the write fails.
    bool SaveCase(const std::string& path);
    // Replaces the case by the file's when the whole file is good; false after showing the
    // open or load error (nothing shown when the file does not exist), the case untouched.
    bool LoadCase(const std::string& path);
    // The three case tables: the person, the periods, the ledger.
    std::array<Table*, 3> caseTables() { return {&cdsPerson, &cdsExp, &cdsEarning}; }
    // Replaces every row of the three case tables by those of their snapshots, filters off, and
    // adopts the loaded person identities. The snapshots are checked already; a pending edit of
    // a case table is stored (or refused by its hook) first.
    void ReplaceCaseRows(std::string_view person, std::string_view periods,
                         std::string_view ledger);

    std::int32_t currentPersonId() const { return m_currentPersonId; }
    std::int32_t lastPersonId() const { return m_lastPersonId; }
    bool superState() const { return m_superState; }
    void setSuperState(bool on) { m_superState = on; }

    // ---- Person (store/dm_person.cpp)
    // Checks the person row (posted or being edited) and gives it its identity once.
    ConfirmCode ConfirmPerson();
    // What the person is told for a confirmation code; a too early application names the
    // earliest date allowed.
    std::string PersonMessage(ConfirmCode code);
    // The day on which the person reaches the pension age of art. 26 ч. 1 (men's by the law in
    // force, women's by birth date);
    // throws UserError when the person has no birth date.
    Date GetPensionAgeDate();

    // ---- Employment periods (store/dm_periods.cpp)
    // Pre-post hook of cdsExp: refuses a period without both dates or ending before it starts,
    // completes exp_id, exp_person_id, exp_day and exp_day_str.
    void cdsExpBeforePost(Table& table);
    // Stores every period of the open case again, as after a load, so that each is checked and
    // measured again; the first refusal passes on (its period keeps its stored values).
    void RepostPeriods();
    // Age and overlap checks of the current person's periods; builds the ledger when they pass.
    VerifyResult VerifyPeriods(Date birthDate);
    // Adds a period to the current person's when the periods with it pass the checks of
    // VerifyPeriods (the person's birth date, no shared day), then rebuilds the ledger keeping its
    // earnings. Throws UserError when they do not; nothing changes then.
    void AddPeriod(const CasePeriod& period);

    // ---- Earnings ledger (store/dm_ledger.cpp)
    // Rebuilds the current person's ledger from the periods, keeping typed earnings.
    bool BuildLedger();

    // ---- Reference lookups (store/dm_reference.cpp); a miss is never an error
    double GetAvgZpMonth(LedgerMonth month);
    double GetAvgZpYearOfMonth(LedgerMonth month);
    double GetMinZp(LedgerMonth month);
    double GetMaxIncome(Date day);
    double GetMinPens(Date day);
    double GetKoeff(int type);
    // The yearly average wage of `year`, clamped to the table's first and last year; `year`
    // becomes the year used, or 0 when a year inside the range has no row.
    double GetAvgZpForYear(int& year);

    // ---- Monthly evaluation (store/dm_evaluation.cpp)
    // Pre-post hook of cdsEarning, cdsEarningOpt1 and cdsEarningOpt2.
    void cdsEarningBeforePost(Table& table);
    double CapEarning(int year, int month0, double earning);
    double WageCoefficient(int year, int month0, double earning, double average);
    std::uint16_t CreditedDays(int year, int month0, double earning, double minimum,
                               int coveredDays);

    // ---- Insurance experience (store/dm_experience.cpp)
    // Whole months of insurance experience and its text "y р. m міс. d дн.".
    void CalcInsuranceExperience(std::int32_t& insuranceMonths, std::string& insuranceText);
    // Whole months of insurance experience gained up to and including `lastDay`.
    std::int32_t InsuranceMonthsUntil(Date lastDay);
    // The last day of the current person's periods; none without periods.
    std::optional<Date> LastExperienceDay();

    // ---- The law in force (store/dm_reference.cpp): the rules of cdsLawRules and cdsWomenAge,
    // read again whenever either table changes.
    const law::LawBook& Law();
    // Fills cdsLawRules and cdsWomenAge from the embedded data the first time; throws UserError
    // when that data cannot be unpacked.
    void LoadLawTables();
    // The rules every ledger month follows; throws UserError when the law book lacks one.
    const LedgerRules& LedgerLawRules();
    // Where the figures a ledger month reads come from, parsed from the program's embedded
    // data once.
    const MonthProvenance& EmbeddedMonthProvenance();
    // The reference tables and the law book as the core reads them, made again whenever one
    // of the tables changes (store/dm_reference.cpp). The pointer keeps a made one alive for
    // whoever still holds it.
    std::shared_ptr<const Reference> CalcReference();

    // ---- The case as a value (store/dm_case.cpp)
    // The current person, its periods and its ledger months in calendar order, read from the
    // tables; the months evaluated as the tables hold them.
    Case CurrentCase();
    // The person row under the cursor, as typed.
    CasePerson CurrentPerson() const;
    // The person wants the extra exclusions of ст. 40 ч. 1 абз. 3 (a file of the first version
    // holds no choice: they are made).
    bool ExtraExclusionsWanted() const;
    // The current person's ledger months in calendar order; a filtered ledger (a year chosen)
    // is left unfiltered.
    std::vector<CaseMonth> CurrentMonths();
    // Writes the months' evaluation and marks back to the current person's ledger rows (those
    // CurrentMonths read, in the same order), one post each.
    void WriteBackMonths(const std::vector<CaseMonth>& months);

    // Fixed lists
    Table cdsGender;
    Table cdsMonth;
    Table cdsPeriodKind; // the kinds of periods: code and title
    Table cdsExclusion;  // the reasons of the extra exclusions: code and title
    // The case
    Table cdsPerson;
    Table cdsExp;
    Table cdsEarning;
    // Working tables
    Table cdsEarningCopy;
    Table cdsEarningOpt1;
    Table cdsEarningOpt2;
    // Reference tables
    Table cdsAvgZpMonth;
    Table cdsAvgZpYear;
    Table cdsMinZP;
    Table cdsKoeff;
    Table cdsMinPens;
    Table cdsParam;
    Table cdsMaxIncome;
    // The law's dated rules and the women's pension age by birth date (read through calc/law.h);
    // empty until LoadLawTables() fills them, which every reader of the law does first.
    Table cdsLawRules;
    Table cdsWomenAge;

    DataSource dsPerson;
    DataSource dsExp;
    DataSource dsEarning;
    DataSource dsEarningOpt1;
    DataSource dsEarningOpt2;
    DataSource dsGender;
    DataSource dsMonth;
    DataSource dsAvgZpMonth;
    DataSource dsAvgZpYear;
    DataSource dsMinZP;
    DataSource dsKoeff;
    DataSource dsMinPens;
    DataSource dsParam;
    DataSource dsMaxIncome;
    DataSource dsLawRules;
    DataSource dsWomenAge;

private:
    void attachHooks();
    void create();
    // The current person's periods, with the period table filtered to them.
    std::vector<CasePeriod> currentPeriods();
    // The view rows of cdsEarning (unfiltered, by earning_id) of the current person's months.
    std::vector<int> CurrentLedgerRows();

    DataModuleListener* m_listener = nullptr;
    CorePrompt* m_prompt = nullptr;
    StoredReferenceData m_stored;
    ReferenceData m_reference;
    std::int32_t m_currentPersonId = -1;
    std::int32_t m_lastPersonId = 0;
    bool m_superState = false;
    bool m_lawTablesLoaded = false;
    // The core's reference, made on first use, and the change counts of the tables it was
    // made from.
    std::shared_ptr<const Reference> m_calcReference;
    std::array<std::uint64_t, 8> m_calcReferenceCounts{};
    std::shared_ptr<const MonthProvenance> m_monthProvenance;
};

} // namespace rv
