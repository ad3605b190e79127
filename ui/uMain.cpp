#include "uMain.h"

#include "calc_panel.h"
#include "captions.h"
#include "command.h"
#include "data_grid.h"
#include "dictionary_page.h"
#include "earnings_tab.h"
#include "experience_tab.h"
#include "help_text.h"
#include "page_control.h"
#include "person_panel.h"
#include "prompt.h"
#include "tooltip_duration.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace rv {

namespace {

constexpr QSize kDesignSize(898, 743);
constexpr int kMainTabWidth = 120;
constexpr int kToolTipMilliseconds = 20000; // the toolkit's default would hide long formulas

const QColor kGridBackground(255, 255, 255);
const QColor kTitleBackground(244, 243, 234);
const QColor kReadOnlyColumn(233, 233, 233);

QAction* makeAction(QObject* owner, const char* name, const char* caption,
                    const QKeySequence& shortcut = {}, bool enabled = true) {
    auto* action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setEnabled(enabled);
    return action;
}

// An icon of the desktop theme, or the toolkit's own where the theme has none.
QIcon themeIcon(const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(themeName),
                            QApplication::style()->standardIcon(fallback));
}

} // namespace

TfrmMain::TfrmMain(PromptHandler* promptHandler, const StoredReferenceData& reference)
    : m_prompt(new Prompt(this, promptHandler)) {
    setObjectName(QStringLiteral("frmMain"));
    resize(kDesignSize);
    createActions();
    createMenu();
    createToolBar();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 4);
    gbPers = new PersonPanel(aAddPerson, central);
    layout->addWidget(gbPers);
    layout->addWidget(createPages(), 1);
    setCentralWidget(central);

    FormCreate(reference);
}

// The bound views go before the data module whose tables they watch.
TfrmMain::~TfrmMain() {
    delete takeCentralWidget();
}

void TfrmMain::createActions() {
    aNewPerson =
        makeAction(this, "aNewPerson", captions::kNewPerson, QKeySequence(Qt::CTRL | Qt::Key_N));
    aSave = makeAction(this, "aSave", captions::kSave, QKeySequence(Qt::CTRL | Qt::Key_S));
    aSaveAs = makeAction(this, "aSaveAs", captions::kSaveAsMenu);
    aLoad = makeAction(this, "aLoad", captions::kLoadMenu, QKeySequence(Qt::CTRL | Qt::Key_O));
    aLoad->setToolTip(QString::fromUtf8(captions::kLoad));
    aExit = makeAction(this, "aExit", captions::kExit, QKeySequence(Qt::ALT | Qt::Key_F4));
    aPersonHelp = makeAction(this, "aPersonHelp", captions::kPersonHelp);
    aAbout = makeAction(this, "aAbout", captions::kAbout);
    aAddPerson = makeAction(this, "aAddPerson", captions::kAddPerson);
    aVerifyExp = makeAction(this, "aVerifyExp", captions::kVerifyExp, {}, false);
    aClearExp = makeAction(this, "aClearExp", captions::kClear, {}, false);
    aPrintExp = makeAction(this, "aPrintExp", captions::kPrintXls);
    aVerifyEarning = makeAction(this, "aVerifyEarning", captions::kVerifyEarning, {}, false);
    aClearEarning = makeAction(this, "aClearEarning", captions::kClear, {}, false);
    aPrintEarning = makeAction(this, "aPrintEarning", captions::kPrintXls);
    aCalc = makeAction(this, "aCalc", captions::kCalc);
    aSuperSave = makeAction(this, "aSuperSave", captions::kSuperSave);
    aSuperChange = makeAction(this, "aSuperChange", captions::kSuperState);
    aSuperChange->setCheckable(true);
    aImportEarnings = makeAction(this, "aImportEarnings", captions::kImportEarnings);
    aImportEarningsPaste = makeAction(this, "aImportEarningsPaste", captions::kImportEarningsPaste);
    aExportLedgerCsv = makeAction(this, "aExportLedgerCsv", captions::kExportLedgerCsv);

    aNewPerson->setIcon(themeIcon("document-new", QStyle::SP_FileIcon));
    aSave->setIcon(themeIcon("document-save", QStyle::SP_DialogSaveButton));
    aSaveAs->setIcon(aSave->icon());
    aLoad->setIcon(themeIcon("document-open", QStyle::SP_DialogOpenButton));
    aPersonHelp->setIcon(themeIcon("help-contents", QStyle::SP_DialogHelpButton));
    aExit->setIcon(themeIcon("application-exit", QStyle::SP_DialogCancelButton));
    aAbout->setIcon(themeIcon("help-about", QStyle::SP_MessageBoxInformation));

    connectCommand(aExit, &TfrmMain::aExitExecute);
    connectCommand(aPersonHelp, &TfrmMain::aPersonHelpExecute);
    connectCommand(aAbout, &TfrmMain::aAboutExecute);
    connectCommand(aAddPerson, &TfrmMain::aAddPersonExecute);
    connectCommand(aNewPerson, &TfrmMain::aNewPersonExecute);
    connectCommand(aVerifyEarning, &TfrmMain::aVerifyEarningExecute);
    connectCommand(aCalc, &TfrmMain::aCalcExecute);
    connectCommand(aVerifyExp, &TfrmMain::aVerifyExpExecute);
    connectCommand(aClearExp, &TfrmMain::aClearExpExecute);
    connectCommand(aSave, &TfrmMain::aSaveExecute);
    connectCommand(aSaveAs, &TfrmMain::aSaveAsExecute);
    connectCommand(aLoad, &TfrmMain::aLoadExecute);
    connectCommand(aPrintExp, &TfrmMain::aPrintExpExecute);
    connectCommand(aPrintEarning, &TfrmMain::aPrintEarningExecute);
    connectCommand(aSuperSave, &TfrmMain::aSuperSaveExecute);
    connectCommand(aImportEarnings, &TfrmMain::aImportEarningsExecute);
    connectCommand(aImportEarningsPaste, &TfrmMain::aImportEarningsPasteExecute);
    connectCommand(aExportLedgerCsv, &TfrmMain::aExportLedgerCsvExecute);
}

void TfrmMain::createMenu() {
    QMenuBar* mmMain = menuBar();
    mmMain->setObjectName(QStringLiteral("mmMain"));
    QMenu* file = mmMain->addMenu(QString::fromUtf8(captions::kFileMenu));
    file->addAction(aNewPerson);
    file->addSeparator();
    file->addAction(aSave);
    file->addAction(aSaveAs);
    file->addAction(aLoad);
    file->addSeparator();
    file->addAction(aImportEarnings);
    file->addAction(aImportEarningsPaste);
    file->addAction(aExportLedgerCsv);
    file->addSeparator();
    file->addAction(aExit);

    QMenu* help = mmMain->addMenu(QString::fromUtf8(captions::kHelpMenu));
    help->addAction(aPersonHelp);
    help->addSeparator();
    help->addAction(aAbout);

    // Nothing makes this menu visible.
    miSMenu = mmMain->addMenu(QString::fromUtf8(captions::kSuperMenu));
    miSMenu->setObjectName(QStringLiteral("miSMenu"));
    miSMenu->addAction(aSuperSave);
    miSMenu->addAction(aSuperChange);
    miSMenu->menuAction()->setVisible(false);
}

void TfrmMain::createToolBar() {
    ToolBar1 = addToolBar(QString());
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    setContextMenuPolicy(Qt::NoContextMenu); // no menu to hide the tool bar
    const std::pair<QAction*, const char*> buttons[] = {
        {aNewPerson, "tbNewPerson"}, {nullptr, nullptr}, {aSave, "tbSave"},
        {aLoad, "tbLoad"},           {nullptr, nullptr}, {aPersonHelp, "tbHelp"},
        {nullptr, nullptr},          {aExit, "tbExit"}};
    for (const auto& [action, name] : buttons) {
        if (!action) {
            ToolBar1->addSeparator();
            continue;
        }
        ToolBar1->addAction(action);
        ToolBar1->widgetForAction(action)->setObjectName(QString::fromLatin1(name));
    }
}

QWidget* TfrmMain::createPages() {
    pcMain = new PageControl;
    pcMain->setObjectName(QStringLiteral("pcMain"));
    pcMain->setTabWidth(kMainTabWidth);

    dictionary = new DictionaryPage(*m_prompt);
    tsDictionary = dictionary;
    tsInfo = new QWidget;
    reInfo = new QTextBrowser(tsInfo);
    reInfo->setObjectName(QStringLiteral("reInfo"));
    reInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reInfo->setOpenLinks(false);
    reInfo->setHtml(helpText());
    auto* infoLayout = new QVBoxLayout(tsInfo);
    infoLayout->setContentsMargins(4, 4, 4, 4);
    infoLayout->addWidget(reInfo);
    experienceTab = new ExperienceTab(*m_prompt, aClearExp, aPrintExp, aVerifyExp);
    tsExp = experienceTab;
    earningsTab = new EarningsTab(*this);
    tsEarning = earningsTab;
    connect(aClearEarning, &QAction::triggered, this,
            [this] { runCommand(*m_prompt, [this] { earningsTab->aClearEarningExecute(); }); });
    connect(aSuperChange, &QAction::triggered, this,
            [this] { runCommand(*m_prompt, [this] { earningsTab->aSuperChangeExecute(); }); });
    calcPanel = new CalcPanel(aCalc);
    tsCalc = calcPanel;

    const std::pair<QWidget*, const char*> pages[] = {{tsDictionary, "tsDictionary"},
                                                      {tsInfo, "tsInfo"},
                                                      {tsExp, "tsExp"},
                                                      {tsEarning, "tsEarning"},
                                                      {tsCalc, "tsCalc"}};
    const char* const pageCaptions[] = {captions::kDictionaryPage, captions::kInfoPage,
                                        captions::kExpPage, captions::kEarningPage,
                                        captions::kCalcPage};
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        pages[i].first->setObjectName(QString::fromLatin1(pages[i].second));
        pcMain->addPage(pages[i].first, QString::fromUtf8(pageCaptions[i]));
    }
    return pcMain;
}

void TfrmMain::FormCreate(const StoredReferenceData& reference) {
    // An error here is shown like any uncaught one, and start-up goes on without the tables.
    runCommand(*m_prompt, [&] {
        m_dMain = std::make_unique<TdMain>(reference, static_cast<DataModuleListener*>(this));
        m_dMain->setPrompt(m_prompt);
    });
    if (m_dMain) {
        gbPers->bind(*m_dMain, *m_prompt);
        dictionary->bind(*m_dMain);
        earningsTab->bind(*m_dMain);
        experienceTab->bind(m_dMain->cdsExp);
    }
    StyleGrids();
    SummaryYear = 0;
    pcMain->setCurrentPage(tsDictionary);
    dictionary->pcDict()->setCurrentIndex(0);
    for (QWidget* page : {tsExp, tsEarning, tsCalc})
        pcMain->setPageEnabled(pcMain->indexOf(page), false);
    qApp->installEventFilter(new ToolTipDuration(kToolTipMilliseconds, this));
    setWindowTitle(QString::fromUtf8(captions::kWindowCaption));
    for (FileDialogState* dialog : {&sdMain, &odMain}) {
        dialog->filter = QString::fromUtf8(captions::kCaseFileFilter);
        dialog->defaultExtension = QString::fromUtf8(captions::kCaseFileExtension);
    }
    LedgerRefreshEnabled = true;
}

void TfrmMain::StyleGrids() {
    for (DataGrid* grid : findChildren<DataGrid*>()) {
        QPalette colours = grid->view()->palette();
        colours.setColor(QPalette::Base, kGridBackground);
        grid->view()->setPalette(colours);
        TableModel* model = grid->model();
        if (!model)
            continue;
        model->setTitleColour(kTitleBackground);
        for (int column = 0; column < model->columnCount(); ++column)
            model->setColumnColour(column, model->isColumnReadOnly(column) ? kReadOnlyColumn
                                                                           : kGridBackground);
    }
}

void TfrmMain::connectCommand(QAction* action, void (TfrmMain::*command)()) {
    connect(action, &QAction::triggered, this,
            [this, command] { runCommand(*m_prompt, [this, command] { (this->*command)(); }); });
}

void TfrmMain::aExitExecute() {
    close();
}

void TfrmMain::aPersonHelpExecute() {
    pcMain->setCurrentPage(tsInfo);
}

void TfrmMain::aAboutExecute() {
    m_prompt->information(QString::fromUtf8(captions::kAboutText));
}

bool TfrmMain::FormCloseQuery() {
    if (!CaseModified)
        return true;
    return m_prompt->askYesNo(QString::fromUtf8(captions::kExitQuestion));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TfrmMain::periodStored() {
    RefreshExpTotal();
    MarkModified();
}

void TfrmMain::ledgerRowStored() {
    MarkModified();
    SummaryYear = -1;
}

void TfrmMain::ledgerDataChanged() {
    if (LedgerRefreshEnabled && earningsTab)
        earningsTab->RefreshYearSummary(false);
}

} // namespace rv
