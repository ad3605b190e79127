// The person panel's confirmation in the data module: the application date kept as typed, the
// identity given once and the case tables filtered to it, a failed store leaving no identity.
#include "case_builders.h"
#include "person_forms.h"

#include "protect/base64.h"
#include "protect/cipher.h"
#include "store/dmMain.h"
#include "engine/errors.h"
#include "calc/messages.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace rv {
namespace {

using testing_support::ConfirmationCase;
using testing_support::day;
using testing_support::PersonForm;

void enterPerson(TdMain& dm, const PersonForm& form) {
    dm.cdsPerson.append();
    if (form.name)
        dm.cdsPerson.setValue("person_name", *form.name);
    if (form.birthDate)
        dm.cdsPerson.setValue("person_birthdate", day(form.birthDate));
    if (form.gender)
        dm.cdsPerson.setValue("person_gender", *form.gender);
    if (form.applicationDate)
        dm.cdsPerson.setValue("person_af_date", day(form.applicationDate));
}

std::string dateText(const Table& table, const char* field) {
    const auto date = table.asDate(field);
    return date ? formatDate(*date) : "(empty)";
}

class PersonConfirmationAdapterTest : public testing::Test {
protected:
    void SetUp() override {
        // The cases below pick birth dates for a pension age of 60 years.
        ASSERT_EQ(dm.reference().PensionAgeMale, 60);
        ASSERT_EQ(dm.reference().PensionAgeFemale, 60);
    }

    TdMain dm;
};

TEST_F(PersonConfirmationAdapterTest, ReportsTheFirstFailingCheckInItsOrder) {
    for (const ConfirmationCase& c : testing_support::confirmationCases()) {
        SCOPED_TRACE(c.name);
        TdMain fresh;
        enterPerson(fresh, c.form);
        const ConfirmCode code = fresh.ConfirmPerson();
        EXPECT_EQ(static_cast<int>(code), static_cast<int>(c.expected));
        EXPECT_EQ(dateText(fresh.cdsPerson, "person_af_date"),
                  c.applicationDateAfter ? c.applicationDateAfter : "(empty)");
        if (code != ConfirmCode::Confirmed) {
            EXPECT_TRUE(fresh.cdsPerson.isNull("person_id"));
            EXPECT_EQ(fresh.lastPersonId(), 0);
        }
    }
}

TEST_F(PersonConfirmationAdapterTest, TooEarlyApplicationKeepsTheDateAndNamesTheEarliestOne) {
    enterPerson(dm, {"Петренко", "15.03.1945", 0, "01.01.2005"});
    dm.cdsPerson.post();

    EXPECT_EQ(dm.ConfirmPerson(), ConfirmCode::TooEarlyApplication);
    EXPECT_EQ(dateText(dm.cdsPerson, "person_af_date"), "01.01.2005");
    EXPECT_EQ(dm.PersonMessage(ConfirmCode::TooEarlyApplication),
              "Звернутися за призначенням пенсії можна не раніше ніж за місяць до досягнення "
              "пенсійного віку, тобто не раніше 16.02.2005.");

    dm.cdsPerson.edit();
    dm.cdsPerson.setValue("person_af_date", day("16.02.2005"));
    EXPECT_EQ(dm.ConfirmPerson(), ConfirmCode::Confirmed);
    EXPECT_EQ(dm.cdsPerson.asInteger("person_id"), 1);
}

TEST_F(PersonConfirmationAdapterTest, FirstConfirmationGivesTheIdentityAndFiltersTheCase) {
    for (const bool posted : {true, false}) {
        SCOPED_TRACE(posted ? "posted row" : "row still being inserted");
        TdMain fresh;
        enterPerson(fresh, {"Петренко", "15.03.1945", 0, "16.03.2005"});
        if (posted)
            fresh.cdsPerson.post();

        EXPECT_EQ(fresh.ConfirmPerson(), ConfirmCode::Confirmed);
        EXPECT_EQ(fresh.cdsPerson.state(), TableState::Browse);
        EXPECT_EQ(fresh.cdsPerson.recordCount(), 1);
        EXPECT_EQ(fresh.cdsPerson.value("person_id"), Value{1});
        EXPECT_EQ(fresh.cdsPerson.value("person_exp_verified"), Value{0});
        EXPECT_EQ(fresh.currentPersonId(), 1);
        EXPECT_EQ(fresh.cdsExp.filter(), "exp_person_id=1");
        EXPECT_TRUE(fresh.cdsExp.filtered());
        EXPECT_EQ(fresh.cdsEarning.filter(), "earning_person_id=1");
        EXPECT_TRUE(fresh.cdsEarning.filtered());
    }
}

TEST_F(PersonConfirmationAdapterTest, ReconfirmingAConfirmedPersonWritesNothing) {
    enterPerson(dm, {"Петренко", "15.03.1945", 0, "16.03.2005"});
    ASSERT_EQ(dm.ConfirmPerson(), ConfirmCode::Confirmed);
    const std::uint64_t changes = dm.cdsPerson.changeCount();

    EXPECT_EQ(dm.ConfirmPerson(), ConfirmCode::Confirmed);
    EXPECT_EQ(dm.cdsPerson.changeCount(), changes);
    EXPECT_EQ(dm.cdsPerson.state(), TableState::Browse);
    EXPECT_EQ(dm.cdsPerson.asInteger("person_id"), 1);
    EXPECT_EQ(dm.lastPersonId(), 1);
}

TEST_F(PersonConfirmationAdapterTest, FailedStoreCancelsTheChangeAndLeavesNoIdentity) {
    for (const bool posted : {true, false}) {
        SCOPED_TRACE(posted ? "posted row" : "row still being inserted");
        TdMain fresh;
        enterPerson(fresh, {"Петренко", "15.03.1945", 0, "16.03.2005"});
        if (posted)
            fresh.cdsPerson.post();
        fresh.cdsPerson.BeforePost = [](Table&) { throw UserError("refused"); };

        EXPECT_EQ(fresh.ConfirmPerson(), ConfirmCode::StoreFailed);
        EXPECT_EQ(fresh.cdsPerson.state(), TableState::Browse);
        EXPECT_EQ(fresh.cdsPerson.recordCount(), posted ? 1 : 0); // a new row is dropped
        EXPECT_TRUE(fresh.cdsPerson.isNull("person_id"));
        EXPECT_EQ(
            std::string(messages::kPersonMessages[static_cast<int>(ConfirmCode::StoreFailed)]),
            "Помилка збереження");
    }
}

// A data module whose women reach the pension age at 55, so the two ages differ.
class PensionAgeDateAdapterTest : public testing::Test {
protected:
    PensionAgeDateAdapterTest() {
        m_stored = EmbeddedReferenceData();
        m_femaleAge = EncodeBase64(CipherText("55", ProgramCipherKey(), true));
        m_stored.scalars[4] = m_femaleAge; // S5: PensionAgeFemale
    }

    StoredReferenceData m_stored;
    std::string m_femaleAge;
};

TEST_F(PensionAgeDateAdapterTest, AddsTheAgeOfTheGenderToTheDayAfterTheBirthDate) {
    struct Case {
        const char* birthDate;
        std::optional<std::int32_t> gender;
        const char* expected;
    };
    const Case cases[] = {
        {"10.05.1951", 0, "11.05.2011"},
        {"10.05.1951", 1, "11.05.2006"},
        {"10.05.1951", std::nullopt, "11.05.2011"}, // no gender reads as 0
        {"28.02.1952", 0, "29.02.2012"},
        {"28.02.1952", 1, "01.03.2007"}, // 55 reached on 28.02.2007, granted the day after
        {"31.12.1951", 0, "01.01.2012"},
    };
    TdMain dm(m_stored);
    ASSERT_EQ(dm.reference().PensionAgeMale, 60);
    ASSERT_EQ(dm.reference().PensionAgeFemale, 55);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.birthDate) + ", gender " +
                     (c.gender ? std::to_string(*c.gender) : "empty"));
        dm.cdsPerson.empty();
        enterPerson(dm, {"Петренко", c.birthDate, c.gender, nullptr});
        EXPECT_EQ(formatDate(dm.GetPensionAgeDate()), c.expected);
    }
}

TEST_F(PensionAgeDateAdapterTest, RefusesAPersonWithoutBirthDate) {
    TdMain dm(m_stored);
    EXPECT_THROW(dm.GetPensionAgeDate(), UserError); // no person row at all
    enterPerson(dm, {"Петренко", nullptr, 0, "16.03.2005"});
    EXPECT_THROW(dm.GetPensionAgeDate(), UserError);
}

} // namespace
} // namespace rv
