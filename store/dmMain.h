#pragma once

#include "protect/reference_container.h"
#include "store/engine/table.h"
#include "store/ledger_month.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

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

// The confirmation codes of ConfirmPerson; the numbers index the person message list.
enum class ConfirmCode : std::uint8_t {
    Confirmed = 0,
    NameMissing = 1,
    GenderMissing = 2,
    BadBirthDate = 3,
    BadApplicationDate = 4,
    TooEarlyApplication = 5,
    StoreFailed = 6, // the identity could not be stored; the row keeps none
};

struct CalcCache;       // calc/calc_cache.h
struct YearsMonthsDays; // calc/calendar.h
struct LedgerRules;     // calc/ledger_rules.h
struct MonthProvenance; // calc/estimated_figures.h
namespace law {
class LawBook; // calc/law.h
}

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

    // ---- Person (calc/person_confirmation.cpp)
    // Checks the person row (posted or being edited) and gives it its identity once.
    ConfirmCode ConfirmPerson();
    // What the person is told for a confirmation code; a too early application names the
    // earliest date allowed.
    std::string PersonMessage(ConfirmCode code);
    // The day on which the person reaches the pension age of art. 26 ч. 1 (men's by the law in
    // force, women's by birth date);
    // throws UserError when the person has no birth date.
    Date GetPensionAgeDate();

    // ---- Employment periods (calc/periods.cpp)
    // Pre-post hook of cdsExp: refuses a period without both dates or ending before it starts,
    // completes exp_id, exp_person_id, exp_day and exp_day_str.
    void cdsExpBeforePost(Table& table);
    // Stores every period of the open case again, as after a load, so that each is checked and
    // measured again; the first refusal passes on (its period keeps its stored values).
    void RepostPeriods();
    // Age and overlap checks of the current person's periods; builds the ledger when they pass.
    VerifyResult VerifyPeriods(Date birthDate);

    // ---- Earnings ledger (calc/ledger.cpp)
    // Rebuilds the current person's ledger from the periods, keeping typed earnings.
    bool BuildLedger();

    // ---- Reference lookups (calc/lookups.cpp); a miss is never an error
    double GetAvgZpMonth(LedgerMonth month);
    double GetAvgZpYearOfMonth(LedgerMonth month);
    double GetMinZp(LedgerMonth month);
    double GetMaxIncome(Date day);
    double GetMinPens(Date day);
    double GetKoeff(int type);
    // The yearly average wage of `year`, clamped to the table's first and last year; `year`
    // becomes the year used, or 0 when a year inside the range has no row.
    double GetAvgZpForYear(int& year);

    // ---- Monthly evaluation (calc/evaluation.cpp)
    // Pre-post hook of cdsEarning, cdsEarningOpt1 and cdsEarningOpt2.
    void cdsEarningBeforePost(Table& table);
    double CapEarning(int year, int month0, double earning);
    double WageCoefficient(int year, int month0, double earning, double average);
    std::uint16_t CreditedDays(int year, int month0, double earning, double minimum,
                               int coveredDays);

    // ---- Insurance experience and optimisations (calc/experience.cpp, calc/optimisation*.cpp)
    // Whole months of insurance experience and its text "y р. m міс. d дн.".
    void CalcInsuranceExperience(std::int32_t& insuranceMonths, std::string& insuranceText);
    // Whole months of insurance experience gained up to and including `lastDay`.
    std::int32_t InsuranceMonthsUntil(Date lastDay);
    // The last day of the current person's periods; none without periods.
    std::optional<Date> LastExperienceDay();

    // ---- The law in force (calc/law_tables.cpp): the rules of cdsLawRules and cdsWomenAge,
    // read again whenever either table changes.
    const law::LawBook& Law();
    // The rules every ledger month follows; throws UserError when the law book lacks one.
    const LedgerRules& LedgerLawRules();
    // Where the figures a ledger month reads come from, parsed from the program's embedded
    // data once (calc/estimated_figures.cpp).
    const MonthProvenance& EmbeddedMonthProvenance();
    void RunOptimization1();
    void RunOptimization2(std::int32_t& countedMonths, std::int32_t insuranceMonths,
                          double& averageCoefficient, double& sumOfCoefficients);

    // Fixed lists
    Table cdsGender;
    Table cdsMonth;
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
    // The law's dated rules and the women's pension age by birth date (read through calc/law.h)
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
    YearsMonthsDays insuranceExperience(std::optional<Date> lastDay);
    void create();
    // Helpers of the optimisations (calc/optimisation1.cpp).
    // Appends a copy of view row `row` of `source` (the ledger or a working copy) to the working
    // copy `target`, with `earning_num` when given, and posts it.
    void appendLedgerCopy(const Table& source, int row, Table& target,
                          std::optional<std::int32_t> number);

    DataModuleListener* m_listener = nullptr;
    CorePrompt* m_prompt = nullptr;
    StoredReferenceData m_stored;
    ReferenceData m_reference;
    std::int32_t m_currentPersonId = -1;
    std::int32_t m_lastPersonId = 0;
    bool m_superState = false;
    // Reference lookup indexes and ledger field positions, made on first use (calc/).
    std::shared_ptr<CalcCache> m_calcCache;
};

} // namespace rv
