// The main window as a person meets it: the start state, the reference grids, the menu and tool
// bar, help and about, closing, the Enter chain and a start-up without reference data.

#include "calc/reference_provenance.h"
#include "scripted_prompt.h"
#include "calc/messages.h"
#include "protect/source_flags.h"
#include "typing.h"
#include "ui/captions.h"
#include "ui/data_grid.h"
#include "ui/date_edit.h"
#include "ui/dictionary_page.h"
#include "ui/page_control.h"
#include "ui/person_panel.h"
#include "ui/uMain.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTextBrowser>

#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <tuple>

#include <memory>

using namespace rv;

namespace {

// The text a grid cell must show, worked out with Qt's own formatting rather than the program's.
QString expectedText(const Value& value, const QString& format) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (const auto* date = std::get_if<Date>(&value))
        return QDate(1899, 12, 30).addDays(date->serial).toString(QStringLiteral("dd.MM.yyyy"));
    if (const auto* number = std::get_if<double>(&value)) {
        if (format.isEmpty())
            return locale.toString(*number, 'g', 15);
        const int minimum = int(format.count(QLatin1Char('0'))) - 1;
        const int maximum = minimum + int(format.count(QLatin1Char('#')));
        QString text = locale.toString(*number, 'f', maximum);
        while (maximum > minimum && text.endsWith(QLatin1Char('0')) &&
               text.size() - text.indexOf(locale.decimalPoint()) - 1 > minimum)
            text.chop(1);
        return text;
    }
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return QString::number(*integer);
    return {};
}

Table& referenceTable(TdMain& dMain, int page) {
    Table* tables[] = {&dMain.cdsAvgZpMonth, &dMain.cdsAvgZpYear, &dMain.cdsMinZP,
                       &dMain.cdsKoeff,      &dMain.cdsMinPens,   &dMain.cdsParam,
                       &dMain.cdsMaxIncome};
    return *tables[page];
}

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions)
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class TestTfrmMain : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsOnTheReferencePagesWithTheWorkTabsClosed();
    void workTabsCannotBeEnteredByTheUser_data();
    void workTabsCannotBeEnteredByTheUser();
    void referenceGridsShowTheirTables_data();
    void referenceGridsShowTheirTables();
    void lawPagesShowEveryRuleWithItsSource();
    void parametersShowTheFiveRows();
    void actionsHaveTheirCaptionsShortcutsAndStartStates_data();
    void actionsHaveTheirCaptionsShortcutsAndStartStates();
    void menuAndToolBarListTheCommands();
    void helpShowsTheHelpText();
    void aboutTellsTheVersion();
    void closingAsksOnlyAboutChanges_data();
    void closingAsksOnlyAboutChanges();
    void enterMovesThroughThePersonPanel();
    void startsWithoutReferenceDataWhenTheyCannotBeUnpacked();

private:
    void showActive();
    void clickMenuItem(QMenu* menu, QAction* action);

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
};

void TestTfrmMain::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
}

void TestTfrmMain::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
}

void TestTfrmMain::cleanup() {
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

void TestTfrmMain::showActive() {
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestTfrmMain::clickMenuItem(QMenu* menu, QAction* action) {
    menu->popup(m_window->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

void TestTfrmMain::startsOnTheReferencePagesWithTheWorkTabsClosed() {
    TfrmMain& window = *m_window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Нова справа — ") + window.versionText());
    QVERIFY2(window.versionText().startsWith(QStringLiteral("Равелта 1.2, довідники станом на ")),
             qPrintable(window.versionText()));
    QCOMPARE(window.size(), QSize(898, 743));
    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(window.dMain());

    QCOMPARE(window.pcMain->currentPage(), window.tsDictionary);
    QCOMPARE(window.dictionary->pcDict()->currentIndex(), 0);
    QCOMPARE(window.dictionary->pcDict()->currentPage()->objectName(), QStringLiteral("tsDict1"));
    const QStringList captions = {"Довідники", "Інформація", "Трудовий стаж", "Заробітки",
                                  "Розрахунок"};
    for (int i = 0; i < window.pcMain->count(); ++i) {
        QCOMPARE(window.pcMain->caption(i), captions[i]);
        QCOMPARE(window.pcMain->isPageEnabled(i), i < 2);
        QCOMPARE(window.pcMain->tabStrip()->tabRect(i).width(), 120);
    }

    QCOMPARE(window.CaseModified, false);
    QCOMPARE(window.CaseFileName, QString());
    QCOMPARE(window.LedgerRefreshEnabled, true);
    QCOMPARE(window.SummaryYear, 0);

    // A person starts with an empty panel: no name, no dates, no gender.
    QCOMPARE(window.gbPers->title(), QStringLiteral("Реквізити особи"));
    QCOMPARE(window.gbPers->edtehPersonName->text(), QString());
    QVERIFY(window.gbPers->dtehPersBirthdate->isBlank());
    QVERIFY(window.gbPers->dtehPersonZvernennya->isBlank());
    QCOMPARE(window.gbPers->cbehPersonGender->currentIndex(), -1);
    QCOMPARE(window.gbPers->cbehPersonGender->count(), 2);
    QCOMPARE(window.gbPers->bbSavePerson->text(), QStringLiteral("Підтвердити"));
    QVERIFY(window.gbPers->Label4->text().startsWith(
        QStringLiteral("* Дата звернення за призначенням пенсії.")));
    QCOMPARE(window.gbPers->dtehPersonZvernennya->toolTip(),
             QStringLiteral("Дата звернення за призначенням пенсії"));
}

void TestTfrmMain::workTabsCannotBeEnteredByTheUser_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("Трудовий стаж") << 2;
    QTest::newRow("Заробітки") << 3;
    QTest::newRow("Розрахунок") << 4;
}

void TestTfrmMain::workTabsCannotBeEnteredByTheUser() {
    QFETCH(int, page);
    showActive();
    PageControl* pcMain = m_window->pcMain;
    QTest::mouseClick(pcMain->tabStrip(), Qt::LeftButton, {},
                      pcMain->tabStrip()->tabRect(page).center());
    QCOMPARE(pcMain->currentPage(), m_window->tsDictionary);

    // Ctrl+Tab from the main tabs only ever reaches the two open pages.
    pcMain->tabStrip()->setFocus();
    for (int press = 0; press < 5; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY2(pcMain->isPageEnabled(pcMain->currentIndex()),
                 qPrintable(pcMain->caption(pcMain->currentIndex())));
    }
    QVERIFY(m_script->messages.isEmpty()); // a refused change says nothing

    // The program's own commands may still show the page.
    pcMain->setCurrentIndex(page);
    QCOMPARE(pcMain->currentIndex(), page);
}

void TestTfrmMain::referenceGridsShowTheirTables_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("valueFormat"); // of the value column; empty: general
    QTest::addColumn<QString>("file");        // the CSV of the rows' sources

    const QString begin = QStringLiteral("Дата початку дії");
    const QString end = QStringLiteral("Дата закінчення дії");
    auto dated = [](const char* prefix) {
        const QString p = QString::fromLatin1(prefix);
        return QStringList{p + "_date_begin", p + "_date_end", p + "_value"};
    };
    QTest::newRow("tsDict1") << 0 << "Середня ЗП по Україні (місячний)"
                             << QStringList{begin, end, "Середній розмір ЗП по НГ, грн"}
                             << dated("azm") << "0.00###"
                             << "AvgZpMonth.csv";
    QTest::newRow("tsDict2") << 1 << "Середня ЗП по Україні (річний)"
                             << QStringList{begin, end, "Середній розмір ЗП по НГ, грн"}
                             << dated("azy") << "0.00"
                             << "AvgZpYear.csv";
    QTest::newRow("tsDict3") << 2 << "Мінімальна ЗП в Україні"
                             << QStringList{begin, end, "Мінімальна зарплата, грн"} << dated("mz")
                             << "0.00"
                             << "MinZP.csv";
    QTest::newRow("tsDict4") << 3 << "Коефіцієнти оцінки стажу"
                             << QStringList{begin, end, "Значення"} << dated("k") << ""
                             << "Koeff.csv";
    QTest::newRow("tsDict5") << 4 << "Мінімальні пенсії за віком"
                             << QStringList{begin, end, "Розмір прожиткового мінімуму, грн"}
                             << dated("mp") << "0.00"
                             << "MinPens.csv";
    QTest::newRow("tsMaxIncome") << 6 << "Максимальний дохід, з якого сплачуються СВ"
                                 << QStringList{begin, end, "Розмір максимального доходу, грн"}
                                 << dated("mi") << ""
                                 << "MaxIncome.csv";
}

void TestTfrmMain::referenceGridsShowTheirTables() {
    QFETCH(int, page);
    QFETCH(QString, caption);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, fields);
    QFETCH(QString, valueFormat);
    QFETCH(QString, file);
    // After the table's own columns: each row's flags and source.
    titles << QStringLiteral("Позначки") << QStringLiteral("Джерело");
    fields << QString() << QString();

    showActive();
    QCOMPARE(m_window->dictionary->pcDict()->caption(page), caption);
    m_window->dictionary->pcDict()->setCurrentIndex(page);
    DataGrid* grid = m_window->dictionary->grid(page);
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    Table& table = referenceTable(*m_window->dMain(), page);
    QVERIFY(table.recordCount() > 0);
    QCOMPARE(grid->model()->rowCount(), table.recordCount());
    QCOMPARE(grid->model()->columnCount(), titles.size());

    QHeaderView* header = grid->view()->horizontalHeader();
    for (int column = 0; column < titles.size(); ++column) {
        QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
        QCOMPARE(grid->model()->column(column).field, fields[column].toStdString());
        if (fields[column].isEmpty())
            continue; // the rows' flags and source
        QVERIFY(!(grid->model()->flags(grid->model()->index(0, column)) & Qt::ItemIsEditable));
        const QColor grey(233, 233, 233); // every reference column is read-only
        QCOMPARE(grid->model()->index(0, column).data(Qt::BackgroundRole).value<QBrush>().color(),
                 grey);
    }
    for (int column : {0, 1}) {
        QCOMPARE(header->sectionSize(column), 140);
        QCOMPARE(header->sectionResizeMode(column), QHeaderView::Fixed);
        QCOMPARE(grid->model()->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
    }

    // The sources' column shows when the person ticks "Показати джерела".
    const int sourceColumn = titles.size() - 1;
    QVERIFY(grid->view()->isColumnHidden(sourceColumn));
    QTest::mouseClick(m_window->dictionary->cbShowSources(), Qt::LeftButton);
    QVERIFY(!grid->view()->isColumnHidden(sourceColumn));

    // Each row keeps the source and flags of its CSV row, in file order; estimates stand out.
    const std::vector<SourcedRow> sourced = referenceProvenance(file.toStdString());
    QCOMPARE(int(sourced.size()), table.recordCount());
    int estimated = 0;
    for (int row = 0; row < table.recordCount(); ++row) {
        const QModelIndex flags = grid->model()->index(row, sourceColumn - 1);
        const QModelIndex source = grid->model()->index(row, sourceColumn);
        const QString sourceText = QString::fromStdString(std::string(sourced[row].source));
        QCOMPARE(source.data().toString(), sourceText);
        QCOMPARE(flags.data().toString(),
                 QString::fromStdString(sourceFlagsText(sourced[row].flags)));
        QVERIFY(grid->model()
                    ->index(row, 0)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(sourceText.toHtmlEscaped()));
        const bool isEstimate = sourced[row].flags & kEstimatedFigureFlags;
        estimated += isEstimate;
        if (isEstimate)
            QCOMPARE(flags.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 240, 192));
    }
    if (file == QStringLiteral("AvgZpMonth.csv"))
        QVERIFY(estimated > 40);

    for (int row = 0; row < table.recordCount(); ++row)
        for (int column = 0; column < titles.size() - 2; ++column) {
            const Value value =
                table.viewValue(row, table.fieldIndex(fields[column].toStdString()));
            const QString format = column == 2 ? valueFormat : QString();
            const QString shown = grid->model()->index(row, column).data().toString();
            QVERIFY2(shown == expectedText(value, format),
                     qPrintable(QStringLiteral("row %1 column %2: shown '%3', expected '%4'")
                                    .arg(row)
                                    .arg(column)
                                    .arg(shown, expectedText(value, format))));
        }
}

// The law's rules on the reference page: a person clicks the tab and reads each rule with its
// dates, value, article, confidence and source; the long texts show whole as tooltips.
void TestTfrmMain::lawPagesShowEveryRuleWithItsSource() {
    showActive();
    PageControl* pages = m_window->dictionary->pcDict();
    for (const auto& [page, caption, table] :
         {std::tuple{7, "Норми закону", &m_window->dMain()->cdsLawRules},
          std::tuple{8, "Пенсійний вік жінок", &m_window->dMain()->cdsWomenAge}}) {
        QCOMPARE(pages->caption(page), QString::fromUtf8(caption));
        QTest::mouseClick(pages->tabStrip(), Qt::LeftButton, {},
                          pages->tabStrip()->tabRect(page).center());
        QCOMPARE(pages->currentIndex(), page);
        DataGrid* grid = m_window->dictionary->grid(page);
        QAbstractItemModelTester tester(grid->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(table->recordCount() > 10);
        QCOMPARE(grid->model()->rowCount(), table->recordCount());
    }

    DataGrid* rules = m_window->dictionary->grid(7);
    const QStringList titles{"Правило",       "Діє з",       "Діє по",  "Значення", "Стаття",
                             "Достовірність", "Текст норми", "Джерело", "Акт",      "Одиниця"};
    for (int column = 0; column < titles.size(); ++column)
        QCOMPARE(rules->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
    // The valuation of 1.35 % from 01.10.2008 with its article and source.
    bool found = false;
    for (int row = 0; row < rules->model()->rowCount(); ++row) {
        auto cell = [&](int column) {
            return rules->model()->index(row, column).data().toString();
        };
        if (cell(0) == "A25.VS" && cell(1) == "01.10.2008") {
            found = true;
            QCOMPARE(cell(3), QStringLiteral("1.35"));
            QCOMPARE(cell(4), QStringLiteral("ст.25 ч.1 абз.5"));
            QCOMPARE(cell(5), QStringLiteral("EXACT"));
            QVERIFY(rules->model()
                        ->index(row, 7)
                        .data(Qt::ToolTipRole)
                        .toString()
                        .contains("04538-ua-law-107-17"));
        }
    }
    QVERIFY(found);
}

void TestTfrmMain::parametersShowTheFiveRows() {
    DataGrid* grid = m_window->dictionary->grid(5);
    QCOMPARE(m_window->dictionary->pcDict()->caption(5), QStringLiteral("Параметри розрахунку"));
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Назва параметра"));
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Значення параметру"));
    QVERIFY(grid->view()->horizontalHeader()->sectionSize(0) >= 443);

    const ReferenceData& reference = m_window->dMain()->reference();
    const QList<std::pair<QString, std::int32_t>> rows = {
        {"Мінімально необхідний СС (для отримання неповної пенсії)", reference.MinInsuranceYears},
        {"Необхідний СС жінки (для отримання повної пенсії)", reference.FullInsuranceYearsFemale},
        {"Необхідний СС чоловіки (для отримання повної пенсії)", reference.FullInsuranceYearsMale},
        {"Пенсійний вік жінки", reference.PensionAgeFemale},
        {"Пенсійний вік чоловіка", reference.PensionAgeMale},
    };
    QCOMPARE(grid->model()->rowCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const QModelIndex name = grid->model()->index(row, 0);
        QCOMPARE(name.data().toString(), rows[row].first);
        QCOMPARE(name.data(Qt::ToolTipRole).toString(), rows[row].first); // cell tooltips on
        QCOMPARE(grid->model()->index(row, 1).data().toString(), QString::number(rows[row].second));
    }
}

void TestTfrmMain::actionsHaveTheirCaptionsShortcutsAndStartStates_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");
    auto row = [](const char* name, const char* caption, QKeySequence shortcut, bool enabled) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << shortcut
                            << enabled;
    };
    row("aNewPerson", "&Нова особа", QKeySequence(Qt::CTRL | Qt::Key_N), true);
    row("aSave", "&Зберегти", QKeySequence(Qt::CTRL | Qt::Key_S), true);
    row("aSaveAs", "Зберегти &як...", {}, true);
    row("aLoad", "З&авантажити...", QKeySequence(Qt::CTRL | Qt::Key_O), true);
    row("aExit", "&Вихід", QKeySequence(Qt::ALT | Qt::Key_F4), true);
    row("aPersonHelp", "&Довідкові дані", {}, true);
    row("aAbout", "&Інформація про програму", {}, true);
    row("aAddPerson", "Підтвердити", {}, true);
    row("aVerifyExp", "Підтвердити стаж", {}, false);
    row("aClearExp", "Очистити", {}, false);
    row("aPrintExp", "Зберегти в xls", {}, true);
    row("aVerifyEarning", "Підтвердити заробітки", {}, false);
    row("aClearEarning", "Очистити", {}, false);
    row("aPrintEarning", "Зберегти в xls", {}, true);
    row("aCalc", "Провести розрахунок*", {}, true);
    // The protocol's commands wait for a calculation.
    row("aProtocolPrint", "&Друкувати протокол розрахунку...", QKeySequence(Qt::CTRL | Qt::Key_P),
        false);
    row("aProtocolPdf", "Зберегти протокол розрахунку в &PDF...", {}, false);
    row("aSuperSave", "Super Save", {}, true);
    row("aSuperChange", "Super State", {}, true);
}

void TestTfrmMain::actionsHaveTheirCaptionsShortcutsAndStartStates() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, enabled);
    auto* action = m_window->findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->isEnabled(), enabled);
}

void TestTfrmMain::menuAndToolBarListTheCommands() {
    TfrmMain& window = *m_window;
    const QList<QAction*> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(actionTexts(menus.at(0)->menu()->actions()),
             QStringList({"&Нова особа", "-", "&Зберегти", "Зберегти &як...", "З&авантажити...",
                          "&Останні файли", "-", "&Імпорт заробітків...",
                          "Імпорт заробітків із &буфера обміну", "Е&кспорт заробітків у CSV...",
                          "-", "&Друкувати протокол розрахунку...",
                          "Зберегти протокол розрахунку в &PDF...", "-", "&Вихід"}));
    QCOMPARE(actionTexts(menus.at(1)->menu()->actions()),
             QStringList({"&Довідкові дані", "-", "&Інформація про програму"}));
    QCOMPARE(menus.at(2)->text(), QStringLiteral("Super Menu"));
    QVERIFY(!menus.at(2)->isVisible());
    QCOMPARE(actionTexts(menus.at(2)->menu()->actions()),
             QStringList({"Super Save", "Super State"}));
    QVERIFY(window.aSuperChange->isCheckable());
    for (QAction* menu : menus)
        QVERIFY(!menu->menu()->toolTipsVisible());

    QCOMPARE(window.ToolBar1->actions(),
             QList<QAction*>({window.aNewPerson, window.ToolBar1->actions().at(1), window.aSave,
                              window.aLoad, window.ToolBar1->actions().at(4), window.aPersonHelp,
                              window.ToolBar1->actions().at(6), window.aExit}));
    const QList<std::pair<const char*, const char*>> buttons = {{"tbNewPerson", "Нова особа"},
                                                                {"tbSave", "Зберегти"},
                                                                {"tbLoad", "Завантажити"},
                                                                {"tbHelp", "Довідкові дані"},
                                                                {"tbExit", "Вихід"}};
    for (const auto& [name, tip] : buttons) {
        auto* button = window.ToolBar1->findChild<QToolButton*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QCOMPARE(button->toolTip(), QString::fromUtf8(tip));
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QVERIFY(!button->icon().isNull());
    }
    QVERIFY(window.gbPers->bbSavePerson->toolTip().isEmpty());
}

void TestTfrmMain::helpShowsTheHelpText() {
    showActive();
    QTest::mouseClick(m_window->ToolBar1->findChild<QToolButton*>(QStringLiteral("tbHelp")),
                      Qt::LeftButton);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsInfo);
    QTextBrowser* help = m_window->reInfo;
    QVERIFY(help->isReadOnly());
    QCOMPARE(help->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QString text = help->toPlainText();
    qsizetype at = 0;
    for (const char* heading : {"Введення даних користувачем", "Етап 1.", "Етап 2.", "Етап 3.",
                                "Етап 4.", "Оптимізація 1.", "Оптимізація 2.", "Що буде, якщо…"}) {
        const qsizetype found = text.indexOf(QString::fromUtf8(heading), at);
        QVERIFY2(found > at, heading); // each section present, in order
        at = found;
    }
    QVERIFY(text.contains(QStringLiteral("статей 27 та 28")));
}

void TestTfrmMain::aboutTellsTheVersion() {
    showActive();
    QMenu* help = m_window->menuBar()->actions().at(1)->menu();
    clickMenuItem(help, m_window->aAbout);
    QCOMPARE(m_script->messages.size(), 1);
    const MessageRequest& box = m_script->messages.first();
    QVERIFY2(box.text.startsWith(m_window->versionText() + QStringLiteral("\n\n")),
             qPrintable(box.text));
    QCOMPARE(box.title, QStringLiteral("Равелта"));
    QCOMPARE(box.icon, PromptIcon::Information);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestTfrmMain::closingAsksOnlyAboutChanges_data() {
    QTest::addColumn<int>("way"); // 0 the tool bar's exit button, 1 Alt+F4, 2 the window's close
    QTest::addColumn<bool>("modified");
    for (int way = 0; way < 3; ++way) {
        const char* ways[] = {"exit button", "Alt+F4", "window close"};
        QTest::addRow("%s, unchanged", ways[way]) << way << false;
        QTest::addRow("%s, changed", ways[way]) << way << true;
    }
}

void TestTfrmMain::closingAsksOnlyAboutChanges() {
    QFETCH(int, way);
    QFETCH(bool, modified);
    showActive();
    if (modified)
        m_window->MarkModified();
    auto close = [&] {
        if (way == 0)
            QTest::mouseClick(m_window->ToolBar1->findChild<QToolButton*>("tbExit"),
                              Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(m_window.get(), Qt::Key_F4, Qt::AltModifier);
        else
            m_window->close();
    };

    if (modified) {
        m_script->answers = {QMessageBox::Cancel};
        close();
        QCOMPARE(m_script->messages.size(), 1);
        const MessageRequest& question = m_script->messages.first();
        QCOMPARE(question.text, QStringLiteral("Зміни у справі ще не збережено. Зберегти їх перед "
                                               "виходом з програми?"));
        QCOMPARE(question.title, QStringLiteral("Равелта"));
        QCOMPARE(question.icon, PromptIcon::Question);
        QCOMPARE(question.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::Save);
        QVERIFY(m_window->isVisible()); // Cancel keeps the window open and changes nothing
        QVERIFY(m_window->CaseModified);
        m_script->answers = {QMessageBox::Discard};
    }
    close();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_script->messages.size(), modified ? 2 : 0);
}

void TestTfrmMain::enterMovesThroughThePersonPanel() {
    showActive();
    PersonPanel& panel = *m_window->gbPers;
    QSignalSpy confirmations(m_window->aAddPerson, &QAction::triggered);
    panel.edtehPersonName->setFocus();
    typeText(panel.edtehPersonName, QStringLiteral("Оксана"));

    const QList<std::pair<QWidget*, const char*>> chain = {
        {panel.dtehPersBirthdate->lineEdit(), "birth date"},
        {panel.cbehPersonGender, "gender"},
        {panel.dtehPersonZvernennya->lineEdit(), "application date"},
        {panel.bbSavePerson, "Підтвердити"}};
    for (const auto& [next, name] : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(QApplication::focusWidget() == next, name);
    }
    QCOMPARE(confirmations.size(), 0); // Enter moves to the button, it does not press it
    // The typed name went into the person row.
    QCOMPARE(m_window->dMain()->cdsPerson.asText("person_name"), std::string("Оксана"));
}

void TestTfrmMain::startsWithoutReferenceDataWhenTheyCannotBeUnpacked() {
    StoredReferenceData damaged = EmbeddedReferenceData();
    damaged.scalars[2] = "not base64!";
    ScriptedPrompt script;
    TfrmMain window(&script, damaged);

    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages.first().text, QString::fromUtf8(messages::kCannotUnpackReference));
    QCOMPARE(script.messages.first().title, QStringLiteral("Равелта"));
    QVERIFY(!window.dMain());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Нова справа — Равелта 1.2"));
    QCOMPARE(window.pcMain->currentPage(), window.tsDictionary);
    QCOMPARE(window.dictionary->pcDict()->currentIndex(), 0);
    for (int page = 2; page < 5; ++page)
        QVERIFY(!window.pcMain->isPageEnabled(page));
    for (int grid = 0; grid < DictionaryPage::kGridCount; ++grid)
        QVERIFY(!window.dictionary->grid(grid)->model());
    QVERIFY(!window.gbPers->edtehPersonName->isEnabled());
    QCOMPARE(window.LedgerRefreshEnabled, true);

    // The window works on: help and about still answer.
    window.aPersonHelp->trigger();
    QCOMPARE(window.pcMain->currentPage(), window.tsInfo);
    window.aAbout->trigger();
    QCOMPARE(script.messages.size(), 2);
    QCOMPARE(script.unanswered, 0);
}

QTEST_MAIN(TestTfrmMain)
#include "tst_tfrmmain.moc"
