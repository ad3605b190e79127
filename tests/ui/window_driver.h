#pragma once

// Drives the main window through a whole case the way a person does: clicks on the real widgets
// and key presses into whatever holds the focus. Used by the stage, workflow and latency tests.

#include "typing.h"
#include "ui/calc_panel.h"
#include "ui/data_grid.h"
#include "ui/date_edit.h"
#include "ui/earnings_tab.h"
#include "ui/experience_tab.h"
#include "ui/page_control.h"
#include "ui/person_panel.h"
#include "ui/uMain.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <utility>

// A person as typed into the panel; dates "dd.MM.yyyy", gender 0 man, 1 woman, -1 none.
struct PersonInput {
    QString name;
    QString birthDate;
    int gender = -1;
    QString applicationDate;
};

// One employment period, dates "dd.MM.yyyy".
using PeriodInput = std::pair<QString, QString>;

class WindowDriver {
public:
    explicit WindowDriver(rv::TfrmMain& window) : m_window(window) {}

    rv::TfrmMain& window() const { return m_window; }
    rv::TdMain& dm() const { return *m_window.dMain(); }
    QTableView* periodView() const { return m_window.experienceTab->grdExp->view(); }
    QTableView* ledgerView() const { return m_window.earningsTab->grdEarning->view(); }
    bool isEnabled(QWidget* page) const {
        return m_window.pcMain->isPageEnabled(m_window.pcMain->indexOf(page));
    }

    void showActive() {
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        QVERIFY(QTest::qWaitForWindowActive(&m_window));
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // Each key to the widget holding the focus, so that a first key may open a cell editor.
    void typeKeys(const QString& keys) {
        for (const QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

    // Each character to whatever holds the focus then, Cyrillic too: a first letter on a period's
    // kind opens its list, which takes the rest.
    void typeIntoFocus(const QString& text) {
        for (const QChar character : text)
            typeText(QApplication::focusWidget(), QString(character));
    }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // Replaces the editor's text; an empty text empties it.
    void retype(QLineEdit* editor, const QString& text) {
        click(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        typeText(editor, text);
    }

    // Types the digits of a date into the mask from its start; an empty text blanks the line.
    void typeDate(rv::DateEdit* editor, const QString& date) {
        QLineEdit* line = editor->lineEdit();
        click(line);
        if (date.isEmpty()) {
            QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(line, Qt::Key_Backspace);
            return;
        }
        QTest::keyClick(line, Qt::Key_Home);
        QTest::keyClicks(line, QString(date).remove(QLatin1Char('.')));
    }

    // Home picks the first gender of the list, End the last.
    void chooseGender(int gender) {
        QComboBox* list = m_window.gbPers->cbehPersonGender;
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, gender == 0 ? Qt::Key_Home : Qt::Key_End);
    }

    void fillPerson(const PersonInput& person) {
        rv::PersonPanel& panel = *m_window.gbPers;
        if (!person.name.isEmpty())
            retype(panel.edtehPersonName, person.name);
        if (!person.birthDate.isEmpty())
            typeDate(panel.dtehPersBirthdate, person.birthDate);
        if (person.gender >= 0)
            chooseGender(person.gender);
        if (!person.applicationDate.isEmpty())
            typeDate(panel.dtehPersonZvernennya, person.applicationDate);
    }

    void confirmPerson() { click(m_window.gbPers->bbSavePerson); }

    void clickTab(QWidget* page) {
        rv::TabStrip* tabs = m_window.pcMain->tabStrip();
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(m_window.pcMain->indexOf(page)).center());
    }

    void clickCell(QTableView* view, int row, int column) {
        const QRect cell = view->visualRect(view->model()->index(row, column));
        QVERIFY2(
            view->viewport()->rect().contains(cell.center()),
            qPrintable(QStringLiteral("row %1 column %2 is out of view").arg(row).arg(column)));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void clickTitle(QTableView* view, int column) {
        QHeaderView* titles = view->horizontalHeader();
        const QPoint at(titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2,
                        titles->height() / 2);
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, at);
    }

    // Appends the periods to the grid: each typed with Tab between the dates and stored by
    // Enter past its last cell, which opens the next new row; leaving the grid drops that one.
    void typePeriods(const QList<PeriodInput>& periods) {
        QTableView* view = periodView();
        const int rows = view->model()->rowCount();
        if (rows == 0) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        } else {
            clickCell(view, rows - 1, 0);
            press(Qt::Key_Down);
        }
        for (const auto& [begin, finish] : periods) {
            typeKeys(QString(begin).remove(QLatin1Char('.')));
            press(Qt::Key_Tab);
            typeKeys(QString(finish).remove(QLatin1Char('.')));
            press(Qt::Key_Return);
            press(Qt::Key_Return);
        }
    }

    // On a period's kind: the start of a kind's title opens the list at the first kind it
    // starts, and Enter chooses that kind.
    void typeKind(const QString& start) {
        typeIntoFocus(start);
        press(Qt::Key_Return);
        settleAfterList();
    }

    // After a drop-down list closed: the events it left are handled. The offscreen platform
    // hands the window's activation to a list when it opens and not back when it closes; a
    // desktop keeps the window active under its lists.
    void settleAfterList() {
        QApplication::processEvents();
        if (QApplication::activeWindow() != &m_window)
            QApplication::setActiveWindow(&m_window);
    }

    // Clicks the kind of a period (again if it was not the current cell: the click on the
    // current kind opens its list) and chooses by typing.
    void choosePeriodKind(int row, const QString& start) {
        const QModelIndex kind = periodView()->model()->index(row, rv::ExperienceTab::KindColumn);
        if (periodView()->currentIndex() != kind)
            clickCell(periodView(), row, rv::ExperienceTab::KindColumn);
        clickCell(periodView(), row, rv::ExperienceTab::KindColumn);
        typeKind(start);
    }

    void verifyPeriods() { click(m_window.experienceTab->bbVerifyExp); }

    // Opens the year drop-down and picks the year from its list.
    void chooseYear(int year) {
        QComboBox* selector = m_window.earningsTab->cbEarningSelector;
        QTest::keyClick(selector, Qt::Key_F4);
        QAbstractItemView* list = selector->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const int item = selector->findText(QString::number(year));
        QVERIFY2(item >= 0, qPrintable(QString::number(year)));
        const QModelIndex entry = list->model()->index(item, 0);
        list->scrollTo(entry); // as the wheel would
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
        QTRY_VERIFY(!list->window()->isVisible());
    }

    // The grid row of a ledger month; -1 when the ledger has none.
    int ledgerRow(int year, int month0) const {
        rv::Table& ledger = dm().cdsEarning;
        const int yearField = ledger.fieldIndex("earning_year");
        const int monthField = ledger.fieldIndex("earning_month");
        for (int row = 0; row < ledger.recordCount(); ++row)
            if (ledger.viewValue(row, yearField) == rv::Value(year) &&
                ledger.viewValue(row, monthField) == rv::Value(month0))
                return row;
        return -1;
    }

    // Finds the month through the year drop-down, clicks its cell in `column`.
    void goToMonth(int year, int month0, int column) {
        if (m_window.pcMain->currentPage() != m_window.tsEarning)
            clickTab(m_window.tsEarning);
        chooseYear(year);
        if (QTest::currentTestFailed())
            return;
        const int row = ledgerRow(year, month0);
        QVERIFY2(row >= 0, qPrintable(QStringLiteral("%1-%2").arg(year).arg(month0 + 1)));
        clickCell(ledgerView(), row, column);
    }

    // Types an earning into the month and leaves the row downwards, which stores it.
    void typeEarning(int year, int month0, const QString& keys) {
        goToMonth(year, month0, rv::EarningsTab::PaymentColumn);
        if (QTest::currentTestFailed())
            return;
        typeKeys(keys);
        press(Qt::Key_Down);
    }

    // Types the earning into the first month, copies it with Ctrl+C and pastes it with Ctrl+V
    // into the months that follow, each paste moving one row down.
    void fillEarnings(int year, int month0, int months, const QString& keys) {
        typeEarning(year, month0, keys);
        if (QTest::currentTestFailed())
            return;
        press(Qt::Key_Up);
        press(Qt::Key_C, Qt::ControlModifier);
        press(Qt::Key_Down);
        for (int month = 1; month < months; ++month)
            press(Qt::Key_V, Qt::ControlModifier);
    }

    void verifyEarnings() { click(m_window.earningsTab->bbVerifyEarnings); }
    void calculate() { click(m_window.calcPanel->bbCalc); }

    // Person, periods and the ledger: the earnings tab open, every earning 0.
    void buildLedger(const PersonInput& person, const QList<PeriodInput>& periods) {
        fillPerson(person);
        confirmPerson();
        typePeriods(periods);
        verifyPeriods();
        QVERIFY(isEnabled(m_window.tsEarning));
        clickTab(m_window.tsEarning);
        QCOMPARE(m_window.pcMain->currentPage(), m_window.tsEarning);
    }

private:
    rv::TfrmMain& m_window;
};
