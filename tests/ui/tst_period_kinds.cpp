// The kinds of periods and the months left out at the person's wish, in the window as a person
// uses it: the kind chosen on its cell by keys and by the mouse, the footer's part credited
// without work, periods credited on work and the overlaps still refused, the ledger's kind and
// reason columns, the results compared with ravelta-calc on the same case, and the choice of
// the extra exclusions on the results page, kept with the kinds in the case file. With
// RAVELTA_SCREENS=1 it saves pictures of the work tabs, light and dark (CTest runs it on a
// 1280×720 screen).

#include "dark_palette.h"
#include "headless_calculator.h"
#include "ui/footer_bar.h"
#include "window_session.h"

#include "calc/extra_exclusions.h"
#include "calc/messages.h"
#include "calc/period_kind.h"

#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

using namespace rv;

namespace {

// A period as typed: its dates and the start of its kind's title typed on the kind's cell (none:
// left as work).
struct TypedPeriod {
    QString begin{};
    QString finish{};
    QString kind{};
    const char* code = "work"; // the kind it gives
};

struct EarningRun {
    int year = 0;
    int month0 = 0;
    int months = 1;
    QString keys;
};

const PersonInput kPerson{QStringLiteral("Коваленко"), QStringLiteral("10.05.1962"), 0,
                          QStringLiteral("15.06.2024")};
// Compulsory service, work, six months of the unemployment benefit (from 2011 they carry the
// minimum wage) and work again; the low wages of martial law lower Кз.
const QList<TypedPeriod> kCareer{{"01.11.1980", "31.10.1982", "Стр", "conscript"},
                                 {"01.09.1983", "31.12.2014"},
                                 {"01.01.2015", "30.06.2015", "доп", "unemployment"},
                                 {"01.07.2015", "31.05.2024"}};
const QList<EarningRun> kEarnings{
    {1996, 0, 48, "300"}, {2004, 0, 132, "8000"}, {2015, 6, 79, "12000"}, {2022, 1, 28, "3000"}};

QString digitsOf(const QString& date) {
    return QString(date).remove(QLatin1Char('.'));
}

QString titleOf(const char* code) {
    const std::string_view title = namesOf(*periodKindOfCode(code)).title;
    return QString::fromUtf8(title.data(), qsizetype(title.size()));
}

} // namespace

Q_DECLARE_METATYPE(QList<TypedPeriod>)

class TestPeriodKinds : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aKindIsChosenByKeysOrTheMouse_data();
    void aKindIsChosenByKeysOrTheMouse();
    void kindsTypedByKeysGiveTheHeadlessResults();
    void creditedPeriodsMayLieOnWork_data();
    void creditedPeriodsMayLieOnWork();
    void theExclusionsChoiceIsKeptWithTheCase();
    void savePictures_data();
    void savePictures();

private:
    TdMain& dm() const { return *m_window->dMain(); }
    CalcPanel& panel() const { return *m_window->calcPanel; }
    QTableView* periodView() const { return m_driver->periodView(); }
    FooterBar* periodFooter() const { return m_window->experienceTab->grdExp->footer(); }
    QString ledgerText(int year, int month0, int column) const;

    // Types the periods into the empty grid: both dates, then Enter to the kind, its title's
    // start and Enter to choose it, and Enter to the next row, which stores the period.
    void typePeriods(const QList<TypedPeriod>& periods);
    // The person, the periods and the earnings of kCareer typed and confirmed, then calculated.
    void typeCareer();
    QJsonObject headlessCareer(bool extraExclusions) const;
    // The months whose "Виключено" the ledger grid shows.
    int monthsShownLeftOut() const;

    WindowSession m_session;
    std::unique_ptr<ScriptedPrompt>& m_script = m_session.script;
    std::unique_ptr<TfrmMain>& m_window = m_session.window;
    std::unique_ptr<WindowDriver>& m_driver = m_session.driver;
};

void TestPeriodKinds::initTestCase() {
    // The headless calculator writes numbers with "."; so does the window in this test.
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void TestPeriodKinds::init() {
    QApplication::setPalette(QApplication::style()->standardPalette());
    m_session.open();
}

void TestPeriodKinds::cleanup() {
    m_session.close();
}

QString TestPeriodKinds::ledgerText(int year, int month0, int column) const {
    const int row = m_driver->ledgerRow(year, month0);
    return m_driver->ledgerView()->model()->index(row, column).data().toString();
}

void TestPeriodKinds::typePeriods(const QList<TypedPeriod>& periods) {
    QTest::mouseClick(periodView()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    for (const TypedPeriod& period : periods) {
        m_driver->typeKeys(digitsOf(period.begin));
        m_driver->press(Qt::Key_Tab);
        m_driver->typeKeys(digitsOf(period.finish));
        m_driver->press(Qt::Key_Return); // past the length, which is never typed
        QCOMPARE(periodView()->currentIndex().column(), int(ExperienceTab::KindColumn));
        if (!period.kind.isEmpty())
            m_driver->typeKind(period.kind);
        m_driver->press(Qt::Key_Return);
    }
}

void TestPeriodKinds::typeCareer() {
    m_driver->fillPerson(kPerson);
    m_driver->confirmPerson();
    typePeriods(kCareer);
    QVERIFY(!QTest::currentTestFailed());
    m_driver->verifyPeriods();
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
    m_driver->clickTab(m_window->tsEarning);
    for (const EarningRun& run : kEarnings) {
        m_driver->fillEarnings(run.year, run.month0, run.months, run.keys);
        QVERIFY(!QTest::currentTestFailed());
    }
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    m_driver->calculate();
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
}

QJsonObject TestPeriodKinds::headlessCareer(bool extraExclusions) const {
    QJsonArray periods;
    for (const TypedPeriod& period : kCareer)
        periods.append(QJsonObject{
            {"begin", period.begin}, {"end", period.finish}, {"kind", QString(period.code)}});
    QJsonArray earnings;
    for (const EarningRun& run : kEarnings)
        for (int month = run.month0; month < run.month0 + run.months; ++month)
            earnings.append(QJsonObject{{"year", run.year + month / 12},
                                        {"month", month % 12 + 1},
                                        {"amount", run.keys.toDouble()}});
    const QJsonObject person{{"name", kPerson.name},
                             {"birthdate", kPerson.birthDate},
                             {"gender", kPerson.gender},
                             {"application_date", kPerson.applicationDate}};
    return runHeadlessCalculator({{"person", person},
                                  {"periods", periods},
                                  {"earnings", earnings},
                                  {"extra_exclusions", extraExclusions}});
}

int TestPeriodKinds::monthsShownLeftOut() const {
    const QAbstractItemModel* model = m_driver->ledgerView()->model();
    int shown = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        shown +=
            model->index(row, EarningsTab::ExclusionColumn).data().toString().isEmpty() ? 0 : 1;
    return shown;
}

// Every way to the kind ends on its cell with the list closed and the grid holding the focus;
// Enter then stores the period with the kind chosen.
void TestPeriodKinds::aKindIsChosenByKeysOrTheMouse_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("code");
    QTest::newRow("the title's start typed") << "type:Стр"
                                             << "conscript";
    // "д" alone finds "Догляд за дитиною"; the letters that follow find the kind further down.
    QTest::newRow("more letters, in lower case") << "type:доп"
                                                 << "unemployment";
    QTest::newRow("F4, arrows and Enter") << "F4:2"
                                          << "conscript";
    QTest::newRow("Alt+Down, End and Enter") << "AltDown:end"
                                             << "captivity";
    QTest::newRow("a click elsewhere, two on the cell, one on the item")
        << "click:Догляд за дитиною"
        << "child_care";
    QTest::newRow("Escape closes the list unchanged") << "escape"
                                                      << "work";
    QTest::newRow("left as it came") << ""
                                     << "work";
}

void TestPeriodKinds::aKindIsChosenByKeysOrTheMouse() {
    QFETCH(QString, way);
    QFETCH(QString, code);
    m_driver->fillPerson(kPerson);
    m_driver->confirmPerson();
    QTableView* view = periodView();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    m_driver->typeKeys(QStringLiteral("01092000"));
    m_driver->press(Qt::Key_Tab);
    m_driver->typeKeys(QStringLiteral("31082003"));
    m_driver->press(Qt::Key_Tab);
    const QModelIndex kind = view->model()->index(0, ExperienceTab::KindColumn);
    QCOMPARE(view->currentIndex(), kind);
    QCOMPARE(kind.data().toString(), QStringLiteral("Робота"));

    const QString how = way.section(QLatin1Char(':'), 0, 0);
    const QString what = way.section(QLatin1Char(':'), 1);
    auto list = [&] { return qobject_cast<QComboBox*>(view->indexWidget(kind)); };
    if (how == "type") {
        m_driver->typeKind(what);
    } else if (how == "F4" || how == "AltDown") {
        m_driver->press(how == "F4" ? Qt::Key_F4 : Qt::Key_Down,
                        how == "F4" ? Qt::NoModifier : Qt::AltModifier);
        QVERIFY(list() && list()->view()->isVisible());
        if (what == "end")
            m_driver->press(Qt::Key_End);
        for (int down = 0; down < what.toInt(); ++down)
            m_driver->press(Qt::Key_Down);
        m_driver->press(Qt::Key_Return);
    } else if (how == "click") {
        // A click makes the kind current; a click on the current kind opens the list.
        m_driver->clickCell(view, 0, ExperienceTab::BeginColumn);
        m_driver->clickCell(view, 0, ExperienceTab::KindColumn);
        QCOMPARE(view->currentIndex(), kind);
        QVERIFY(!list());
        m_driver->clickCell(view, 0, ExperienceTab::KindColumn);
        QVERIFY(list() && list()->view()->isVisible());
        QAbstractItemView* items = list()->view();
        const QModelIndex item = items->model()->index(list()->findText(what), 0);
        QVERIFY(item.isValid());
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(item).center());
    } else if (how == "escape") {
        m_driver->press(Qt::Key_F4);
        m_driver->press(Qt::Key_Down);
        m_driver->press(Qt::Key_Escape);
        QVERIFY(!list()->view()->isVisible());
    }
    m_driver->settleAfterList();
    if (how != "escape") {
        QVERIFY(!list());
        QCOMPARE(QApplication::focusWidget(), view);
        QCOMPARE(view->currentIndex(), kind);
        QCOMPARE(kind.data().toString(), titleOf(code.toLatin1().constData()));
    }

    m_driver->press(Qt::Key_Return); // on to a new row: the period is stored
    QCOMPARE(dm().cdsExp.recordCount(), 1);
    Table& periods = dm().cdsExp;
    QCOMPARE(
        QString::fromStdString(textOrEmpty(periods.viewValue(0, periods.fieldIndex("exp_kind")))),
        code);
    QCOMPARE(view->model()->index(0, ExperienceTab::KindColumn).data().toString(),
             titleOf(code.toLatin1().constData()));
    QCOMPARE(view->currentIndex().row(), 1);
    QVERIFY(m_script->messages.isEmpty());
}

// The kinds typed by keys show in the grid, the footer and the ledger, and the window's results
// equal the headless calculator's for the same case with the kinds.
void TestPeriodKinds::kindsTypedByKeysGiveTheHeadlessResults() {
    m_driver->fillPerson(kPerson);
    m_driver->confirmPerson();
    typePeriods(kCareer);
    QVERIFY(!QTest::currentTestFailed());
    for (int row = 0; row < kCareer.size(); ++row)
        QCOMPARE(periodView()->model()->index(row, ExperienceTab::KindColumn).data().toString(),
                 titleOf(kCareer[row].code));
    // 2 years of service, 31/4/0 and 8/11/0 of work, 6 months of the benefit.
    const QString share = QStringLiteral("строкова служба 2 р., допомога по безробіттю 6 міс.");
    const QString whole = QStringLiteral("з них: ") + share;
    FooterBar* footer = periodFooter();
    QCOMPARE(footer->cellText(ExperienceTab::LengthColumn), QStringLiteral("42/9/0"));
    QCOMPARE(footer->cellText(ExperienceTab::KindColumn), whole);
    // At the window's first size on this screen the part wraps whole onto a second line; in a
    // wide window it takes one; where even two lines cannot hold it, a hover shows it whole.
    QCOMPARE(footer->shownLines(ExperienceTab::KindColumn).join(QString()), whole);
    QCOMPARE(footer->cellToolTip(ExperienceTab::KindColumn), QString());
    const QSize size = m_window->size();
    m_window->resize(m_window->screen()->availableGeometry().width(), size.height());
    QApplication::processEvents();
    QCOMPARE(footer->shownLines(ExperienceTab::KindColumn), QStringList{whole});
    m_window->resize(m_window->minimumSizeHint().width(), size.height());
    QApplication::processEvents();
    QCOMPARE(footer->shownLines(ExperienceTab::KindColumn).size(), 2);
    QVERIFY(footer->shownLines(ExperienceTab::KindColumn).last().endsWith(QChar(0x2026)));
    const QRect cell = footer->cellRect(ExperienceTab::KindColumn);
    QVERIFY(cell.height() > 2 * footer->fontMetrics().height()); // the footer grew to hold both
    QHelpEvent hover(QEvent::ToolTip, cell.center(), footer->mapToGlobal(cell.center()));
    QApplication::sendEvent(footer, &hover);
    QCOMPARE(QToolTip::text(), whole);
    QToolTip::hideText();
    m_window->resize(size);
    QApplication::processEvents();

    m_driver->verifyPeriods();
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
    m_driver->clickTab(m_window->tsEarning);
    QTableView* ledger = m_driver->ledgerView();
    QVERIFY(!ledger->isColumnHidden(EarningsTab::KindColumn));
    QVERIFY(ledger->isColumnHidden(EarningsTab::ExclusionColumn)); // nothing calculated yet
    QCOMPARE(ledgerText(1981, 5, EarningsTab::KindColumn), titleOf("conscript"));
    QCOMPARE(ledgerText(1990, 5, EarningsTab::KindColumn), titleOf("work"));
    // ст. 40 ч. 2: a month of the benefit shows the minimum wage as its earning, and says so.
    QCOMPARE(ledgerText(2015, 2, EarningsTab::KindColumn), titleOf("unemployment"));
    QCOMPARE(ledgerText(2015, 2, EarningsTab::PaymentColumn),
             ledgerText(2015, 2, EarningsTab::MinimumWageColumn));
    QVERIFY(ledgerText(2015, 2, EarningsTab::PaymentColumn).toDouble() > 0);
    const QAbstractItemModel* months = ledger->model();
    QCOMPARE(months->index(m_driver->ledgerRow(2015, 2), EarningsTab::PaymentColumn)
                 .data(Qt::ToolTipRole)
                 .toString(),
             QStringLiteral("Для цього місяця в розрахунок береться мінімальна заробітна плата "
                            "(ст. 40 ч. 2 Закону №1058-IV)"));
    for (const auto& [year, month0] : {std::pair(1981, 5), std::pair(2015, 6)})
        QVERIFY(months->index(m_driver->ledgerRow(year, month0), EarningsTab::PaymentColumn)
                    .data(Qt::ToolTipRole)
                    .isNull());

    for (const EarningRun& run : kEarnings) {
        m_driver->fillEarnings(run.year, run.month0, run.months, run.keys);
        QVERIFY(!QTest::currentTestFailed());
    }
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    m_driver->calculate();
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));

    const QJsonObject expected = headlessCareer(true);
    QVERIFY(!QTest::currentTestFailed());
    const QJsonObject result = expected.value("result").toObject();
    compareResultsPanel(panel(), result);
    QVERIFY(!QTest::currentTestFailed());
    compareLedger(dm().cdsEarning, expected.value("ledger").toArray());
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY2(panel().lCredited->text().contains(share), qPrintable(panel().lCredited->text()));

    // The months martial law left out show their reason.
    QVERIFY(!ledger->isColumnHidden(EarningsTab::ExclusionColumn));
    QCOMPARE(monthsShownLeftOut(),
             result.value("values").toObject().value("ExtraExcluded").toInt());
    QVERIFY(monthsShownLeftOut() > 0);
    // The column's title says "left out"; the cell names the reason, its tooltip says it whole.
    const std::string_view martialLaw = exclusionTitle(ExtraExclusion::MartialLaw);
    QCOMPARE(ledgerText(2023, 0, EarningsTab::ExclusionColumn), QStringLiteral("воєнний стан"));
    QCOMPARE(months->index(m_driver->ledgerRow(2023, 0), EarningsTab::ExclusionColumn)
                 .data(Qt::ToolTipRole)
                 .toString(),
             QString::fromUtf8(martialLaw.data(), qsizetype(martialLaw.size())));
    QCOMPARE(ledgerText(2010, 0, EarningsTab::ExclusionColumn), QString());
}

// A credited period may lie on work, its days counted once; two work periods, or two credited
// ones, still may not share a day.
void TestPeriodKinds::creditedPeriodsMayLieOnWork_data() {
    QTest::addColumn<QList<TypedPeriod>>("periods");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<QString>("total"); // of the footer, when the periods are taken
    QTest::addColumn<QString>("share");

    const QString overlap = QString::fromUtf8(messages::kPeriodsOverlap);
    QTest::newRow("child care inside work")
        << QList<TypedPeriod>{{"01.01.2000", "31.12.2010"},
                              {"01.03.2003", "28.02.2006", "Догл", "child_care"}}
        << QStringList{} << "11/0/0"
        << "з них: догляд за дитиною 3 р.";
    QTest::newRow("service over the whole of a work period")
        << QList<TypedPeriod>{{"01.01.2001", "31.12.2001"},
                              {"01.01.2000", "31.12.2002", "Стр", "conscript"}}
        << QStringList{} << "3/0/0"
        << "з них: строкова служба 3 р.";
    QTest::newRow("two work periods sharing a day")
        << QList<TypedPeriod>{{"01.01.2000", "31.12.2005"}, {"31.12.2005", "31.12.2010"}}
        << QStringList{overlap} << QString() << QString();
    QTest::newRow("two credited periods on work sharing a day")
        << QList<TypedPeriod>{{"01.01.2000", "31.12.2010"},
                              {"01.01.2002", "31.12.2003", "Догл", "child_care"},
                              {"31.12.2003", "30.06.2004", "Стр", "conscript"}}
        << QStringList{overlap} << QString() << QString();
}

void TestPeriodKinds::creditedPeriodsMayLieOnWork() {
    QFETCH(QList<TypedPeriod>, periods);
    QFETCH(QStringList, warnings);
    QFETCH(QString, total);
    QFETCH(QString, share);
    m_driver->fillPerson(kPerson);
    m_driver->confirmPerson();
    typePeriods(periods);
    QVERIFY(!QTest::currentTestFailed());

    m_driver->verifyPeriods();
    QCOMPARE(m_script->messageTexts(), warnings);
    QCOMPARE(m_driver->isEnabled(m_window->tsEarning), warnings.isEmpty());
    if (!warnings.isEmpty()) {
        QCOMPARE(dm().cdsEarning.recordCount(), 0);
        QCOMPARE(dm().cdsExp.recordCount(), periods.size());
        return;
    }
    QCOMPARE(periodFooter()->cellText(ExperienceTab::LengthColumn), total);
    QCOMPARE(periodFooter()->cellText(ExperienceTab::KindColumn), share);

    // The ledger has each month once, of the credited kind where it lies on work, with the
    // days of the month counted once.
    const TypedPeriod& credited = periods.last();
    const QDate from = QDate::fromString(credited.begin, QStringLiteral("dd.MM.yyyy"));
    const QDate to = QDate::fromString(credited.finish, QStringLiteral("dd.MM.yyyy"));
    Table& ledger = dm().cdsEarning;
    int expectedMonths = 0;
    for (QDate month(2000, 1, 1); month <= QDate(2010, 12, 1); month = month.addMonths(1)) {
        const int row = m_driver->ledgerRow(month.year(), month.month() - 1);
        if (row < 0)
            continue;
        ++expectedMonths;
        const bool inside = from <= month && month.addMonths(1).addDays(-1) <= to;
        if (!inside)
            continue;
        QCOMPARE(QString::fromStdString(
                     textOrEmpty(ledger.viewValue(row, ledger.fieldIndex("earning_kind")))),
                 QString::fromLatin1(credited.code));
        QCOMPARE(ledger.viewValue(row, ledger.fieldIndex("earning_month_day")),
                 Value(std::int32_t(month.daysInMonth())));
    }
    QCOMPARE(ledger.recordCount(), expectedMonths);

    // The kind's title groups the periods by kind, the credited one before work.
    m_driver->clickTab(m_window->tsExp);
    m_driver->clickTitle(periodView(), ExperienceTab::KindColumn);
    QCOMPARE(dm().cdsExp.indexFieldNames(), std::string("exp_kind"));
    QCOMPARE(periodView()->model()->index(0, ExperienceTab::KindColumn).data().toString(),
             titleOf(credited.code));
    QCOMPARE(periodView()->model()->index(1, ExperienceTab::KindColumn).data().toString(),
             titleOf("work"));
}

// Unchecking the extra exclusions changes the case: the results go, a new calculation keeps
// every month, and the case file keeps the choice and the kinds.
void TestPeriodKinds::theExclusionsChoiceIsKeptWithTheCase() {
    typeCareer();
    QVERIFY(!QTest::currentTestFailed());
    QCheckBox* choice = panel().cbExtraExclusions;
    QVERIFY(choice->isChecked());
    QCOMPARE(choice->text(), QStringLiteral("Виключати місяці, що знижують коефіцієнт заробітку "
                                            "(воєнний стан, карантин, догляд, служба — ст. 40 "
                                            "ч. 1)"));
    const QString withExclusions = panel().edfFullPens->text();
    QVERIFY(monthsShownLeftOut() > 0);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Коваленко.csf"));
    m_script->fileAnswers = {file};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_window->CaseModified);

    m_driver->click(choice);
    QVERIFY(!choice->isChecked());
    QVERIFY(m_window->CaseModified);
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("Коваленко.csf*")));
    QCOMPARE(panel().edfFullPens->text(), QStringLiteral("0")); // the results went with it
    QVERIFY(panel().lExclusions->isHidden());

    m_driver->calculate();
    const QString withoutExclusions = panel().edfFullPens->text();
    QVERIFY(withoutExclusions != withExclusions);
    const QJsonObject expected = headlessCareer(false);
    QVERIFY(!QTest::currentTestFailed());
    compareResultsPanel(panel(), expected.value("result").toObject());
    QVERIFY(!QTest::currentTestFailed());
    compareLedger(dm().cdsEarning, expected.value("ledger").toArray());
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(monthsShownLeftOut(), 0);

    // Closing asks to save the change and saves it; the program started again opens the case
    // with the choice and the kinds.
    const qsizetype asked = m_script->messages.size();
    m_script->answers = {QMessageBox::Save};
    QVERIFY(m_window->close());
    QCOMPARE(m_script->messageTexts().mid(asked),
             QStringList({"Зміни у справі ще не збережено. Зберегти їх перед виходом з програми?",
                          "Файл успішно збережено"}));
    QVERIFY(!m_window->CaseModified);
    QCOMPARE(m_script->unanswered, 0);
    m_session.open();
    QCheckBox* reopened = panel().cbExtraExclusions;
    QVERIFY(reopened->isChecked()); // a new case makes the exclusions
    m_script->fileAnswers = {file};
    m_driver->press(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_script->messages.last().icon, PromptIcon::Information);
    QVERIFY(!reopened->isChecked());
    QCOMPARE(panel().edfFullPens->text(), withoutExclusions);
    for (int row = 0; row < kCareer.size(); ++row)
        QCOMPARE(periodView()->model()->index(row, ExperienceTab::KindColumn).data().toString(),
                 titleOf(kCareer[row].code));
    QVERIFY(!m_window->CaseModified);

    // Checked again, the months that lower Кз are left out again.
    m_driver->click(reopened);
    m_driver->calculate();
    QCOMPARE(panel().edfFullPens->text(), withExclusions);
    QVERIFY(monthsShownLeftOut() > 0);
    QVERIFY(m_window->CaseModified);
}

void TestPeriodKinds::savePictures_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestPeriodKinds::savePictures() {
    QFETCH(bool, dark);
    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") != 1)
        QSKIP("pictures only with RAVELTA_SCREENS=1");
    if (dark) {
        QApplication::setPalette(darkPalette());
        m_session.open();
    }
    typeCareer();
    QVERIFY(!QTest::currentTestFailed());
    m_driver->clickTab(m_window->tsEarning);
    m_driver->chooseYear(2022); // months of martial law in view
    const QString folder = QStringLiteral(RV_SCREENS_DIR);
    QVERIFY(QDir().mkpath(folder));
    const QString prefix =
        QStringLiteral("%1/kinds_%2_")
            .arg(folder, dark ? QStringLiteral("dark") : QStringLiteral("light"));
    // The kind of the second period current, with its drop-down arrow, and its list dropped down.
    m_driver->clickTab(m_window->tsExp);
    m_driver->clickCell(periodView(), 1, ExperienceTab::KindColumn);
    m_driver->clickCell(periodView(), 1, ExperienceTab::KindColumn);
    auto* list = qobject_cast<QComboBox*>(
        periodView()->indexWidget(periodView()->model()->index(1, ExperienceTab::KindColumn)));
    QVERIFY(list && list->view()->isVisible());
    QVERIFY(list->view()->window()->grab().save(prefix + QStringLiteral("kinds_list.png")));
    m_driver->press(Qt::Key_Escape);
    m_driver->press(Qt::Key_Escape);
    m_driver->settleAfterList();
    QCOMPARE(QApplication::focusWidget(), periodView());
    for (QWidget* page : {m_window->tsExp, m_window->tsEarning, m_window->tsCalc}) {
        if (page != m_window->tsExp)
            m_driver->clickTab(page);
        QVERIFY(m_window->grab().save(prefix + page->objectName() + QStringLiteral(".png")));
    }
    // The results page scrolled to the notes and the choice of the exclusions.
    auto* results = panel().findChild<QScrollArea*>(QStringLiteral("saCalc"));
    QVERIFY(results);
    results->ensureWidgetVisible(panel().cbExtraExclusions);
    QVERIFY(m_window->grab().save(prefix + QStringLiteral("tsCalc_choice.png")));
}

QTEST_MAIN(TestPeriodKinds)

#include "tst_period_kinds.moc"
