// Editors bound to fields: they show the current row and write what the person types.

#include "scripted_prompt.h"
#include "engine/errors.h"
#include "typing.h"
#include "ui/date_edit.h"
#include "ui/field_binding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

// A person table like cdsPerson with its gender list, and three bound editors on a form.
struct Form {
    Table genders{"genders", {integerField("gender_id"), textField("gender_name", 20)}};
    Table person{"person",
                 {textField("person_name", 20, "Ім'я особи"),
                  dateField("person_birthdate", "Дата народження"), integerField("person_gender")}};
    ScriptedPrompt script;
    QWidget window;
    Prompt prompt{&window, &script};
    QLineEdit* name = new QLineEdit(&window);
    DateEdit* birth = new DateEdit(&window);
    QComboBox* gender = new QComboBox(&window);

    Form() {
        genders.create();
        for (const auto& [id, text] : {std::pair{0, "Чоловік"}, std::pair{1, "Жінка"}}) {
            genders.append();
            genders.setValue("gender_id", id);
            genders.setValue("gender_name", std::string(text));
            genders.post();
        }
        person.create();
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(name);
        layout->addWidget(birth);
        layout->addWidget(gender);
    }

    void bind() {
        new LineEditBinding(name, person, "person_name", prompt);
        new DateEditBinding(birth, person, "person_birthdate", prompt);
        new LookupComboBinding(gender, person, "person_gender", genders, "gender_id", "gender_name",
                               prompt);
        window.show();
    }

    void addPerson(const char* personName, Date birthDate, int genderId) {
        person.append();
        person.setValue("person_name", std::string(personName));
        person.setValue("person_birthdate", birthDate);
        person.setValue("person_gender", genderId);
        person.post();
    }
};

} // namespace

class TestFieldBinding : public QObject {
    Q_OBJECT

private slots:
    void typingStartsTheRowAndWritesTheField();
    void editorsFollowTheCurrentRow();
    void aHalfTypedDateSurvivesOtherEditors();
    void theDropDownWritesTheKey();
    void aRefusedWriteIsShown();
};

void TestFieldBinding::typingStartsTheRowAndWritesTheField() {
    Form form;
    form.bind();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    QCOMPARE(form.person.recordCount(), 0);

    typeText(form.name, QStringLiteral("Оксана"));
    QCOMPARE(form.person.state(), TableState::Insert);
    QCOMPARE(form.person.asText("person_name"), std::string("Оксана"));

    form.birth->lineEdit()->home(false);
    QTest::keyClicks(form.birth->lineEdit(), QStringLiteral("05031958"));
    QCOMPARE(form.person.asDate("person_birthdate"),
             std::optional<Date>(dateFromCivil(1958, 3, 5)));

    // Emptying an editor empties the field: a required field counts as missing again.
    form.name->selectAll();
    QTest::keyClick(form.name, Qt::Key_Backspace);
    QVERIFY(form.person.isNull("person_name"));
    QCOMPARE(form.script.messages.size(), 0);
}

void TestFieldBinding::editorsFollowTheCurrentRow() {
    Form form;
    form.addPerson("Іван", dateFromCivil(1950, 1, 2), 0);
    form.addPerson("Марія", dateFromCivil(1960, 12, 31), 1);
    form.bind();
    QCOMPARE(form.name->text(), QStringLiteral("Марія"));
    QCOMPARE(form.birth->lineEdit()->text(), QStringLiteral("31.12.1960"));
    QCOMPARE(form.gender->currentText(), QStringLiteral("Жінка"));

    form.person.first();
    QCOMPARE(form.name->text(), QStringLiteral("Іван"));
    QCOMPARE(form.birth->lineEdit()->text(), QStringLiteral("02.01.1950"));
    QCOMPARE(form.gender->currentText(), QStringLiteral("Чоловік"));

    form.person.empty();
    QCOMPARE(form.name->text(), QString());
    QVERIFY(form.birth->isBlank());
    QCOMPARE(form.gender->currentIndex(), -1);
}

void TestFieldBinding::aHalfTypedDateSurvivesOtherEditors() {
    Form form;
    form.bind();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    form.birth->lineEdit()->home(false);
    QTest::keyClicks(form.birth->lineEdit(), QStringLiteral("0503"));
    QVERIFY(form.person.isNull("person_birthdate"));
    const QString halfTyped = form.birth->lineEdit()->text();

    typeText(form.name, QStringLiteral("Петро"));
    QCOMPARE(form.birth->lineEdit()->text(), halfTyped);

    form.birth->lineEdit()->setCursorPosition(6);
    QTest::keyClicks(form.birth->lineEdit(), QStringLiteral("1958"));
    QCOMPARE(form.person.asDate("person_birthdate"),
             std::optional<Date>(dateFromCivil(1958, 3, 5)));
}

void TestFieldBinding::theDropDownWritesTheKey() {
    Form form;
    form.bind();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    QCOMPARE(form.gender->count(), 2);
    QCOMPARE(form.gender->currentIndex(), -1); // a person starts without a gender
    QTest::keyClick(form.gender, Qt::Key_Down);
    QTest::keyClick(form.gender, Qt::Key_Down);
    QCOMPARE(form.gender->currentText(), QStringLiteral("Жінка"));
    QCOMPARE(form.person.asInteger("person_gender"), 1);
}

void TestFieldBinding::aRefusedWriteIsShown() {
    Form form;
    form.person.AfterScroll = [](Table&) { throw UserError("Помилка збереження"); };
    form.bind();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    QTest::keyClick(form.name, Qt::Key_A);
    QCOMPARE(form.script.messages.size(), 1);
    QCOMPARE(form.script.messages.first().text, QStringLiteral("Помилка збереження"));
    QCOMPARE(form.script.messages.first().icon, PromptIcon::Warning);
}

QTEST_MAIN(TestFieldBinding)
#include "tst_field_binding.moc"
