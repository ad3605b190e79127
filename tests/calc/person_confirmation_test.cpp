// The person's confirmation (ст. 45: at most a month before the pension age) and the pension age
// date of ст. 26, on values.
#include "calc/case_entry.h"

#include "person_forms.h"
#include "value_cases.h"

#include "calc/calculation.h"
#include "calc/messages.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace rv {
namespace {

using testing_support::day;
using testing_support::lawReference;
using testing_support::PersonForm;

// The person the form gives; a missing gender is neither a man nor a woman.
CasePerson personOf(const PersonForm& form) {
    CasePerson person;
    person.name = form.name.value_or("");
    if (form.birthDate)
        person.birthDate = day(form.birthDate);
    person.gender = form.gender.value_or(-1);
    if (form.applicationDate)
        person.applicationDate = day(form.applicationDate);
    return person;
}

const law::LawBook& law() {
    return lawReference()->law();
}

TEST(PersonConfirmationTest, ReportsTheFirstFailingCheckInItsOrder) {
    for (const testing_support::ConfirmationCase& c : testing_support::confirmationCases()) {
        SCOPED_TRACE(c.name);
        const ConfirmCode code = confirmPerson(personOf(c.form), law());
        EXPECT_EQ(static_cast<int>(code), static_cast<int>(c.expected));
    }
}

TEST(PersonConfirmationTest, TooEarlyApplicationNamesTheEarliestDay) {
    CasePerson person = personOf({"Петренко", "15.03.1945", 0, "01.01.2005"});

    EXPECT_EQ(confirmPerson(person, law()), ConfirmCode::TooEarlyApplication);
    EXPECT_EQ(personMessage(ConfirmCode::TooEarlyApplication, person, law()),
              "Звернутися за призначенням пенсії можна не раніше ніж за місяць до досягнення "
              "пенсійного віку, тобто не раніше 16.02.2005.");

    person.applicationDate = day("16.02.2005");
    EXPECT_EQ(confirmPerson(person, law()), ConfirmCode::Confirmed);
}

// ст. 26 ч. 5: from 2028 forty years give the right at any age, so a person under the pension
// age is not refused at confirmation; before 2028 they still are.
TEST(PersonConfirmationTest, FromTheRightAtAnyAgeAnApplicationBeforeThePensionAgeIsTaken) {
    EXPECT_EQ(confirmPerson(personOf({"Петренко", "10.05.1971", 0, "15.02.2028"}), law()),
              ConfirmCode::Confirmed);
    EXPECT_EQ(confirmPerson(personOf({"Петренко", "10.05.1970", 0, "15.12.2027"}), law()),
              ConfirmCode::TooEarlyApplication);
}

TEST(PersonConfirmationTest, EveryOtherCodeHasItsPlainMessage) {
    const CasePerson person = personOf({"Петренко", "15.03.1945", 0, "01.01.2005"});
    EXPECT_EQ(personMessage(ConfirmCode::StoreFailed, person, law()), "Помилка збереження");
    EXPECT_EQ(personMessage(ConfirmCode::NameMissing, person, law()),
              messages::kPersonMessages[static_cast<int>(ConfirmCode::NameMissing)]);
}

// ст. 26 ч. 1: 60 years for a man; for a woman born in 1951 or early 1952, 55 by the law book's
// table of women's ages.
TEST(PensionAgeDateTest, AddsTheAgeOfTheGenderToTheDayAfterTheBirthDate) {
    struct Case {
        const char* birthDate;
        int gender;
        const char* expected;
    };
    const Case cases[] = {
        {"10.05.1951", 0, "11.05.2011"},
        {"10.05.1951", 1, "11.05.2006"},
        {"28.02.1952", 0, "29.02.2012"},
        {"28.02.1952", 1, "01.03.2007"}, // 55 reached on 28.02.2007, granted the day after
        {"31.12.1951", 0, "01.01.2012"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.birthDate) + ", gender " + std::to_string(c.gender));
        EXPECT_EQ(formatDate(pensionAgeDateOf(law(), day(c.birthDate), c.gender)), c.expected);
    }
}

TEST(PensionAgeDateTest, RefusesAPersonWithoutBirthDate) {
    EXPECT_THROW(pensionAgeDateOf(law(), std::nullopt, 0), UserError);
}

} // namespace
} // namespace rv
