// Importing earnings in the window as a person does: a statement's text chosen in the file
// dialog, the preview checked and a month unticked, the months accepted at once, and the
// calculation; a cancelled preview and a source without months change nothing.

#include "scripted_prompt.h"
#include "ui/import_dialog.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace rv;

namespace {

// A statement with one line per month: two employers in March 2011, an amount cut by a line
// break in April, and August 1991, which falls between the person's periods and was paid in
// roubles.
const char* const kStatement = "Індивідуальні відомості про застраховану особу\n"
                               "ПІБ: Гнатюк Марʼяна Ігорівна РНОКПП 2623807368\n"
                               "08.1991  11223344  ТОВ «Зоря»  100,00  36,00  1\n"
                               "01.2011  11223344  ТОВ «Зоря»  3 210,00  1 155,60  1\n"
                               "02.2011  11223344  ТОВ «Зоря»  3 210,00  1 155,60  1\n"
                               "03.2011  11223344  ТОВ «Зоря»  2 000,00  720,00  0,5\n"
                               "03.2011  55667788  ПП «Липа»  1 500,50  540,18  0,5\n"
                               "04.2011  55667788  ПП «Липа»  8 923,\n"
                               "05  3 212,30  1\n";

const PersonInput kPerson{QStringLiteral("Петренко"), QStringLiteral("15.03.1963"), 0,
                          QStringLiteral("20.03.2023")};
const QList<PeriodInput> kPeriods = {
    {"01.09.1981", "31.07.1990"}, {"15.10.1991", "30.06.2005"}, {"01.09.2005", "28.02.2023"}};

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void statementIsPreviewedAcceptedAndCalculated();
    void cancelledPreviewChangesNothing();
    void sourceWithoutMonthsSaysWhy();

private:
    TdMain& dm() const { return *m_window->dMain(); }
    double earning(int year, int month0) const;
    QString writeSource(const QByteArray& bytes);
    // Clicks "Імпорт заробітків" with the file dialog answered by `path`, and once the preview
    // opens hands it to `answer`.
    void importFile(const QString& path, const std::function<void(ImportDialog&)>& answer);

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
    QTemporaryDir m_folder;
    bool m_previewSeen = false;
};

void TestImport::initTestCase() {
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_folder.isValid());
}

void TestImport::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
    m_driver->buildLedger(kPerson, kPeriods);
    m_previewSeen = false;
}

void TestImport::cleanup() {
    m_driver.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

double TestImport::earning(int year, int month0) const {
    const int row = m_driver->ledgerRow(year, month0);
    if (row < 0)
        return -1;
    const Value value =
        dm().cdsEarning.viewValue(row, dm().cdsEarning.fieldIndex("earning_payment"));
    const auto* amount = std::get_if<double>(&value);
    return amount ? *amount : 0;
}

QString TestImport::writeSource(const QByteArray& bytes) {
    const QString path = m_folder.filePath(QStringLiteral("statement.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(bytes);
    return path;
}

void TestImport::importFile(const QString& path, const std::function<void(ImportDialog&)>& answer) {
    m_script->fileAnswers.append(path);
    std::function<void()> answerWhenOpen;
    answerWhenOpen = [&] {
        auto* preview = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
        if (!preview) {
            QTimer::singleShot(10, answerWhenOpen);
            return;
        }
        m_previewSeen = true;
        answer(*preview);
        if (preview->isVisible()) // a failed check left it open
            preview->reject();
    };
    QTimer::singleShot(0, answerWhenOpen);
    m_driver->click(m_window->earningsTab->bImportEarnings);
}

void TestImport::statementIsPreviewedAcceptedAndCalculated() {
    m_driver->verifyEarnings();
    importFile(writeSource(kStatement), [&](ImportDialog& preview) {
        QTableWidget* table = preview.tblMonths;
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->item(0, ImportDialog::YearColumn)->text(), QStringLiteral("1991"));
        QCOMPARE(table->item(0, ImportDialog::TickColumn)->checkState(), Qt::Unchecked);
        QVERIFY(!(table->item(0, ImportDialog::TickColumn)->flags() & Qt::ItemIsUserCheckable));
        QVERIFY(table->item(0, ImportDialog::FlagColumn)
                    ->text()
                    .contains(QStringLiteral("не входить до жодного періоду")));
        QCOMPARE(table->item(3, ImportDialog::AmountColumn)->text(), QStringLiteral("3500.50"));
        QVERIFY(table->item(3, ImportDialog::FlagColumn)
                    ->text()
                    .contains(QStringLiteral("кілька роботодавців")));
        QCOMPARE(table->item(4, ImportDialog::AmountColumn)->text(), QStringLiteral("8923.05"));
        QVERIFY(!preview.cbTakeIdentity->isHidden());
        QVERIFY(preview.cbTakeIdentity->text().contains(QStringLiteral("Гнатюк Мар'яна Ігорівна")));
        QVERIFY(!preview.cbTakeIdentity->isChecked());
        // August 1991 was paid in roubles: the conversion is offered, not applied.
        QVERIFY(!preview.cbConvertOldCurrency->isHidden());
        QVERIFY(!preview.cbConvertOldCurrency->isChecked());

        // February 2011 is left out: its row clicked, its tick cleared with the space bar.
        const QRect cell = table->visualRect(table->model()->index(2, ImportDialog::YearColumn));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::keyClick(table, Qt::Key_Left);
        QTest::keyClick(table, Qt::Key_Space);
        QCOMPARE(table->item(2, ImportDialog::TickColumn)->checkState(), Qt::Unchecked);
        QTest::mouseClick(preview.buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QVERIFY(m_previewSeen);
    QCOMPARE(earning(2011, 0), 3210.0);
    QCOMPARE(earning(2011, 1), 0.0);
    QCOMPARE(earning(2011, 2), 3500.5);
    QCOMPARE(earning(2011, 3), 8923.05);
    QCOMPARE(earning(2011, 4), 0.0);
    // The statement's identity is only offered.
    QVERIFY(dm().cdsPerson.value("person_name") == Value(std::string("Петренко")));
    QVERIFY(m_script->messages.isEmpty());

    m_driver->clickTab(m_window->tsCalc);
    m_driver->calculate();
    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(!m_window->calcPanel->edfFullPens->text().isEmpty());
}

void TestImport::cancelledPreviewChangesNothing() {
    importFile(writeSource(kStatement), [](ImportDialog& preview) {
        QTest::mouseClick(preview.buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QVERIFY(m_previewSeen);
    for (int month0 = 0; month0 < 5; ++month0)
        QCOMPARE(earning(2011, month0), 0.0);
}

void TestImport::sourceWithoutMonthsSaysWhy() {
    m_script->fileAnswers.append(writeSource("Довідка без жодної суми\n"));
    m_driver->click(m_window->earningsTab->bImportEarnings);
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages.first().text,
             QStringLiteral("У тексті не знайдено жодного місяця з заробітком: у тексті немає "
                            "жодного числа"));
    QCOMPARE(m_script->messages.first().icon, PromptIcon::Warning);
    QCOMPARE(earning(2011, 0), 0.0);
}

QTEST_MAIN(TestImport)
#include "tst_import.moc"
