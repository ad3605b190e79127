// The experience tab as a person uses it: periods typed into the grid through the date mask,
// Tab and Enter, new rows past the last one, sorting by the titles, deleting and clearing with
// their questions, the footer total, the enabling of the commands, and "Підтвердити стаж" with
// its refusals, its ledger and its recovery from a month without reference data.

#include "calc/messages.h"
#include "scripted_prompt.h"
#include "typing.h"
#include "ui/data_grid.h"
#include "ui/date_edit.h"
#include "ui/experience_tab.h"
#include "ui/footer_bar.h"
#include "ui/page_control.h"
#include "ui/person_panel.h"
#include "ui/uMain.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace rv;

Q_DECLARE_METATYPE(std::vector<rv::ExperienceTab::SortMarker>)

namespace rv {

// The markers as a failing comparison prints them, e.g. "[0 asc, 1 desc]".
char* toString(const std::vector<ExperienceTab::SortMarker>& markers) {
    QStringList texts;
    for (const ExperienceTab::SortMarker& marker : markers)
        texts.append(
            QStringLiteral("%1 %2").arg(marker.column).arg(marker.descending ? "desc" : "asc"));
    return QTest::toString(QLatin1Char('[') + texts.join(QStringLiteral(", ")) + QLatin1Char(']'));
}

} // namespace rv

namespace {

using Period = std::pair<QString, QString>;      // "dd.MM.yyyy" begin and finish
using TitleClicks = QList<std::pair<int, bool>>; // column, with Ctrl

QString digitsOf(const QString& date) {
    return QString(date).remove(QLatin1Char('.'));
}

QString periodText(const QString& begin, const QString& finish) {
    return begin + QLatin1Char('-') + finish;
}

} // namespace

class TestExperienceTab : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsItsColumnsButtonsAndNotes();
    void typedPeriodsShowTheirLengthsAndTheTotal_data();
    void typedPeriodsShowTheirLengthsAndTheTotal();
    void datesGoThroughTheMask_data();
    void datesGoThroughTheMask();
    void tabEnterAndDownMoveThroughTheCells_data();
    void tabEnterAndDownMoveThroughTheCells();
    void anUntouchedNewRowIsDropped_data();
    void anUntouchedNewRowIsDropped();
    void aRefusedPeriodStaysInEditing_data();
    void aRefusedPeriodStaysInEditing();
    void titlesSortTheGridAndTheTable_data();
    void titlesSortTheGridAndTheTable();
    void sortMarkersAreDrawnOnTheTitles();
    void deletingAsksFirst_data();
    void deletingAsksFirst();
    void clearingAsksFirst_data();
    void clearingAsksFirst();
    void commandsFollowTheStoredPeriodsOnKeyRelease();
    void footerLabelIsPaintedOverTheDateColumns();
    void aDamagedLengthKeepsTheTotal();
    void verifyRefusesBadPeriods_data();
    void verifyRefusesBadPeriods();
    void verifyBuildsTheLedgerAndOpensTheEarnings();
    void verifyRecoversWhenReferenceDataRunOut();

private:
    void confirmPerson(const QString& birthDate);
    ExperienceTab& tab() const { return *m_window->experienceTab; }
    QTableView* view() const { return tab().grdExp->view(); }
    Table& periods() const { return m_window->dMain()->cdsExp; }
    QString total() const { return tab().grdExp->footer()->cellText(2); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void typeKeys(const QString& keys);
    void clickCell(int row, int column);
    void clickTitle(int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Puts the grid on a new row: the empty grid offers one when it takes the focus, a grid
    // with rows after Down on its last row.
    void startNewRow();
    // Types both dates of the current new row with Tab and Enter and stores it by moving past
    // its last cell, which starts the next new row.
    void typePeriod(const Period& period);
    void typePeriods(const QList<Period>& periods);
    QStringList shownPeriods() const;
    QStringList walkedPeriods() const;

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<QAbstractItemModelTester> m_modelTester;
};

void TestExperienceTab::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
}

void TestExperienceTab::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_modelTester = std::make_unique<QAbstractItemModelTester>(
        tab().grdExp->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    if (QByteArray(QTest::currentTestFunction()) != "verifyRecoversWhenReferenceDataRunOut")
        confirmPerson(QStringLiteral("01.01.1960"));
}

void TestExperienceTab::cleanup() {
    m_modelTester.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

// The person panel typed in and "Підтвердити" pressed: the experience tab opens.
void TestExperienceTab::confirmPerson(const QString& birthDate) {
    PersonPanel& panel = *m_window->gbPers;
    QTest::mouseClick(panel.edtehPersonName, Qt::LeftButton);
    typeText(panel.edtehPersonName, QStringLiteral("Петро"));
    for (const auto& [editor, date] :
         {std::pair(panel.dtehPersBirthdate, digitsOf(birthDate)),
          std::pair(panel.dtehPersonZvernennya, QString("01062021"))}) {
        QTest::mouseClick(editor->lineEdit(), Qt::LeftButton);
        QTest::keyClick(editor->lineEdit(), Qt::Key_Home); // the click put the cursor mid-line
        QTest::keyClicks(editor->lineEdit(), date);
    }
    QTest::keyClick(panel.cbehPersonGender, Qt::Key_Down);
    QTest::mouseClick(panel.bbSavePerson, Qt::LeftButton);
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsExp);
}

void TestExperienceTab::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void TestExperienceTab::typeKeys(const QString& keys) {
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

void TestExperienceTab::clickCell(int row, int column) {
    const QRect cell = view()->visualRect(tab().grdExp->model()->index(row, column));
    QVERIFY2(!cell.isEmpty(), qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cell.center());
}

void TestExperienceTab::clickTitle(int column, Qt::KeyboardModifiers modifiers) {
    QHeaderView* titles = view()->horizontalHeader();
    const QPoint at(titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2,
                    titles->height() / 2);
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, modifiers, at);
}

void TestExperienceTab::startNewRow() {
    const int rows = tab().grdExp->model()->rowCount();
    if (rows == 0) {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    } else {
        clickCell(rows - 1, 0);
        press(Qt::Key_Down);
    }
    QCOMPARE(periods().state(), TableState::Insert);
    QCOMPARE(view()->currentIndex().row(), periods().recordCount());
}

void TestExperienceTab::typePeriod(const Period& period) {
    typeKeys(digitsOf(period.first));
    press(Qt::Key_Tab);
    typeKeys(digitsOf(period.second));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
}

void TestExperienceTab::typePeriods(const QList<Period>& list) {
    startNewRow();
    for (const Period& period : list)
        typePeriod(period);
}

QStringList TestExperienceTab::shownPeriods() const {
    const TableModel* model = tab().grdExp->model();
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown.append(periodText(model->index(row, 0).data().toString(),
                                model->index(row, 1).data().toString()));
    return shown;
}

QStringList TestExperienceTab::walkedPeriods() const {
    Table& table = periods();
    QStringList walked;
    for (table.first(); !table.eof(); table.next())
        walked.append(
            periodText(QString::fromStdString(formatDate(*table.asDate("exp_date_begin"))),
                       QString::fromStdString(formatDate(*table.asDate("exp_date_finish")))));
    return walked;
}

void TestExperienceTab::showsItsColumnsButtonsAndNotes() {
    ExperienceTab& page = tab();
    QCOMPARE(m_window->pcMain->caption(m_window->pcMain->indexOf(&page)),
             QStringLiteral("Трудовий стаж"));
    QCOMPARE(page.grdExp->font().pixelSize(), 13);

    const TableModel* model = page.grdExp->model();
    QHeaderView* titles = view()->horizontalHeader();
    const QStringList expectedTitles = {"Дата зарахування", "Дата звільнення",
                                        "Трудовий стаж (р/м/д) *", "Вид періоду"};
    const QList<QColor> colours = {Qt::white, Qt::white, QColor(233, 233, 233), Qt::white};
    const QList<Qt::Alignment> alignments = {Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter,
                                             Qt::AlignLeft | Qt::AlignVCenter};
    QCOMPARE(model->columnCount(), 4);
    startNewRow(); // a row to read the cell colours from
    for (int column = 0; column < 4; ++column) {
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), expectedTitles[column]);
        QCOMPARE(model->index(0, column).data(Qt::BackgroundRole).value<QBrush>().color(),
                 colours[column]);
        QCOMPARE(model->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 alignments[column]);
        QCOMPARE(bool(model->flags(model->index(0, column)) & Qt::ItemIsEditable), column != 2);
    }
    QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("Робота")); // a new row
    for (int column : {0, 1}) {
        QCOMPARE(titles->sectionSize(column), 140);
        QCOMPARE(titles->sectionResizeMode(column), QHeaderView::Fixed);
    }
    QVERIFY(titles->sectionSize(2) >= 225);
    QCOMPARE(titles->sectionResizeMode(2), QHeaderView::Interactive);
    // Every title is readable in full.
    for (int column = 0; column < 4; ++column)
        QVERIFY2(titles->fontMetrics().horizontalAdvance(expectedTitles[column]) <
                     titles->sectionSize(column),
                 qPrintable(expectedTitles[column]));

    QVERIFY(page.grdExp->footer()->isVisible());
    QCOMPARE(page.sortMarkers(), std::vector<ExperienceTab::SortMarker>({{0, false}}));
    QCOMPARE(periods().indexFieldNames(), std::string("exp_date_begin"));

    const QList<std::tuple<QPushButton*, QString, bool>> buttons = {
        {page.bbClearExp, "Очистити", false},
        {page.bExpPrint, "Зберегти в xls", true},
        {page.bbVerifyExp, "Підтвердити стаж", false}};
    for (const auto& [button, text, enabled] : buttons) {
        QCOMPARE(button->text(), text);
        QCOMPARE(button->isEnabled(), enabled);
        QVERIFY(button->toolTip().isEmpty());
    }
    QVERIFY(page.bbClearExp->x() < page.bExpPrint->x());
    QVERIFY(page.bExpPrint->x() < page.bbVerifyExp->x());
    QCOMPARE(page.pExpBottomAll->height(), 35);
    QCOMPARE(page.pExpInfo->height(), 61);
    QCOMPARE(page.lExpInfoAfter2004->text(),
             QStringLiteral("* Трудовий стаж для періоду після 01.01.2004 буде розраховано "
                            "відповідно до частини 3 статті 24 Закону України №1058-IV після того, "
                            "як Ви введете заробітки"));
    QCOMPARE(page.lExpInfoBefore2004->text(),
             QStringLiteral("Трудовий стаж до 01.01.2004 повністю зараховується до страхового "
                            "стажу"));
    for (QLabel* note : {page.lExpInfoAfter2004, page.lExpInfoBefore2004}) {
        QVERIFY(note->wordWrap());
        QVERIFY2(note->geometry().bottom() < page.pExpInfo->height(), qPrintable(note->text()));
    }
}

void TestExperienceTab::typedPeriodsShowTheirLengthsAndTheTotal_data() {
    QTest::addColumn<QList<Period>>("typed");
    QTest::addColumn<QStringList>("lengths"); // in the grid's order: ascending by hiring date
    QTest::addColumn<QString>("total");

    // 1/11/20 + 0/0/15: 35 days make a month and 5 days, 12 months a year.
    QTest::newRow("2/0/5 from 1/11/20 and 0/0/15")
        << QList<Period>{{"01.01.2000", "20.12.2001"}, {"01.01.2005", "15.01.2005"}}
        << QStringList{"1/11/20", "0/0/15"} << "2/0/5";
    QTest::newRow("one day") << QList<Period>{{"10.05.2000", "10.05.2000"}} << QStringList{"0/0/1"}
                             << "0/0/1";
    // The total adds the periods' normalised lengths, not their days; the 1st to the last day of
    // February is whole months.
    QTest::newRow("typed out of order")
        << QList<Period>{{"01.01.2001", "31.12.2001"}, {"01.03.1990", "28.02.1995"}}
        << QStringList{"5/0/0", "1/0/0"} << "6/0/0";
    QTest::newRow("to the middle of February")
        << QList<Period>{{"01.03.1990", "27.02.1995"}} << QStringList{"4/11/27"} << "4/11/27";
}

void TestExperienceTab::typedPeriodsShowTheirLengthsAndTheTotal() {
    QFETCH(QList<Period>, typed);
    QFETCH(QStringList, lengths);
    QFETCH(QString, total);

    startNewRow();
    typePeriod(typed.first());
    // Leaving the row stored it and refreshed the total at once.
    QCOMPARE(periods().recordCount(), 1);
    QCOMPARE(this->total(), tab().grdExp->model()->index(0, 2).data().toString());
    for (qsizetype i = 1; i < typed.size(); ++i)
        typePeriod(typed[i]);

    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
    QCOMPARE(periods().recordCount(), lengths.size());
    for (int row = 0; row < lengths.size(); ++row)
        QCOMPARE(tab().grdExp->model()->index(row, 2).data().toString(), lengths[row]);
    QCOMPARE(this->total(), total);
    QVERIFY(m_window->CaseModified);
}

void TestExperienceTab::datesGoThroughTheMask_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("cell");    // what the cell shows after Tab
    QTest::addColumn<QString>("refusal"); // the warning; empty for none

    QTest::newRow("whole date") << "01012000"
                                << "01.01.2000"
                                << "";
    QTest::newRow("letters are not taken") << "0a1b012000"
                                           << "01.01.2000"
                                           << "";
    QTest::newRow("incomplete leaves the cell empty") << "0101"
                                                      << ""
                                                      << "";
    QTest::newRow("no such day") << "31022000"
                                 << ""
                                 << "«31.02.2000» — такої дати немає. Введіть дату у вигляді "
                                    "ДД.ММ.РРРР, наприклад 31.01.2010.";
}

void TestExperienceTab::datesGoThroughTheMask() {
    QFETCH(QString, keys);
    QFETCH(QString, cell);
    QFETCH(QString, refusal);

    startNewRow();
    typeKeys(keys);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    press(Qt::Key_Tab);
    if (refusal.isEmpty()) {
        QVERIFY(m_script->messages.isEmpty());
        QCOMPARE(view()->currentIndex().column(), 1);
    } else {
        QCOMPARE(m_script->messageTexts(), QStringList{refusal});
        QCOMPARE(m_script->messages.first().icon, PromptIcon::Warning);
        // The editor stays open on the cell with what was typed.
        QCOMPARE(QApplication::focusWidget(), editor);
        QCOMPARE(editor->text(), QStringLiteral("31.02.2000"));
        QCOMPARE(view()->currentIndex().column(), 0);
        press(Qt::Key_Escape);
    }
    QCOMPARE(tab().grdExp->model()->index(0, 0).data().toString(), cell);
    QCOMPARE(QString::fromStdString(periods().asText("exp_date_begin")),
             cell.isEmpty() ? QString() : cell);
}

void TestExperienceTab::tabEnterAndDownMoveThroughTheCells_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("toRow");
    QTest::addColumn<int>("toColumn");
    QTest::addColumn<int>("rows"); // the grid's rows afterwards

    // The length is never typed: Tab and Enter pass it on the way to the kind.
    QTest::newRow("Tab to the next column") << 0 << 0 << Qt::Key_Tab << 0 << 1 << 2;
    QTest::newRow("Enter past the length to the kind") << 0 << 1 << Qt::Key_Return << 0 << 3 << 2;
    QTest::newRow("Tab from the clicked length") << 0 << 2 << Qt::Key_Tab << 0 << 3 << 2;
    QTest::newRow("Shift+Tab past the length") << 0 << 3 << Qt::Key_Backtab << 0 << 1 << 2;
    QTest::newRow("Tab from the last column") << 0 << 3 << Qt::Key_Tab << 1 << 0 << 2;
    QTest::newRow("Enter from the last cell appends") << 1 << 3 << Qt::Key_Return << 2 << 0 << 3;
    QTest::newRow("Shift+Tab back a row") << 1 << 0 << Qt::Key_Backtab << 0 << 3 << 2;
    QTest::newRow("Down inside the grid") << 0 << 1 << Qt::Key_Down << 1 << 1 << 2;
    QTest::newRow("Down past the last row appends") << 1 << 1 << Qt::Key_Down << 2 << 1 << 3;
}

void TestExperienceTab::tabEnterAndDownMoveThroughTheCells() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(Qt::Key, key);
    QFETCH(int, toRow);
    QFETCH(int, toColumn);
    QFETCH(int, rows);

    typePeriods({{"01.01.2000", "31.12.2000"}, {"01.01.2002", "31.12.2002"}});
    clickCell(0, 0); // the untouched new row goes
    QCOMPARE(tab().grdExp->model()->rowCount(), 2);

    clickCell(row, column);
    press(key);
    QCOMPARE(view()->currentIndex().row(), toRow);
    QCOMPARE(view()->currentIndex().column(), toColumn);
    QCOMPARE(tab().grdExp->model()->rowCount(), rows);
    QCOMPARE(periods().state(), rows > 2 ? TableState::Insert : TableState::Browse);
    QVERIFY(m_script->messages.isEmpty());
}

void TestExperienceTab::anUntouchedNewRowIsDropped_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("focus to another control") << "focus";
    QTest::newRow("Up") << "up";
    QTest::newRow("click on another row") << "click";
    QTest::newRow("Shift+Tab") << "backtab";
    QTest::newRow("click on a title") << "title";
}

void TestExperienceTab::anUntouchedNewRowIsDropped() {
    QFETCH(QString, way);
    typePeriods({{"01.01.2000", "31.12.2000"}});
    QCOMPARE(tab().grdExp->model()->rowCount(), 2); // the period and the new row after it
    QCOMPARE(periods().state(), TableState::Insert);

    if (way == "focus")
        QTest::mouseClick(m_window->gbPers->edtehPersonName, Qt::LeftButton);
    else if (way == "up")
        press(Qt::Key_Up);
    else if (way == "click")
        clickCell(0, 1);
    else if (way == "backtab")
        press(Qt::Key_Backtab);
    else
        clickTitle(1);

    QCOMPARE(periods().state(), TableState::Browse);
    QCOMPARE(tab().grdExp->model()->rowCount(), 1);
    QCOMPARE(periods().recordCount(), 1);
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
    if (way != "focus")
        QCOMPARE(view()->currentIndex().row(), 0);
}

void TestExperienceTab::aRefusedPeriodStaysInEditing_data() {
    QTest::addColumn<QString>("way"); // how the person leaves the row
    QTest::newRow("Enter past the last cell") << "enter";
    QTest::newRow("Down") << "down";
    QTest::newRow("focus to another control") << "focus";
}

void TestExperienceTab::aRefusedPeriodStaysInEditing() {
    QFETCH(QString, way);
    startNewRow();
    typeKeys(QStringLiteral("11052000"));
    press(Qt::Key_Tab);
    typeKeys(QStringLiteral("10052000"));
    press(Qt::Key_Tab);
    QVERIFY(m_script->messages.isEmpty()); // nothing is checked inside the row

    if (way == "enter")
        press(Qt::Key_Return);
    else if (way == "down")
        press(Qt::Key_Down);
    else
        QTest::mouseClick(m_window->gbPers->edtehPersonName, Qt::LeftButton);

    QCOMPARE(m_script->messageTexts(),
             QStringList{"Дата зарахування не може бути більшою за дату звільнення"});
    QCOMPARE(m_script->messages.first().icon, PromptIcon::Warning);
    QCOMPARE(m_script->messages.first().title, QStringLiteral("Равелта"));
    QCOMPARE(periods().state(), TableState::Insert);
    QCOMPARE(periods().recordCount(), 0);
    QCOMPARE(shownPeriods(), QStringList{"11.05.2000-10.05.2000"});
    QCOMPARE(total(), QString());

    // The person corrects the dismissal date and leaves the row again.
    clickCell(0, 1);
    typeKeys(QStringLiteral("12052000"));
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(periods().recordCount(), 1);
    QCOMPARE(tab().grdExp->model()->index(0, 2).data().toString(), QStringLiteral("0/0/2"));
    QCOMPARE(total(), QStringLiteral("0/0/2"));
}

void TestExperienceTab::titlesSortTheGridAndTheTable_data() {
    QTest::addColumn<TitleClicks>("clicks");
    QTest::addColumn<std::vector<ExperienceTab::SortMarker>>("markers");
    QTest::addColumn<QStringList>("order");

    // Typed in this order: A, B, C, D.
    const QString a = "01.01.2000-31.12.2010";
    const QString b = "01.01.2003-31.12.2004";
    const QString c = "01.01.1995-31.12.2012";
    const QString d = "01.01.2000-30.06.2000";
    using Clicks = TitleClicks;
    using Markers = std::vector<ExperienceTab::SortMarker>;
    // Rows equal on every marked column keep the order they were typed in.
    QTest::newRow("start: hiring date ascending")
        << Clicks{} << Markers{{0, false}} << QStringList{c, a, d, b};
    QTest::newRow("dismissal date")
        << Clicks{{1, false}} << Markers{{1, false}} << QStringList{d, b, a, c};
    QTest::newRow("dismissal date again: descending")
        << Clicks{{1, false}, {1, false}} << Markers{{1, true}} << QStringList{c, a, b, d};
    QTest::newRow("hiring date again: descending")
        << Clicks{{0, false}} << Markers{{0, true}} << QStringList{b, a, d, c};
    QTest::newRow("Ctrl adds the dismissal date")
        << Clicks{{1, true}} << Markers{{0, false}, {1, false}} << QStringList{c, d, a, b};
    QTest::newRow("Ctrl reverses a marked column")
        << Clicks{{1, true}, {0, true}} << Markers{{0, true}, {1, false}}
        << QStringList{b, d, a, c};
}

void TestExperienceTab::titlesSortTheGridAndTheTable() {
    QFETCH(TitleClicks, clicks);
    QFETCH(std::vector<ExperienceTab::SortMarker>, markers);
    QFETCH(QStringList, order);

    typePeriods({{"01.01.2000", "31.12.2010"},
                 {"01.01.2003", "31.12.2004"},
                 {"01.01.1995", "31.12.2012"},
                 {"01.01.2000", "30.06.2000"}});
    press(Qt::Key_Up); // no fifth period
    for (const auto& [column, control] : clicks)
        clickTitle(column, control ? Qt::ControlModifier : Qt::NoModifier);

    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
    QCOMPARE(tab().sortMarkers(), markers);
    QCOMPARE(shownPeriods(), order);
    QCOMPARE(walkedPeriods(), order); // the table's own order is the grid's
}

void TestExperienceTab::sortMarkersAreDrawnOnTheTitles() {
    QHeaderView* titles = view()->horizontalHeader();
    auto title = [titles](int column) {
        return titles
            ->grab(QRect(titles->sectionViewportPosition(column), 0, titles->sectionSize(column),
                         titles->height()))
            .toImage();
    };
    const QImage beginAscending = title(0);
    const QImage finishUnmarked = title(1);
    clickTitle(1);
    const QImage beginUnmarked = title(0);
    const QImage finishAscending = title(1);
    clickTitle(1);
    const QImage finishDescending = title(1);

    QVERIFY(beginAscending != beginUnmarked);
    QVERIFY(finishAscending != finishUnmarked);
    QVERIFY(finishDescending != finishAscending);
    QVERIFY(finishDescending != finishUnmarked);
}

void TestExperienceTab::deletingAsksFirst_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Delete, Yes") << Qt::KeyboardModifiers() << QMessageBox::Yes;
    QTest::newRow("Delete, No") << Qt::KeyboardModifiers() << QMessageBox::No;
    QTest::newRow("Ctrl+Delete, Yes")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << QMessageBox::Yes;
    QTest::newRow("Ctrl+Delete, No")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << QMessageBox::No;
}

void TestExperienceTab::deletingAsksFirst() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QMessageBox::StandardButton, answer);
    typePeriods({{"01.01.2000", "31.12.2000"}, {"01.01.2002", "31.12.2002"}});
    clickCell(0, 1);
    const QStringList before = shownPeriods();

    m_script->answers = {answer};
    press(Qt::Key_Delete, modifiers);

    QCOMPARE(m_script->messages.size(), 1);
    const MessageRequest& question = m_script->messages.first();
    QCOMPARE(question.text, QStringLiteral("Видалити цей період стажу?"));
    QCOMPARE(question.title, Prompt::applicationTitle());
    QCOMPARE(question.icon, PromptIcon::Question);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(shownPeriods(), answer == QMessageBox::Yes ? before.mid(1) : before);
    QCOMPARE(periods().recordCount(), answer == QMessageBox::Yes ? 1 : 2);
    QCOMPARE(view()->currentIndex().row(), 0);
}

void TestExperienceTab::clearingAsksFirst_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Yes") << QMessageBox::Yes;
    QTest::newRow("No") << QMessageBox::No;
}

void TestExperienceTab::clearingAsksFirst() {
    QFETCH(QMessageBox::StandardButton, answer);
    typePeriods({{"01.01.2000", "31.12.2000"}, {"01.01.2002", "31.12.2002"}});
    const QStringList before = shownPeriods().mid(0, 2);
    QVERIFY(tab().bbClearExp->isEnabled());

    m_script->answers = {answer};
    QTest::mouseClick(tab().bbClearExp, Qt::LeftButton);

    QCOMPARE(m_script->messages.size(), 1);
    const MessageRequest& question = m_script->messages.first();
    QCOMPARE(question.text, QStringLiteral("Ви дійсно бажаєте очистити стаж?"));
    QCOMPARE(question.title, QStringLiteral("Підтвердження"));
    QCOMPARE(question.icon, PromptIcon::Question);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    const bool cleared = answer == QMessageBox::Yes;
    QCOMPARE(shownPeriods(), cleared ? QStringList() : before);
    QCOMPARE(periods().recordCount(), cleared ? 0 : 2);
    QCOMPARE(m_window->aClearExp->isEnabled(), !cleared);
    QCOMPARE(m_window->aVerifyExp->isEnabled(), !cleared);
    QCOMPARE(total(), cleared ? QStringLiteral("0/0/0") : QStringLiteral("2/0/0"));

    if (cleared) {
        // A new person keeps the total of no periods.
        QVERIFY(m_window->CaseModified);
        m_script->answers = {QMessageBox::Discard};
        QTest::mouseClick(
            m_window->ToolBar1->findChild<QToolButton*>(QStringLiteral("tbNewPerson")),
            Qt::LeftButton);
        QCOMPARE(total(), QStringLiteral("0/0/0"));
    }
}

void TestExperienceTab::commandsFollowTheStoredPeriodsOnKeyRelease() {
    QAction* verify = m_window->aVerifyExp;
    QAction* clear = m_window->aClearExp;
    startNewRow();
    typeKeys(QStringLiteral("01012000"));
    press(Qt::Key_Tab);
    typeKeys(QStringLiteral("31122000"));
    // A row still being typed is not counted.
    QVERIFY(!verify->isEnabled());
    QVERIFY(!clear->isEnabled());

    press(Qt::Key_Return);
    press(Qt::Key_Return); // stores the row
    QVERIFY(verify->isEnabled());
    QVERIFY(clear->isEnabled());
    QVERIFY(tab().bbVerifyExp->isEnabled());

    clickCell(0, 0);
    m_script->answers = {QMessageBox::Yes};
    press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(periods().recordCount(), 0);
    QVERIFY(!verify->isEnabled());
    QVERIFY(!clear->isEnabled());
    QVERIFY(!tab().bbClearExp->isEnabled());
}

void TestExperienceTab::footerLabelIsPaintedOverTheDateColumns() {
    typePeriods({{"01.01.2000", "20.12.2001"}});
    FooterBar* footer = tab().grdExp->footer();
    const QImage painted = footer->grab().toImage();
    const qreal scale = painted.devicePixelRatio();
    // The columns of the area that hold text (dark pixels), in footer coordinates.
    auto inkColumns = [&](const QRect& area) {
        QList<int> columns;
        for (int x = area.left() + 1; x < area.right(); ++x)
            for (int y = area.top() + 1; y < area.bottom(); ++y)
                if (QColor(painted.pixel(int(x * scale), int(y * scale))).lightness() < 80) {
                    columns.append(x);
                    break;
                }
        return columns;
    };
    const QRect labelArea = footer->cellRect(0).united(footer->cellRect(1));
    const QList<int> label = inkColumns(labelArea);
    QVERIFY(label.size() > 60);
    // One label centred under both date columns, on the footer's cream.
    const int labelMiddle = (label.first() + label.last()) / 2;
    QVERIFY2(qAbs(labelMiddle - labelArea.center().x()) <= 3,
             qPrintable(QStringLiteral("label %1..%2 over %3..%4")
                            .arg(label.first())
                            .arg(label.last())
                            .arg(labelArea.left())
                            .arg(labelArea.right())));
    QCOMPARE(QColor(painted.pixel(int((labelArea.left() + 3) * scale), int(3 * scale))),
             FooterBar::kCream);
    QCOMPARE(total(), QStringLiteral("1/11/20"));
    QVERIFY(!inkColumns(footer->cellRect(2)).isEmpty());
}

// A length text that is not three whole numbers can only come from a damaged case; the total is
// then refused as a failure and keeps its last text.
void TestExperienceTab::aDamagedLengthKeepsTheTotal() {
    typePeriods({{"01.01.2000", "31.12.2000"}});
    QCOMPARE(total(), QStringLiteral("1/0/0"));
    const Table::Hook storePeriod = periods().BeforePost;
    periods().BeforePost = [storePeriod](Table& table) {
        storePeriod(table);
        table.setValue("exp_day_str", std::string("1/x/0"));
    };
    typePeriod({"01.01.2002", "31.12.2002"});

    QCOMPARE(m_script->messageTexts(),
             QStringList{QStringLiteral("Сталася непередбачена помилка програми. Дію "
                                        "не виконано; введені дані залишилися без "
                                        "змін.")});
    QCOMPARE(m_script->messages.first().details,
             QStringLiteral("Не вдалося підсумувати стаж: тривалість періоду «1/x/0» записано "
                            "неправильно."));
    QCOMPARE(m_script->messages.first().icon, PromptIcon::Critical);
    QCOMPARE(total(), QStringLiteral("1/0/0"));
    QCOMPARE(periods().recordCount(), 2); // the period itself was stored
}

void TestExperienceTab::verifyRefusesBadPeriods_data() {
    QTest::addColumn<QList<Period>>("typed");
    QTest::addColumn<QStringList>("warnings");

    const QString tooYoung = QString::fromStdString(messages::workBeforeMinimumAge(14));
    const QString overlap = messages::kPeriodsOverlap;
    // The person is born on 01.01.1960.
    QTest::newRow("hired at 13") << QList<Period>{{"01.01.1973", "31.12.1975"}}
                                 << QStringList{tooYoung};
    QTest::newRow("one inside another")
        << QList<Period>{{"01.01.1990", "31.12.1999"}, {"01.06.1995", "30.06.1995"}}
        << QStringList{overlap};
    QTest::newRow("sharing the last day")
        << QList<Period>{{"01.01.2000", "31.12.2000"}, {"31.12.2000", "31.03.2001"}}
        << QStringList{overlap};
    QTest::newRow("both, the age first") << QList<Period>{{"01.01.1990", "31.12.1999"},
                                                          {"01.06.1995", "30.06.1995"},
                                                          {"01.01.1973", "31.12.1973"}}
                                         << QStringList{tooYoung, overlap};
}

void TestExperienceTab::verifyRefusesBadPeriods() {
    QFETCH(QList<Period>, typed);
    QFETCH(QStringList, warnings);
    typePeriods(typed);
    const QStringList before = shownPeriods();

    QTest::mouseClick(tab().bbVerifyExp, Qt::LeftButton);

    QCOMPARE(m_script->messageTexts(), warnings);
    for (const MessageRequest& warning : m_script->messages) {
        QCOMPARE(warning.icon, PromptIcon::Warning);
        QCOMPARE(warning.title, QStringLiteral("Равелта"));
    }
    QVERIFY(!m_window->pcMain->isPageEnabled(m_window->pcMain->indexOf(m_window->tsEarning)));
    QCOMPARE(m_window->dMain()->cdsEarning.recordCount(), 0);
    QCOMPARE(shownPeriods(), before.mid(0, typed.size())); // the untouched new row went
    QVERIFY(m_window->LedgerRefreshEnabled);
    QVERIFY(!periods().boundViewsSuspended());
}

void TestExperienceTab::verifyBuildsTheLedgerAndOpensTheEarnings() {
    typePeriods({{"01.01.2000", "20.12.2001"}, {"01.01.2005", "15.01.2005"}});
    clickCell(0, 1); // the walk of the periods ends on the last one
    QVERIFY(!m_window->pcMain->isPageEnabled(m_window->pcMain->indexOf(m_window->tsEarning)));

    QTest::mouseClick(tab().bbVerifyExp, Qt::LeftButton);

    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
    QVERIFY(m_window->pcMain->isPageEnabled(m_window->pcMain->indexOf(m_window->tsEarning)));
    QVERIFY(m_window->dMain()->cdsEarning.recordCount() > 0);
    QVERIFY(m_window->LedgerRefreshEnabled);
    QVERIFY(!periods().boundViewsSuspended());
    // The grid is back on the row it was on.
    QCOMPARE(periods().recNo(), 1);
    QCOMPARE(view()->currentIndex().row(), 0);
    QCOMPARE(shownPeriods(), (QStringList{"01.01.2000-20.12.2001", "01.01.2005-15.01.2005"}));
    QCOMPARE(total(), QStringLiteral("2/0/5"));
}

// Average wages are known from 1950 on: a ledger reaching back to 1948 cannot be built.
void TestExperienceTab::verifyRecoversWhenReferenceDataRunOut() {
    confirmPerson(QStringLiteral("01.01.1930"));
    typePeriods({{"01.01.1948", "31.12.1950"}, {"01.01.1960", "31.12.1960"}});
    clickCell(0, 1);

    QTest::mouseClick(tab().bbVerifyExp, Qt::LeftButton);

    const QString missing = QString::fromUtf8(messages::kNoAverageWagePrefix) +
                            QString::fromUtf8(messages::kMonthNamesInSentence[0]) +
                            QStringLiteral(" 1948") +
                            QString::fromUtf8(messages::kNoAverageWageSuffix);
    QCOMPARE(m_script->messageTexts(), QStringList{missing});
    QCOMPARE(m_script->messages.first().icon, PromptIcon::Warning);
    QVERIFY(!m_window->pcMain->isPageEnabled(m_window->pcMain->indexOf(m_window->tsEarning)));
    QVERIFY(m_window->LedgerRefreshEnabled);
    QVERIFY(!periods().boundViewsSuspended());
    QCOMPARE(periods().recNo(), 1);
    QCOMPARE(view()->currentIndex().row(), 0);

    // The grid goes on working: the person corrects the first period and confirms again.
    clickCell(0, 0);
    typeKeys(QStringLiteral("01011950"));
    press(Qt::Key_Down);
    QCOMPARE(shownPeriods().first(), QStringLiteral("01.01.1950-31.12.1950"));
    QTest::mouseClick(tab().bbVerifyExp, Qt::LeftButton);
    QCOMPARE(m_script->messages.size(), 1);
    QVERIFY(m_window->pcMain->isPageEnabled(m_window->pcMain->indexOf(m_window->tsEarning)));
}

QTEST_MAIN(TestExperienceTab)
#include "tst_experience_tab.moc"
