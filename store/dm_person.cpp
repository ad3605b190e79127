#include "calc/calculation.h"
#include "calc/case_entry.h"
#include "calc/messages.h"
#include "calc/pension_dates.h"
#include "engine/errors.h"
#include "store/dmMain.h"

#include <exception>
#include <string>
#include <variant>

namespace rv {

namespace {

// An empty text counts as no value, as an emptied editor leaves it.
bool hasName(const Table& person) {
    const Value name = person.value("person_name");
    const auto* text = std::get_if<std::string>(&name);
    return text && !text->empty();
}

bool hasKnownGender(const Table& person) {
    const Value gender = person.value("person_gender");
    const auto* id = std::get_if<std::int32_t>(&gender);
    return id && (*id == 0 || *id == 1);
}

} // namespace

Date TdMain::GetPensionAgeDate() {
    return pensionAgeDateOf(Law(), cdsPerson.asDate("person_birthdate"),
                            cdsPerson.asInteger("person_gender"));
}

ConfirmCode TdMain::ConfirmPerson() {
    if (!hasName(cdsPerson))
        return ConfirmCode::NameMissing;
    // The birth date comes before the gender.
    if (!cdsPerson.asDate("person_birthdate"))
        return ConfirmCode::BadBirthDate;
    if (!hasKnownGender(cdsPerson))
        return ConfirmCode::GenderMissing;

    const ConfirmCode application =
        confirmApplication(Law(), *cdsPerson.asDate("person_birthdate"),
                           cdsPerson.asInteger("person_gender"), cdsPerson.asDate("person_af_date"));
    if (application != ConfirmCode::Confirmed)
        return application;

    if (!cdsPerson.isNull("person_id"))
        return ConfirmCode::Confirmed;

    try {
        cdsPerson.edit();
        cdsPerson.setValue("person_id", NewPersonId());
        cdsPerson.setValue("person_exp_verified", 0);
        cdsPerson.post();
        ApplyPersonFilter();
    } catch (const std::exception&) {
        cdsPerson.cancel(); // a row that was never stored is dropped
        return ConfirmCode::StoreFailed;
    }
    return ConfirmCode::Confirmed;
}

std::string TdMain::PersonMessage(ConfirmCode code) {
    if (code == ConfirmCode::TooEarlyApplication) {
        try {
            return messages::tooEarlyApplication(formatDate(IncMonth(GetPensionAgeDate(), -1)));
        } catch (const UserError&) {
            // Without a pension age date the plain message stands.
        }
    }
    return messages::kPersonMessages[static_cast<int>(code)];
}

} // namespace rv
