#include "dmMain.h"

#include "calc/extra_exclusions.h"
#include "calc/messages.h"
#include "engine/errors.h"
#include "engine/table_scopes.h"
#include "store/fixed_lists.h"
#include "store/reference_loading.h"

#include <string>

namespace rv {

namespace {

// The characters a person may type into the ledger's number fields.
constexpr const char* kEarningTypedCharacters = "0123456789.,";

// The ledger's fields; the two working copies carry them too, with unlabelled marks and their
// position field `earning_num` first (optimisation 1) or last (optimisation 2).
enum class LedgerKind { Ledger, Opt1, Opt2 };

std::vector<FieldDef> ledgerFields(const Table& months, const Table& kinds, const Table& exclusions,
                                   LedgerKind kind) {
    const bool working = kind != LedgerKind::Ledger;
    std::vector<FieldDef> fields;
    if (kind == LedgerKind::Opt1)
        fields.push_back(integerField("earning_num"));
    fields.push_back(integerField("earning_id", "", false));
    fields.push_back(integerField("earning_person_id", "", false));
    fields.push_back(integerField("earning_year", "Рік"));
    fields.push_back(lookupField("earning_month_name", "Місяць", true,
                                 {"earning_month", &months, "month_id", "month_name"}));
    fields.push_back(integerField("earning_month", "Місяць", false));
    fields.push_back(floatField("earning_avg_zp", "Середня ЗП по НГ в Україні"));
    fields.push_back(floatField("earning_avg_zp_year", "", false));
    fields.push_back(floatField("earning_min_zp", "Мінімальна ЗП *"));
    fields.push_back(floatField("earning_min_zp_year", "", false));
    fields.push_back(floatField("earning_payment", "Заробіток, грн ***"));
    fields.push_back(floatField("earning_payment_year", "", false));
    fields.push_back(floatField("earning_k", "Коефіцієнт **"));
    fields.push_back(integerField("earning_day", "Зараховано до СС, днів"));
    fields.push_back(integerField("earning_month_day", "", false));
    fields.push_back(textField("earning_opt1", 20,
                               working ? "" : "Враховано заробітки пісоя 1 оптимізаці", false));
    fields.push_back(textField("earning_opt2", 20,
                               working ? "" : "Враховано заробітки пісоя 2 оптимізаці", false));
    // Added after the first version: a file of that version reads them as empty (work, kept).
    fields.push_back(textField("earning_kind", 20, "", false));
    fields.push_back(lookupField("earning_kind_name", "Вид періоду", false,
                                 {"earning_kind", &kinds, "kind_code", "kind_title"}));
    fields.push_back(textField("earning_excl", 20, "", false));
    fields.push_back(lookupField("earning_excl_name", "Виключено", false,
                                 {"earning_excl", &exclusions, "excl_code", "excl_title"}));
    if (kind == LedgerKind::Opt2)
        fields.push_back(integerField("earning_num"));
    return fields;
}

// A dated reference table: begin, end and value (and the coefficient type for cdsKoeff).
std::vector<FieldDef> datedFields(const std::string& prefix, const char* valueLabel,
                                  bool labelled = true) {
    return {dateField(prefix + "_date_begin", labelled ? "Дата початку" : ""),
            dateField(prefix + "_date_end", labelled ? "Дата закінчення" : ""),
            floatField(prefix + "_value", labelled ? valueLabel : "")};
}

std::vector<FieldDef> coefficientFields() {
    std::vector<FieldDef> fields = datedFields("k", "Значення");
    fields.push_back(textField("k_type", 20, "Тип"));
    return fields;
}

// The law's dated rules as packed: every column of the rule files behind the prefix "lr_".
std::vector<FieldDef> lawRuleFields() {
    return {textField("lr_rule_id", 64, "Правило"),
            dateField("lr_date_begin", "Діє з"),
            dateField("lr_date_end", "Діє по"),
            textField("lr_value", 100, "Значення"),
            textField("lr_unit", 200, "Одиниця"),
            textField("lr_act", 400, "Акт"),
            textField("lr_article", 200, "Стаття"),
            textField("lr_quote", 1000, "Текст норми"),
            textField("lr_confidence", 20, "Достовірність"),
            textField("lr_source", 1000, "Джерело")};
}

std::vector<FieldDef> womenAgeFields() {
    return {dateField("wa_birth_date_begin", "Народжені з"),
            dateField("wa_birth_date_end", "Народжені по"),
            integerField("wa_age_years", "Вік, років"), integerField("wa_age_months", "і місяців"),
            textField("wa_source", 1000, "Джерело")};
}

std::vector<FieldDef> parameterFields() {
    FieldDef name = textField("p_name", 250, "Назва параметра");
    name.displayWidth = 50;
    return {name, textField("p_val", 20, "Значення"), textField("p_code", 20, "", false)};
}

} // namespace

TdMain::TdMain(const StoredReferenceData& stored, DataModuleListener* listener)
    : cdsGender("cdsGender", {integerField("gender_id"), textField("gender_name", 20)}),
      cdsMonth("cdsMonth", {integerField("month_id"), textField("month_name", 20)}),
      cdsPeriodKind("cdsPeriodKind", {textField("kind_code", 20), textField("kind_title", 60)}),
      cdsExclusion("cdsExclusion", {textField("excl_code", 20), textField("excl_title", 60)}),
      cdsPerson("cdsPerson",
                {integerField("person_id", "", false), textField("person_name", 100, "Ім'я особи"),
                 dateField("person_birthdate", "Дата народження"),
                 lookupField("person_gender_name", "Стать", true,
                             {"person_gender", &cdsGender, "gender_id", "gender_name"}),
                 integerField("person_gender", "", false),
                 integerField("person_exp_verified", "", false),
                 dateField("person_af_date", "Дата звернення"),
                 // 0: the person keeps every month in Кз; empty (files of the first version)
                 // or 1: the extra exclusions of ст. 40 ч. 1 абз. 3 are made
                 integerField("person_extra_excl", "", false)}),
      cdsExp("cdsExp",
             {integerField("exp_id", "", false), integerField("exp_person_id", "", false),
              dateField("exp_date_begin", "Дата зарахування"),
              dateField("exp_date_finish", "Дата звільнення"), integerField("exp_day", "", false),
              textField("exp_day_str", 20, "Трудовий стаж (р/м/д)"),
              textField("exp_kind", 20, "", false),
              lookupField("exp_kind_name", "Вид періоду", true,
                          {"exp_kind", &cdsPeriodKind, "kind_code", "kind_title"})}),
      cdsEarning("cdsEarning",
                 ledgerFields(cdsMonth, cdsPeriodKind, cdsExclusion, LedgerKind::Ledger)),
      cdsEarningCopy("cdsEarningCopy", {integerField("earning_id", "", false),
                                        floatField("earning_payment", "Заробіток, грн ***")}),
      cdsEarningOpt1("cdsEarningOpt1",
                     ledgerFields(cdsMonth, cdsPeriodKind, cdsExclusion, LedgerKind::Opt1)),
      cdsEarningOpt2("cdsEarningOpt2",
                     ledgerFields(cdsMonth, cdsPeriodKind, cdsExclusion, LedgerKind::Opt2)),
      cdsAvgZpMonth("cdsAvgZpMonth", datedFields("azm", "Середній розмір ЗП по НГ")),
      cdsAvgZpYear("cdsAvgZpYear", datedFields("azy", "Середній розмір ЗП по НГ")),
      cdsMinZP("cdsMinZP", datedFields("mz", "Мінімальна зарплата")),
      cdsKoeff("cdsKoeff", coefficientFields()),
      cdsMinPens("cdsMinPens", datedFields("mp", "Розмір прожиткового мінімуму, грн")),
      cdsParam("cdsParam", parameterFields()),
      cdsMaxIncome("cdsMaxIncome", datedFields("mi", "", false)),
      cdsLawRules("cdsLawRules", lawRuleFields()), cdsWomenAge("cdsWomenAge", womenAgeFields()),
      dsPerson(cdsPerson), dsExp(cdsExp), dsEarning(cdsEarning), dsEarningOpt1(cdsEarningOpt1),
      dsEarningOpt2(cdsEarningOpt2), dsGender(cdsGender), dsMonth(cdsMonth),
      dsAvgZpMonth(cdsAvgZpMonth), dsAvgZpYear(cdsAvgZpYear), dsMinZP(cdsMinZP), dsKoeff(cdsKoeff),
      dsMinPens(cdsMinPens), dsParam(cdsParam), dsMaxIncome(cdsMaxIncome), dsLawRules(cdsLawRules),
      dsWomenAge(cdsWomenAge), m_listener(listener), m_stored(stored) {
    m_superState = false;
    try {
        // The law's texts are read when first asked (LoadLawTables): most starts never need them.
        UnpackReferenceTables(stored, m_reference); // on failure no table is created
    } catch (const ReferenceUnpackError&) {
        throw UserError(messages::kCannotUnpackReference);
    }
    m_currentPersonId = -1;
    m_lastPersonId = 0;
    attachHooks();
    create();
}

void TdMain::attachHooks() {
    cdsPerson.BeforePost = [this](Table&) { ApplyPersonFilter(); };
    cdsPerson.AfterScroll = [this](Table&) { ApplyPersonFilter(); };

    cdsExp.BeforePost = [this](Table& table) { cdsExpBeforePost(table); };
    cdsExp.AfterPost = [this](Table&) {
        if (m_listener)
            m_listener->periodStored();
    };

    cdsEarning.AfterOpen = [](Table& table) {
        for (int i = 0; i < table.fieldCount(); ++i) {
            const FieldDef& field = table.field(i);
            if (field.type == FieldType::Float && !field.isLookup())
                table.setTypedInput(field.name, kEarningTypedCharacters);
        }
    };
    for (Table* ledger : {&cdsEarning, &cdsEarningOpt1, &cdsEarningOpt2})
        ledger->BeforePost = [this](Table& table) { cdsEarningBeforePost(table); };
    cdsEarning.AfterPost = [this](Table&) {
        if (m_listener)
            m_listener->ledgerRowStored();
    };
    dsEarning.OnDataChange = [this] {
        if (m_listener)
            m_listener->ledgerDataChanged();
    };
}

void TdMain::create() {
    cdsGender.create();
    for (std::size_t id = 0; id < kGenderNames.size(); ++id) {
        cdsGender.append();
        cdsGender.setValue("gender_id", static_cast<std::int32_t>(id));
        cdsGender.setValue("gender_name", std::string(kGenderNames[id]));
        cdsGender.post();
    }
    cdsMonth.create();
    for (std::size_t id = 0; id < kMonthNames.size(); ++id) {
        cdsMonth.append();
        cdsMonth.setValue("month_id", static_cast<std::int32_t>(id));
        cdsMonth.setValue("month_name", std::string(kMonthNames[id]));
        cdsMonth.post();
    }

    cdsPeriodKind.create();
    for (const PeriodKindNames& names : kPeriodKinds) {
        cdsPeriodKind.append();
        cdsPeriodKind.setValue("kind_code", std::string(names.code));
        cdsPeriodKind.setValue("kind_title", std::string(names.title));
        cdsPeriodKind.post();
    }
    cdsExclusion.create();
    for (const ExtraExclusion reason : kExtraExclusions) {
        cdsExclusion.append();
        cdsExclusion.setValue("excl_code", std::string(exclusionCode(reason)));
        cdsExclusion.setValue("excl_title", std::string(exclusionTitle(reason)));
        cdsExclusion.post();
    }

    cdsPerson.create();
    cdsExp.create();
    cdsEarning.create();
    cdsEarning.setIndexFieldNames("earning_id");

    for (Table* table :
         {&cdsEarningCopy, &cdsEarningOpt1, &cdsEarningOpt2, &cdsAvgZpMonth, &cdsAvgZpYear,
          &cdsMinZP, &cdsKoeff, &cdsMinPens, &cdsParam, &cdsMaxIncome, &cdsLawRules, &cdsWomenAge})
        table->create();

    FillParamTable(cdsParam, m_reference);
    Table* const referenceTables[] = {&cdsAvgZpMonth, &cdsAvgZpYear, &cdsMinZP,
                                      &cdsKoeff,      &cdsMinPens,   &cdsMaxIncome};
    for (std::size_t i = 0; i < std::size(referenceTables); ++i)
        LoadReferenceText(*referenceTables[i], m_reference.texts[i]); // a rejected text leaves
                                                                      // its table empty
}

void TdMain::LoadLawTables() {
    if (m_lawTablesLoaded)
        return;
    try {
        UnpackLawTexts(m_stored, m_reference);
    } catch (const ReferenceUnpackError&) {
        throw UserError(messages::kCannotUnpackReference);
    }
    for (auto [table, text] : {std::pair{&cdsLawRules, &m_reference.lawTexts[0]},
                               std::pair{&cdsWomenAge, &m_reference.lawTexts[1]}}) {
        const BoundViewsSuspension viewsSuspended(*table); // one refresh of a grid, not one a row
        LoadReferenceText(*table, *text);
    }
    m_lawTablesLoaded = true;
}

std::int32_t TdMain::NewPersonId() {
    return ++m_lastPersonId;
}

void TdMain::ApplyPersonFilter() {
    const std::int32_t personId = cdsPerson.asInteger("person_id"); // 0 without a row or id
    if (personId == m_currentPersonId)
        return;
    const std::string id = std::to_string(personId);
    cdsExp.setFiltered(false);
    cdsExp.setFilter("exp_person_id=" + id);
    cdsExp.setFiltered(true);
    cdsEarning.setFiltered(false);
    cdsEarning.setFilter("earning_person_id=" + id);
    cdsEarning.setFiltered(true);
    m_currentPersonId = personId;
}

void TdMain::AdoptLoadedPersonIds() {
    for (cdsPerson.first(); !cdsPerson.eof(); cdsPerson.next()) {
        if (cdsPerson.isNull("person_id"))
            throw TableError("a person row without identity");
        m_currentPersonId = cdsPerson.asInteger("person_id");
        if (m_currentPersonId >= m_lastPersonId)
            m_lastPersonId = m_currentPersonId + 1;
    }
}

} // namespace rv
