// The application object: the top-level error handler and the Ukrainian standard buttons.

#include "scripted_prompt.h"
#include "engine/errors.h"
#include "ui/application.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <stdexcept>

namespace {

// A button whose click handler fails the way a command without its own error handling would.
class FailingButton : public QPushButton {
public:
    explicit FailingButton(bool refusal, QWidget* parent = nullptr)
        : QPushButton(QStringLiteral("Провести розрахунок*"), parent), m_refusal(refusal) {}
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override {
        ++presses;
        if (m_refusal)
            throw rv::UserError("Помилка збереження");
        throw std::runtime_error("unexpected");
    }

private:
    bool m_refusal;
};

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void uncaughtErrorsAreShownAndTheProgramGoesOn_data();
    void uncaughtErrorsAreShownAndTheProgramGoesOn();
    void standardButtonsSpeakUkrainian();
    void fileDialogSpeaksUkrainian();
};

void TestApplication::uncaughtErrorsAreShownAndTheProgramGoesOn_data() {
    QTest::addColumn<bool>("refusal");
    QTest::addColumn<rv::PromptIcon>("icon");
    QTest::addColumn<QString>("text");
    QTest::newRow("a refusal") << true << rv::PromptIcon::Warning
                               << QStringLiteral("Помилка збереження");
    QTest::newRow("another error")
        << false << rv::PromptIcon::Critical
        << QStringLiteral("Сталася непередбачена помилка програми. Дію не виконано; введені дані "
                          "залишилися без змін.");
}

void TestApplication::uncaughtErrorsAreShownAndTheProgramGoesOn() {
    QFETCH(bool, refusal);
    QFETCH(rv::PromptIcon, icon);
    QFETCH(QString, text);

    auto* application = qobject_cast<rv::Application*>(qApp);
    QVERIFY(application);
    QWidget window;
    ScriptedPrompt script;
    auto* prompt = new rv::Prompt(&window, &script);
    application->setPrompt(prompt);
    auto* layout = new QVBoxLayout(&window);
    auto* button = new FailingButton(refusal, &window);
    auto* editor = new QLineEdit(&window);
    layout->addWidget(button);
    layout->addWidget(editor);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages.first().title, QStringLiteral("Равелта"));
    QCOMPARE(script.messages.first().text, text);
    QCOMPARE(script.messages.first().icon, icon);
    // An unexpected failure keeps its own words for whoever looks into it, behind the details.
    QCOMPARE(script.messages.first().details, refusal ? QString() : QStringLiteral("unexpected"));

    // The program goes on: the same command can fail again, and other input still arrives.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->presses, 2);
    QCOMPARE(script.messages.size(), 2);
    QTest::keyClicks(editor, QStringLiteral("1958"));
    QCOMPARE(editor->text(), QStringLiteral("1958"));

    application->setPrompt(nullptr);
}

void TestApplication::standardButtonsSpeakUkrainian() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Равелта"), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Так"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Ні"));
}

// The type column of the file dialog names a folder in Ukrainian; the dialog's own buttons too.
void TestApplication::fileDialogSpeaksUkrainian() {
    QFileIconProvider icons;
    QCOMPARE(icons.type(QFileInfo(QDir::tempPath())), QStringLiteral("Тека"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
             QStringLiteral("Скасувати"));
}

int main(int argc, char** argv) {
    rv::Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
