// The earnings tab as a person uses it: a ledger built from the periods 10.03.1999-20.12.2005,
// earnings typed, copied and pasted, the year drop-down, the year footer, the red credited days,
// "Очистити" and the hidden Super State switch. The decimal separator is the Ukrainian ",".

#include "store/ledger_summary.h"
#include "case_builders.h"
#include "scripted_prompt.h"
#include "ui/data_grid.h"
#include "ui/earnings_tab.h"
#include "ui/footer_bar.h"
#include "ui/page_control.h"
#include "ui/uMain.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace rv;
using namespace rv::testing_support;

namespace {

constexpr int kBirthYear = 1960;
const char* const kBirthDate = "01.01.1960";
const char* const kFirstDay = "10.03.1999";
const char* const kLastDay = "20.12.2005";
const QColor kGrey(233, 233, 233);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

// A number as the person expects to see it, worked out with Qt's own formatting.
QString localNumber(double value, char format, int precision) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

// "0.00###"-like patterns: rounded to all places, trailing zeros dropped down to the minimum.
QString patternText(double value, int minimum, int maximum) {
    QString text = localNumber(value, 'f', maximum);
    for (int places = maximum; places > minimum && text.endsWith(QLatin1Char('0')); --places)
        text.chop(1);
    return text;
}

} // namespace

class TestEarningsTab : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void gridShowsTheLedgerColumns_data();
    void gridShowsTheLedgerColumns();
    void modelPassesTheModelTester();
    void yearSelectorListsEveryYearOnce();
    void choosingAYearPutsItsJanuaryOnTop_data();
    void choosingAYearPutsItsJanuaryOnTop();
    void typingIntoTheYearSelector_data();
    void typingIntoTheYearSelector();
    void typedEarningIsEvaluatedWhenTheRowIsLeft_data();
    void typedEarningIsEvaluatedWhenTheRowIsLeft();
    void refusedCharactersChangeNothing_data();
    void refusedCharactersChangeNothing();
    void enterMovesToTheNextCell();
    void footerRefreshKeepsTheRowAndTheView();
    void creditedDaysAreRedWhenShortFrom2004_data();
    void creditedDaysAreRedWhenShortFrom2004();
    void copyThenPasteFillsTheNextMonths();
    void pasteOnTheLastMonthStaysThere();
    void pasteRefusesWhatIsNoEarning_data();
    void pasteRefusesWhatIsNoEarning();
    void clearAsksThenZeroesEveryEarning_data();
    void clearAsksThenZeroesEveryEarning();
    void keyReleaseEnablesTheCommandsByTheRowCount_data();
    void keyReleaseEnablesTheCommandsByTheRowCount();
    void superStateStoresTypedValues();
    void optimisationColumnsShowOnlyWhenAsked();
    void footnoteKeepsItsThreeParagraphs();

private:
    TdMain& dm() const { return *m_window->dMain(); }
    Table& ledger() const { return dm().cdsEarning; }
    EarningsTab& tab() const { return *m_window->earningsTab; }
    QTableView* view() const { return tab().grdEarning->view(); }
    QString footer(int column) const { return tab().grdEarning->footer()->cellText(column); }
    Value cell(int row, const char* field) const;
    double number(int row, const char* field) const;
    int rowOf(int year, int month0) const;
    int currentRow() const { return view()->currentIndex().row(); }
    int topRow() const { return view()->rowAt(0); }
    int bottomRow() const { return view()->rowAt(view()->viewport()->height() - 1); }

    void showActive();
    void typeIntoSelector(const QString& keys);
    void chooseFromSelector(const QString& year);
    void clickCell(int row, int column);
    void typeKeys(const QString& keys);
    void verifyEvaluated(int row);

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
};

void TestEarningsTab::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
}

// The ledger is prepared through the core as "Підтвердити стаж" leaves it, then shown.
void TestEarningsTab::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    confirmedPerson(dm(), day(kBirthDate), 0, day("01.01.2020"));
    addPeriod(dm(), day(kFirstDay), day(kLastDay));
    m_window->LedgerRefreshEnabled = false;
    QCOMPARE(dm().VerifyPeriods(day(kBirthDate)).outcome, VerifyResult::Outcome::LedgerBuilt);
    tab().FillYearSelector();
    m_window->LedgerRefreshEnabled = true;
    tab().RefreshYearSummary(true);
    m_window->pcMain->setPageEnabled(m_window->pcMain->indexOf(m_window->tsEarning), true);
    m_window->pcMain->setCurrentPage(m_window->tsEarning);
    m_window->CaseModified = false;
    showActive();
    view()->setFocus();
}

void TestEarningsTab::cleanup() {
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

void TestEarningsTab::showActive() {
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

Value TestEarningsTab::cell(int row, const char* field) const {
    return ledger().viewValue(row, ledger().fieldIndex(field));
}

double TestEarningsTab::number(int row, const char* field) const {
    const Value value = cell(row, field);
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return *integer;
    const auto* real = std::get_if<double>(&value);
    return real ? *real : 0;
}

int TestEarningsTab::rowOf(int year, int month0) const {
    for (int row = 0; row < ledger().recordCount(); ++row)
        if (number(row, "earning_year") == year && number(row, "earning_month") == month0)
            return row;
    return -1;
}

void TestEarningsTab::typeIntoSelector(const QString& keys) {
    QComboBox* selector = tab().cbEarningSelector;
    QTest::mouseClick(selector->lineEdit(), Qt::LeftButton);
    QTest::keyClick(selector->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    for (const QChar key : keys) {
        if (key == QLatin1Char('\b'))
            QTest::keyClick(selector->lineEdit(), Qt::Key_Backspace);
        else
            QTest::keyClick(selector->lineEdit(), key.toLatin1());
    }
}

// Opens the drop-down's list and clicks the year in it.
void TestEarningsTab::chooseFromSelector(const QString& year) {
    QComboBox* selector = tab().cbEarningSelector;
    QTest::keyClick(selector, Qt::Key_F4);
    QAbstractItemView* list = selector->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    const int item = selector->findText(year);
    QVERIFY2(item >= 0, qPrintable(year));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(item, 0)).center());
    QTRY_VERIFY(!list->window()->isVisible());
}

void TestEarningsTab::clickCell(int row, int column) {
    const QRect rect = view()->visualRect(view()->model()->index(row, column));
    QVERIFY2(view()->viewport()->rect().contains(rect.center()),
             qPrintable(QStringLiteral("row %1 is not in view").arg(row)));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(currentRow(), row);
}

// Each key goes to whatever has the focus, as the first key opens the cell editor.
void TestEarningsTab::typeKeys(const QString& keys) {
    for (const QChar key : keys) {
        if (key.unicode() < 0x80)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(key), Qt::NoModifier);
    }
}

// The stored row holds what the core's evaluation makes of its earning.
void TestEarningsTab::verifyEvaluated(int row) {
    const int year = int(number(row, "earning_year"));
    const int month0 = int(number(row, "earning_month"));
    const double earning = number(row, "earning_payment");
    const QString where = QStringLiteral("%1-%2 earning %3").arg(year).arg(month0).arg(earning);
    QVERIFY2(number(row, "earning_k") ==
                 dm().WageCoefficient(year, month0, earning, number(row, "earning_avg_zp")),
             qPrintable(where));
    QVERIFY2(number(row, "earning_day") == dm().CreditedDays(year, month0, earning,
                                                             number(row, "earning_min_zp"),
                                                             int(number(row, "earning_month_day"))),
             qPrintable(where));
}

void TestEarningsTab::gridShowsTheLedgerColumns_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("minDecimals"); // of a float column
    QTest::addColumn<int>("maxDecimals");
    QTest::addColumn<bool>("editable");

    QTest::newRow("year") << 0 << "Рік"
                          << "earning_year" << -1 << -1 << false;
    QTest::newRow("month") << 1 << "Місяць"
                           << "earning_month_name" << -1 << -1 << false;
    QTest::newRow("minimum wage") << 2 << "Мінімальна ЗП по НГ в Україні *"
                                  << "earning_min_zp" << 2 << 2 << false;
    QTest::newRow("average wage") << 3 << "Середня ЗП по НГ в Україні"
                                  << "earning_avg_zp" << 2 << 5 << false;
    QTest::newRow("earning") << 4 << "Заробіток, грн **"
                             << "earning_payment" << 2 << 2 << true;
    QTest::newRow("coefficient") << 5 << "Коефіцієнт ЗП місячний ***"
                                 << "earning_k" << 2 << 5 << false;
    QTest::newRow("credited days") << 6 << "Зараховано до СС, днів *"
                                   << "earning_day" << -1 << -1 << false;
}

void TestEarningsTab::gridShowsTheLedgerColumns() {
    QFETCH(int, column);
    QFETCH(QString, title);
    QFETCH(QString, field);
    QFETCH(int, minDecimals);
    QFETCH(int, maxDecimals);
    QFETCH(bool, editable);

    setEarning(dm(), 2005, 6, 1234.5);
    const int row = rowOf(2005, 6);
    QAbstractItemModel* model = view()->model();
    QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), title);
    QVERIFY(!view()->isColumnHidden(column));

    const QModelIndex index = model->index(row, column);
    const Value value = cell(row, field.toUtf8().constData());
    QString expected;
    if (const auto* real = std::get_if<double>(&value))
        expected = patternText(*real, minDecimals, maxDecimals);
    else if (const auto* integer = std::get_if<std::int32_t>(&value))
        expected = QString::number(*integer);
    else if (const auto* name = std::get_if<std::string>(&value))
        expected = QString::fromStdString(*name);
    QCOMPARE(index.data().toString(), expected);

    QCOMPARE(bool(index.flags() & Qt::ItemIsEditable), editable);
    QCOMPARE(index.data(Qt::BackgroundRole).value<QBrush>().color(), editable ? kWhite : kGrey);
}

void TestEarningsTab::modelPassesTheModelTester() {
    QAbstractItemModelTester tester(view()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    setEarning(dm(), 2003, 4, 700);
    typeIntoSelector(QStringLiteral("2001"));
}

void TestEarningsTab::yearSelectorListsEveryYearOnce() {
    QComboBox* selector = tab().cbEarningSelector;
    QStringList years;
    for (int i = 0; i < selector->count(); ++i)
        years.append(selector->itemText(i));
    QCOMPARE(years, QStringList({"1999", "2000", "2001", "2002", "2003", "2004", "2005"}));
    QCOMPARE(selector->currentText(), QStringLiteral("Оберіть рік"));
    QVERIFY(selector->isEditable());
    QCOMPARE(selector->width(), 123);
    QVERIFY(!ledger().filtered());
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::choosingAYearPutsItsJanuaryOnTop_data() {
    QTest::addColumn<QString>("before"); // the year chosen first, to start from another view
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month0"); // the first month of that year in the ledger

    QTest::newRow("2003, down from 1999") << "1999"
                                          << "2003" << 0;
    QTest::newRow("2001, up from 2005") << "2005"
                                        << "2001" << 0;
    QTest::newRow("1999, from March") << "2003"
                                      << "1999" << 2;
    QTest::newRow("2005, too few months to fill the view") << "1999"
                                                           << "2005" << 0;
}

void TestEarningsTab::choosingAYearPutsItsJanuaryOnTop() {
    QFETCH(QString, before);
    QFETCH(QString, year);
    QFETCH(int, month0);
    const int found = rowOf(year.toInt(), month0);
    QVERIFY(found >= 0);
    chooseFromSelector(before);

    chooseFromSelector(year);

    QCOMPARE(ledger().recNo(), found + 1);
    QCOMPARE(currentRow(), found);
    const int lastRow = ledger().recordCount() - 1;
    if (found + (bottomRow() - topRow()) <= lastRow)
        QCOMPARE(topRow(), found);
    else
        QCOMPARE(bottomRow(), lastRow); // the view ends with the ledger
    QCOMPARE(footer(EarningsTab::YearColumn), year);
    QCOMPARE(footer(EarningsTab::MonthColumn), QStringLiteral("%1 м.").arg(12 - month0));
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::typingIntoTheYearSelector_data() {
    QTest::addColumn<QString>("keys"); // "\b" is Backspace
    QTest::addColumn<int>("year");     // of the row made current; 0: the current row stays
    QTest::addColumn<int>("month0");
    QTest::addColumn<QString>("note"); // beside the selector afterwards

    QTest::newRow("a year of the ledger") << "2003" << 2003 << 0 << "";
    QTest::newRow("a year outside the ledger")
        << "1975" << 0 << 0 << "Року 1975 немає в таблиці заробітків: вона охоплює 1999–2005 роки";
    QTest::newRow("a number that is no year")
        << "20" << 0 << 0 << "Року 20 немає в таблиці заробітків: вона охоплює 1999–2005 роки";
    QTest::newRow("a letter") << "x" << 0 << 0 << "Рік вводять цифрами, наприклад 2003";
    QTest::newRow("nothing left") << "\b" << 0 << 0 << "";
}

void TestEarningsTab::typingIntoTheYearSelector() {
    QFETCH(QString, keys);
    QFETCH(int, year);
    QFETCH(int, month0);
    QFETCH(QString, note);
    const int before = currentRow();

    typeIntoSelector(keys);

    QCOMPARE(currentRow(), year ? rowOf(year, month0) : before);
    QCOMPARE(ledger().recNo(), currentRow() + 1);
    QCOMPARE(tab().lblYearChoice->text(), note);
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::typedEarningIsEvaluatedWhenTheRowIsLeft_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("earning");
    QTest::addColumn<QString>("sumText");

    QTest::newRow("a sum below 10 shows five decimals") << "5,123456" << 5.123456 << "5,12346";
    QTest::newRow("a sum of 10 or more shows two") << "12,5" << 12.5 << "12,50";
    QTest::newRow("typed with a point") << "1500.25" << 1500.25 << "1500,25";
    QTest::newRow("nothing earned") << "0" << 0.0 << "0,00";
}

void TestEarningsTab::typedEarningIsEvaluatedWhenTheRowIsLeft() {
    QFETCH(QString, keys);
    QFETCH(double, earning);
    QFETCH(QString, sumText);
    typeIntoSelector(QStringLiteral("2002"));
    const int row = rowOf(2002, 2);
    clickCell(row, EarningsTab::PaymentColumn);
    const int scrollPosition = view()->verticalScrollBar()->value();

    typeKeys(keys);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);

    QCOMPARE(currentRow(), row + 1);
    QVERIFY(!ledger().isEditing());
    QCOMPARE(number(row, "earning_payment"), earning);
    verifyEvaluated(row);
    QCOMPARE(view()->verticalScrollBar()->value(), scrollPosition);
    double coefficients = 0;
    for (int month0 = 0; month0 < 12; ++month0)
        coefficients += number(rowOf(2002, month0), "earning_k");
    QCOMPARE(footer(EarningsTab::YearColumn), QStringLiteral("2002"));
    QCOMPARE(footer(EarningsTab::MonthColumn), QStringLiteral("12 м."));
    QCOMPARE(footer(EarningsTab::PaymentColumn), sumText);
    QCOMPARE(footer(EarningsTab::CoefficientColumn), patternText(coefficients, 2, 5));
    QVERIFY(m_window->CaseModified);
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::refusedCharactersChangeNothing_data() {
    QTest::addColumn<QString>("refused");
    QTest::newRow("minus") << "-";
    QTest::newRow("plus") << "+";
    QTest::newRow("latin letter") << "e";
    QTest::newRow("cyrillic letter") << "ж";
    QTest::newRow("space") << " ";
}

void TestEarningsTab::refusedCharactersChangeNothing() {
    QFETCH(QString, refused);
    typeIntoSelector(QStringLiteral("2004"));
    const int row = rowOf(2004, 5);
    clickCell(row + 4, EarningsTab::PaymentColumn);
    clickCell(row, EarningsTab::PaymentColumn);

    typeKeys(refused); // neither opens the editor nor changes the month
    QCOMPARE(QApplication::focusWidget(), view());
    QVERIFY(!ledger().isEditing());

    typeKeys(QStringLiteral("7") + refused + QStringLiteral("5"));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("75"));
    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(number(row, "earning_payment"), 75.0);
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::enterMovesToTheNextCell() {
    typeIntoSelector(QStringLiteral("2001"));
    const int row = rowOf(2001, 3);
    clickCell(row, EarningsTab::PaymentColumn);

    // In the earnings column Enter stores the month and goes to the next month's earning.
    typeKeys(QStringLiteral("100"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), view());
    QCOMPARE(view()->currentIndex(), view()->model()->index(row + 1, EarningsTab::PaymentColumn));
    QVERIFY(!ledger().isEditing());
    QCOMPARE(number(row, "earning_payment"), 100.0);
    QTest::keyClick(view(), Qt::Key_Enter);
    QCOMPARE(view()->currentIndex(), view()->model()->index(row + 2, EarningsTab::PaymentColumn));

    // Elsewhere it moves to the next cell.
    clickCell(row, EarningsTab::CoefficientColumn);
    QTest::keyClick(view(), Qt::Key_Enter);
    QCOMPARE(view()->currentIndex(), view()->model()->index(row, EarningsTab::CreditedDaysColumn));
}

void TestEarningsTab::footerRefreshKeepsTheRowAndTheView() {
    chooseFromSelector(QStringLiteral("2000"));
    QCOMPARE(footer(EarningsTab::YearColumn), QStringLiteral("2000"));
    const int scrollPosition = view()->verticalScrollBar()->value();
    const int row = rowOf(2001, 0);
    setEarning(dm(), 2001, 1, 2000);
    QVERIFY(ledger().locate("earning_id", cell(row, "earning_id")));
    clickCell(rowOf(2000, 4), EarningsTab::YearColumn); // back into 2000 after the store

    clickCell(row, EarningsTab::MonthColumn);

    QCOMPARE(ledger().recNo(), row + 1);
    QCOMPARE(view()->verticalScrollBar()->value(), scrollPosition);
    QCOMPARE(footer(EarningsTab::YearColumn), QStringLiteral("2001"));
    QCOMPARE(footer(EarningsTab::PaymentColumn), QStringLiteral("2000,00"));
    QCOMPARE(m_window->SummaryYear, 2001);
}

void TestEarningsTab::creditedDaysAreRedWhenShortFrom2004_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month0");
    QTest::addColumn<double>("ofMinimumWage"); // the earning as a share of the month's minimum
    QTest::addColumn<bool>("red");

    QTest::newRow("February 2004 paid the minimum, 29 days") << 2004 << 1 << 1.0 << false;
    QTest::newRow("February 2004 paid half the minimum") << 2004 << 1 << 0.5 << true;
    QTest::newRow("June 2005 without earning") << 2005 << 5 << 0.0 << true;
    QTest::newRow("December 2005 partly worked, paid the minimum") << 2005 << 11 << 1.0 << false;
    QTest::newRow("May 2003 without earning") << 2003 << 4 << 0.0 << false;
    QTest::newRow("March 1999 partly worked") << 1999 << 2 << 0.0 << false;
}

void TestEarningsTab::creditedDaysAreRedWhenShortFrom2004() {
    QFETCH(int, year);
    QFETCH(int, month0);
    QFETCH(double, ofMinimumWage);
    QFETCH(bool, red);
    const int row = rowOf(year, month0);
    setEarning(dm(), year, month0, ofMinimumWage * number(row, "earning_min_zp"));
    const int days = int(number(row, "earning_day"));

    for (int column = 0; column < view()->model()->columnCount(); ++column) {
        const QVariant colour = view()->model()->index(row, column).data(Qt::ForegroundRole);
        const bool shownRed = colour.isValid() && colour.value<QBrush>().color() == kRed;
        QVERIFY2(shownRed == (red && column == EarningsTab::CreditedDaysColumn),
                 qPrintable(QStringLiteral("column %1, %2 days").arg(column).arg(days)));
    }
    QCOMPARE(isShortCreditedMonth(dm().LedgerLawRules(), year, month0, days), red);
}

void TestEarningsTab::copyThenPasteFillsTheNextMonths() {
    setEarning(dm(), 2002, 2, 1500.5);
    m_window->CaseModified = false;
    typeIntoSelector(QStringLiteral("2002"));
    clickCell(rowOf(2002, 2), EarningsTab::YearColumn);

    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1500,5"));

    const int may = rowOf(2002, 4);
    clickCell(may, EarningsTab::CreditedDaysColumn);
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);

    for (const int row : {may, may + 1}) {
        QCOMPARE(number(row, "earning_payment"), 1500.5);
        verifyEvaluated(row);
    }
    QCOMPARE(number(may + 2, "earning_payment"), 0.0);
    QCOMPARE(currentRow(), may + 2);
    QCOMPARE(ledger().recNo(), may + 3);
    QCOMPARE(footer(EarningsTab::PaymentColumn), QStringLiteral("4501,50"));
    QVERIFY(m_window->CaseModified);
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::pasteOnTheLastMonthStaysThere() {
    typeIntoSelector(QStringLiteral("2005"));
    const int last = ledger().recordCount() - 1;
    clickCell(last, EarningsTab::PaymentColumn);
    QGuiApplication::clipboard()->setText(QStringLiteral("1500"));

    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(number(last, "earning_payment"), 1500.0);
    verifyEvaluated(last);
    QCOMPARE(currentRow(), last);
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::pasteRefusesWhatIsNoEarning_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("reason"); // empty: nothing to paste, nothing said
    QTest::newRow("negative") << "-5"
                              << "«-5» — заробіток не може бути від'ємним";
    QTest::newRow("letters") << "abc"
                             << "«abc» — не сума";
    QTest::newRow("two separators") << "1,2,3"
                                    << "«1,2,3» — більше однієї коми чи крапки";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks") << " \n "
                            << "";
}

void TestEarningsTab::pasteRefusesWhatIsNoEarning() {
    QFETCH(QString, clipboard);
    QFETCH(QString, reason);
    setEarning(dm(), 2002, 2, 300);
    m_window->CaseModified = false;
    typeIntoSelector(QStringLiteral("2002"));
    const int row = rowOf(2002, 2);
    clickCell(row, EarningsTab::PaymentColumn);
    QGuiApplication::clipboard()->setText(clipboard);

    QTest::keyClick(view(), Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(m_script->messages.size(), reason.isEmpty() ? 0 : 1);
    if (!reason.isEmpty()) {
        const MessageRequest& box = m_script->messages.first();
        const QString prefix =
            QStringLiteral("Нічого не вставлено: рядок 1 вставленого тексту не підходить.\n");
        QVERIFY2(box.text.startsWith(prefix + reason), qPrintable(box.text));
        QCOMPARE(box.title, QStringLiteral("Равелта"));
        QCOMPARE(box.icon, PromptIcon::Warning);
    }
    QCOMPARE(number(row, "earning_payment"), 300.0);
    QVERIFY(!ledger().isEditing());
    QCOMPARE(currentRow(), row);
    QVERIFY(!m_window->CaseModified);
}

void TestEarningsTab::clearAsksThenZeroesEveryEarning_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("answered Yes") << true;
    QTest::newRow("answered No") << false;
}

void TestEarningsTab::clearAsksThenZeroesEveryEarning() {
    QFETCH(bool, yes);
    setEarning(dm(), 2002, 2, 1500);
    setEarning(dm(), 2005, 5, 10);
    typeIntoSelector(QStringLiteral("2003"));
    const int current = rowOf(2003, 0);
    clickCell(current, EarningsTab::MonthColumn);
    QTest::keyClick(view(), Qt::Key_Right); // its release enables the tab's commands
    QVERIFY(m_window->aClearEarning->isEnabled());
    QVERIFY(m_window->aVerifyEarning->isEnabled());
    m_window->CaseModified = false;
    m_script->answers.append(yes ? QMessageBox::Yes : QMessageBox::No);

    QTest::mouseClick(tab().bbClearEarning, Qt::LeftButton);

    QCOMPARE(m_script->messages.size(), 1);
    const MessageRequest& question = m_script->messages.first();
    QCOMPARE(question.title, QStringLiteral("Підтвердження"));
    QCOMPARE(question.text, QStringLiteral("Ви дійсно бажаєте очистити заробітки?"));
    QCOMPARE(question.icon, PromptIcon::Question);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(!question.ownedByWindow);

    QCOMPARE(number(rowOf(2002, 2), "earning_payment"), yes ? 0.0 : 1500.0);
    QCOMPARE(number(rowOf(2005, 5), "earning_payment"), yes ? 0.0 : 10.0);
    QCOMPARE(m_window->CaseModified, yes);
    QCOMPARE(m_window->aClearEarning->isEnabled(), !yes);
    QCOMPARE(m_window->aVerifyEarning->isEnabled(), !yes);
    QCOMPARE(ledger().recNo(), current + 1);
    if (!yes)
        return;
    for (int row = 0; row < ledger().recordCount(); ++row) {
        QCOMPARE(number(row, "earning_payment"), 0.0);
        verifyEvaluated(row);
    }
    QCOMPARE(QApplication::focusWidget(), view());
    QTest::keyClick(view(), Qt::Key_Down);
    QVERIFY(m_window->aClearEarning->isEnabled());
    QVERIFY(m_window->aVerifyEarning->isEnabled());
}

void TestEarningsTab::keyReleaseEnablesTheCommandsByTheRowCount_data() {
    QTest::addColumn<bool>("emptyLedger");
    QTest::newRow("a ledger of months") << false;
    QTest::newRow("an empty ledger") << true;
}

void TestEarningsTab::keyReleaseEnablesTheCommandsByTheRowCount() {
    QFETCH(bool, emptyLedger);
    if (emptyLedger)
        ledger().empty();
    m_window->aClearEarning->setEnabled(emptyLedger);
    m_window->aVerifyEarning->setEnabled(emptyLedger);

    QTest::keyClick(view(), Qt::Key_Up);

    QCOMPARE(m_window->aClearEarning->isEnabled(), !emptyLedger);
    QCOMPARE(m_window->aVerifyEarning->isEnabled(), !emptyLedger);
    QCOMPARE(tab().bbClearEarning->isEnabled(), !emptyLedger);
    QCOMPARE(tab().bbVerifyEarnings->isEnabled(), !emptyLedger);
}

void TestEarningsTab::superStateStoresTypedValues() {
    QAbstractItemModel* model = view()->model();
    typeIntoSelector(QStringLiteral("2004"));
    const int row = rowOf(2004, 6);
    QVERIFY(!(model->index(row, EarningsTab::CoefficientColumn).flags() & Qt::ItemIsEditable));

    m_window->aSuperChange->trigger(); // its menu is never shown
    QVERIFY(m_window->aSuperChange->isChecked());
    QVERIFY(dm().superState());
    clickCell(row, EarningsTab::CoefficientColumn);
    typeKeys(QStringLiteral("2,5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeKeys(QStringLiteral("3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);

    QCOMPARE(number(row, "earning_k"), 2.5); // no earning, yet stored as typed
    QCOMPARE(number(row, "earning_day"), 3.0);

    m_window->aSuperChange->trigger();
    QVERIFY(!m_window->aSuperChange->isChecked());
    QVERIFY(!dm().superState());
    QVERIFY(!(model->index(row, EarningsTab::CoefficientColumn).flags() & Qt::ItemIsEditable));
    QVERIFY(!(model->index(row, EarningsTab::CreditedDaysColumn).flags() & Qt::ItemIsEditable));
    QVERIFY(m_script->messages.isEmpty());
}

void TestEarningsTab::optimisationColumnsShowOnlyWhenAsked() {
    for (const int column : {EarningsTab::Optimisation1Column, EarningsTab::Optimisation2Column})
        QVERIFY(view()->isColumnHidden(column));
    QCOMPARE(view()->model()->headerData(EarningsTab::Optimisation1Column, Qt::Horizontal),
             QVariant(QStringLiteral("Враховано заробітки до 07-2000 після оптимізації")));
    QCOMPARE(view()->model()->headerData(EarningsTab::Optimisation2Column, Qt::Horizontal),
             QVariant(QStringLiteral("Виключено заробітки після оптимізації")));

    tab().setOptimisationColumnsVisible(true);
    for (const int column : {EarningsTab::Optimisation1Column, EarningsTab::Optimisation2Column})
        QVERIFY(!view()->isColumnHidden(column));
}

// One paragraph for each starred column title; numbers with a decimal comma, the law as
// №1058-IV, no double blanks.
void TestEarningsTab::footnoteKeepsItsThreeParagraphs() {
    const QString text = tab().Label3->text();
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    QCOMPARE(paragraphs.size(), 3);
    QVERIFY(paragraphs[0].startsWith(QStringLiteral("* Дані використовуються в розрахунку")));
    QVERIFY(paragraphs[0].contains(QStringLiteral("менший за мінімальну ЗП")));
    QVERIFY(
        paragraphs[0].endsWith(QStringLiteral("(частина 3 статті 24 Закону України №1058-IV).")));
    QVERIFY(paragraphs[1].startsWith(QStringLiteral("** Заробіток вводять у гривнях.")));
    QVERIFY(paragraphs[1].contains(QStringLiteral("множенням на 0,00001")));
    QVERIFY(paragraphs[2].startsWith(QStringLiteral("*** Розраховується як відношення")));
    QVERIFY(
        paragraphs[2].contains(QStringLiteral("не може перевищувати 5,6 (частина 2 статті 41")));
    QVERIFY(paragraphs[2].contains(QStringLiteral("згідно з довідником")));
    QVERIFY(!text.contains(QStringLiteral("  ")));
    QVERIFY(!text.contains(QStringLiteral("1058-1")));
}

QTEST_MAIN(TestEarningsTab)
#include "tst_earnings_tab.moc"
