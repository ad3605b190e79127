#include "case_builders.h"

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

using testing_support::day;

// What the person panel holds when "Підтвердити" is pressed.
struct PersonForm {
    std::optional<std::string> name;
    const char* birthDate = nullptr;
    std::optional<std::int32_t> gender;
    const char* applicationDate = nullptr;
};

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

class PersonConfirmationTest : public testing::Test {
protected:
    void SetUp() override {
        // The cases below pick birth dates for a pension age of 60 years.
        ASSERT_EQ(dm.reference().PensionAgeMale, 60);
        ASSERT_EQ(dm.reference().PensionAgeFemale, 60);
    }

    TdMain dm;
};

TEST_F(PersonConfirmationTest, ReportsTheFirstFailingCheckInItsOrder) {
    struct Case {
        const char* name;
        PersonForm form;
        ConfirmCode expected;
        const char* applicationDateAfter; // nullptr: no application date
    };
    const std::string name = "Петренко";
    const Case cases[] = {
        {"empty form: the name comes first", {}, ConfirmCode::NameMissing, nullptr},
        {"emptied name",
         {"", "15.03.1945", 0, "16.03.2005"},
         ConfirmCode::NameMissing,
         "16.03.2005"},
        {"name only: the birth date before the gender",
         {name, nullptr, std::nullopt, nullptr},
         ConfirmCode::BadBirthDate,
         nullptr},
        {"no gender",
         {name, "15.03.1945", std::nullopt, "16.03.2005"},
         ConfirmCode::GenderMissing,
         "16.03.2005"},
        {"gender 2",
         {name, "15.03.1945", 2, "16.03.2005"},
         ConfirmCode::GenderMissing,
         "16.03.2005"},
        {"no application date",
         {name, "15.03.1945", 1, nullptr},
         ConfirmCode::BadApplicationDate,
         nullptr},
        {"pension age beyond the calendar",
         {name, "01.01.9950", 0, "01.01.9999"},
         ConfirmCode::BadApplicationDate,
         "01.01.9999"},
        // Born 15.03.1945: the pension age date G is 16.03.2005.
        {"G 16.03.2005, applied one month before",
         {name, "15.03.1945", 0, "16.02.2005"},
         ConfirmCode::Confirmed,
         "16.02.2005"},
        {"G 16.03.2005, applied a day earlier",
         {name, "15.03.1945", 0, "15.02.2005"},
         ConfirmCode::TooEarlyApplication,
         "15.02.2005"},
        {"G 16.03.2005, applied years later",
         {name, "15.03.1945", 1, "01.09.2011"},
         ConfirmCode::Confirmed,
         "01.09.2011"},
        // Born 30.03.1945: G is 31.03.2005 and a month before it is clamped to 28.02.2005.
        {"G 31.03.2005, applied 28.02.2005",
         {name, "30.03.1945", 0, "28.02.2005"},
         ConfirmCode::Confirmed,
         "28.02.2005"},
        {"G 31.03.2005, applied 27.02.2005",
         {name, "30.03.1945", 0, "27.02.2005"},
         ConfirmCode::TooEarlyApplication,
         "27.02.2005"},
    };
    for (const Case& c : cases) {
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

TEST_F(PersonConfirmationTest, TooEarlyApplicationKeepsTheDateAndNamesTheEarliestOne) {
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

TEST_F(PersonConfirmationTest, FirstConfirmationGivesTheIdentityAndFiltersTheCase) {
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

TEST_F(PersonConfirmationTest, ReconfirmingAConfirmedPersonWritesNothing) {
    enterPerson(dm, {"Петренко", "15.03.1945", 0, "16.03.2005"});
    ASSERT_EQ(dm.ConfirmPerson(), ConfirmCode::Confirmed);
    const std::uint64_t changes = dm.cdsPerson.changeCount();

    EXPECT_EQ(dm.ConfirmPerson(), ConfirmCode::Confirmed);
    EXPECT_EQ(dm.cdsPerson.changeCount(), changes);
    EXPECT_EQ(dm.cdsPerson.state(), TableState::Browse);
    EXPECT_EQ(dm.cdsPerson.asInteger("person_id"), 1);
    EXPECT_EQ(dm.lastPersonId(), 1);
}

TEST_F(PersonConfirmationTest, FailedStoreCancelsTheChangeAndLeavesNoIdentity) {
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
class PensionAgeDateTest : public testing::Test {
protected:
    PensionAgeDateTest() {
        m_stored = EmbeddedReferenceData();
        m_femaleAge = EncodeBase64(CipherText("55", ProgramCipherKey(), true));
        m_stored.scalars[4] = m_femaleAge; // S5: PensionAgeFemale
    }

    StoredReferenceData m_stored;
    std::string m_femaleAge;
};

TEST_F(PensionAgeDateTest, AddsTheAgeOfTheGenderToTheDayAfterTheBirthDate) {
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
        {"28.02.1952", 1, "28.02.2007"}, // 29.02.1952 plus 55 years
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

TEST_F(PensionAgeDateTest, RefusesAPersonWithoutBirthDate) {
    TdMain dm(m_stored);
    EXPECT_THROW(dm.GetPensionAgeDate(), UserError); // no person row at all
    enterPerson(dm, {"Петренко", nullptr, 0, "16.03.2005"});
    EXPECT_THROW(dm.GetPensionAgeDate(), UserError);
}

} // namespace
} // namespace rv
