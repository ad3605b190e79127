// The prompt layer: the title, icon and button rules of the program's boxes, and the command
// helper that turns a failed command into a box.

#include "scripted_prompt.h"
#include "ui/command.h"
#include "ui/prompt.h"

#include <QWidget>
#include <QtTest>

#include <stdexcept>

using rv::PromptIcon;

Q_DECLARE_METATYPE(QMessageBox::StandardButtons)

namespace {

enum class Ask { Information, Warning, CoreWarning, Error, CoreError, YesNo, Confirm, Plain };

} // namespace

Q_DECLARE_METATYPE(Ask)

class TestPrompt : public QObject {
    Q_OBJECT

private slots:
    void boxesFollowTheTitleAndIconRules_data();
    void boxesFollowTheTitleAndIconRules();
    void questionsAreTrueOnlyForYes_data();
    void questionsAreTrueOnlyForYes();
    void fileDialogsPassTheRequestAndTheChoice();
    void commandsShowTheirFailures_data();
    void commandsShowTheirFailures();
};

void TestPrompt::boxesFollowTheTitleAndIconRules_data() {
    QTest::addColumn<Ask>("ask");
    QTest::addColumn<QString>("title");
    QTest::addColumn<PromptIcon>("icon");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<bool>("ownedByWindow");

    const QString program = QStringLiteral("Равелта");
    const QMessageBox::StandardButtons ok = QMessageBox::Ok;
    const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
    QTest::newRow("information after a save")
        << Ask::Information << program << PromptIcon::Information << ok << true;
    QTest::newRow("warning for refused input")
        << Ask::Warning << program << PromptIcon::Warning << ok << true;
    QTest::newRow("core warning") << Ask::CoreWarning << program << PromptIcon::Warning << ok
                                  << true;
    QTest::newRow("error for a file failure, no owner")
        << Ask::Error << program << PromptIcon::Critical << ok << false;
    QTest::newRow("core error") << Ask::CoreError << program << PromptIcon::Critical << ok << false;
    QTest::newRow("question about changed data")
        << Ask::YesNo << program << PromptIcon::Question << yesNo << true;
    QTest::newRow("clear confirmation, owned by the application")
        << Ask::Confirm << QStringLiteral("Підтвердження") << PromptIcon::Question << yesNo
        << false;
    // Plain boxes carry the program file's base name: here the test's own.
    QTest::newRow("plain box") << Ask::Plain << QStringLiteral("tst_prompt") << PromptIcon::None
                               << ok << true;
}

void TestPrompt::boxesFollowTheTitleAndIconRules() {
    QFETCH(Ask, ask);
    QFETCH(QString, title);
    QFETCH(PromptIcon, icon);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(bool, ownedByWindow);

    QWidget window;
    ScriptedPrompt script;
    rv::Prompt prompt(&window, &script);
    rv::CorePrompt& core = prompt;
    const QString text = QStringLiteral("Текст повідомлення");
    switch (ask) {
    case Ask::Information:
        prompt.information(text);
        break;
    case Ask::Warning:
        prompt.warning(text);
        break;
    case Ask::CoreWarning:
        core.warning(text.toStdString());
        break;
    case Ask::Error:
        prompt.error(text);
        break;
    case Ask::CoreError:
        core.error(text.toStdString());
        break;
    case Ask::YesNo:
        prompt.askYesNo(text);
        break;
    case Ask::Confirm:
        prompt.confirm(text);
        break;
    case Ask::Plain:
        prompt.plain(text);
        break;
    }

    QCOMPARE(script.messages.size(), 1);
    const rv::MessageRequest& shown = script.messages.first();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.icon, icon);
    QCOMPARE(shown.buttons, buttons);
    QCOMPARE(shown.ownedByWindow, ownedByWindow);
    QCOMPARE(script.parents.first(), &window);
}

void TestPrompt::questionsAreTrueOnlyForYes_data() {
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("expected");
    for (bool confirmation : {false, true}) {
        const char* kind = confirmation ? "confirm" : "askYesNo";
        QTest::addRow("%s, Yes", kind) << confirmation << QMessageBox::Yes << true;
        QTest::addRow("%s, No", kind) << confirmation << QMessageBox::No << false;
        QTest::addRow("%s, box closed", kind) << confirmation << QMessageBox::NoButton << false;
    }
}

void TestPrompt::questionsAreTrueOnlyForYes() {
    QFETCH(bool, confirmation);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, expected);

    ScriptedPrompt script;
    script.answers = {answer};
    rv::Prompt prompt(nullptr, &script);
    const QString text = QStringLiteral("Ви дійсно бажаєте очистити стаж?");
    const bool result = confirmation ? prompt.confirm(text) : prompt.askYesNo(text);
    QCOMPARE(result, expected);
    // The clear confirmations keep No as the default, the one safe answer.
    QCOMPARE(script.messages.first().defaultButton,
             confirmation ? QMessageBox::No : QMessageBox::NoButton);
}

void TestPrompt::fileDialogsPassTheRequestAndTheChoice() {
    ScriptedPrompt script;
    script.fileAnswers = {QStringLiteral("/tmp/case.csf"), std::nullopt};
    rv::Prompt prompt(nullptr, &script);
    rv::FileRequest request;
    request.mode = rv::FileRequest::Mode::Save;
    request.filter = QStringLiteral("Збережені файли калькулятора (*.csf)");
    request.defaultSuffix = QStringLiteral("csf");

    QCOMPARE(prompt.chooseFile(request), std::optional<QString>(QStringLiteral("/tmp/case.csf")));
    QCOMPARE(prompt.chooseFile(request), std::optional<QString>());
    QCOMPARE(script.files.size(), 2);
    QCOMPARE(script.files.first().mode, rv::FileRequest::Mode::Save);
    QCOMPARE(script.files.first().filter, request.filter);
    QCOMPARE(script.files.first().defaultSuffix, request.defaultSuffix);
}

void TestPrompt::commandsShowTheirFailures_data() {
    QTest::addColumn<int>("failure"); // 0 none, 1 refusal, 2 other exception
    QTest::addColumn<bool>("ranToEnd");
    QTest::addColumn<PromptIcon>("icon");
    QTest::newRow("a command that succeeds shows nothing") << 0 << true << PromptIcon::None;
    QTest::newRow("a refusal is a warning") << 1 << false << PromptIcon::Warning;
    QTest::newRow("any other error is an error") << 2 << false << PromptIcon::Critical;
}

void TestPrompt::commandsShowTheirFailures() {
    QFETCH(int, failure);
    QFETCH(bool, ranToEnd);
    QFETCH(PromptIcon, icon);

    ScriptedPrompt script;
    rv::Prompt prompt(nullptr, &script);
    const char* text = "Дата зарахування не може бути більшою за дату звільнення";
    bool after = false;
    const bool result = rv::runCommand(prompt, [&] {
        if (failure == 1)
            throw rv::UserError(text);
        if (failure == 2)
            throw std::runtime_error(text);
        after = true;
    });

    QCOMPARE(result, ranToEnd);
    QCOMPARE(after, ranToEnd);
    QCOMPARE(script.messages.size(), failure == 0 ? 0 : 1);
    if (failure != 0) {
        QCOMPARE(script.messages.first().title, QStringLiteral("Равелта"));
        QCOMPARE(script.messages.first().icon, icon);
        // A refusal speaks for itself; any other error is told in the program's words, its own
        // text kept behind the box's details.
        if (failure == 1) {
            QCOMPARE(script.messages.first().text, QString::fromUtf8(text));
            QVERIFY(script.messages.first().details.isEmpty());
        } else {
            QVERIFY(script.messages.first().text.startsWith(
                QStringLiteral("Сталася непередбачена помилка програми.")));
            QCOMPARE(script.messages.first().details, QString::fromUtf8(text));
        }
    }
}

QTEST_MAIN(TestPrompt)
#include "tst_prompt.moc"
