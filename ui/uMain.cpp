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
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
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
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/ravelta.png")));
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
    resize(initialWindowSize(kDesignSize, screen()->availableGeometry().size()));
}

QSize initialWindowSize(QSize designed, QSize available) {
    // Room for the window frame and title bar that the desktop adds around the window.
    constexpr QSize kFrame(16, 48);
    return designed.boundedTo(available - kFrame).expandedTo(QSize(1, 1));
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
    aNextPage = makeAction(this, "aNextPage", captions::kNextPage);
    aNextPage->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    aPreviousPage = makeAction(this, "aPreviousPage", captions::kPreviousPage);
    aPreviousPage->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                 QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    // Window-wide, so that a grid or the help text holding the focus does not take the keys.
    for (QAction* action : {aNextPage, aPreviousPage}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(aNextPage, &QAction::triggered, this, [this] { pcMain->showAdjacentEnabledPage(1); });
    connect(aPreviousPage, &QAction::triggered, this,
            [this] { pcMain->showAdjacentEnabledPage(-1); });
    aImportEarnings = makeAction(this, "aImportEarnings", captions::kImportEarnings);
    aImportEarningsPaste = makeAction(this, "aImportEarningsPaste", captions::kImportEarningsPaste);
    aExportLedgerCsv = makeAction(this, "aExportLedgerCsv", captions::kExportLedgerCsv);
    aProtocolPrint = makeAction(this, "aProtocolPrint", captions::kProtocolPrint,
                                QKeySequence(Qt::CTRL | Qt::Key_P), false);
    aProtocolPdf = makeAction(this, "aProtocolPdf", captions::kProtocolPdf, {}, false);

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
    connectCommand(aProtocolPrint, &TfrmMain::aProtocolPrintExecute);
    connectCommand(aProtocolPdf, &TfrmMain::aProtocolPdfExecute);
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
    miRecent = file->addMenu(QString::fromUtf8(captions::kRecentMenu));
    miRecent->setObjectName(QStringLiteral("miRecent"));
    fillRecentMenu();
    file->addSeparator();
    file->addAction(aImportEarnings);
    file->addAction(aImportEarningsPaste);
    file->addAction(aExportLedgerCsv);
    file->addSeparator();
    file->addAction(aProtocolPrint);
    file->addAction(aProtocolPdf);
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
    connect(experienceTab, &ExperienceTab::periodDeleted, this, [this] {
        MarkModified();
        runCommand(*m_prompt, [this] { RefreshExpTotal(); });
    });
    earningsTab = new EarningsTab(*this);
    tsEarning = earningsTab;
    connect(aClearEarning, &QAction::triggered, this,
            [this] { runCommand(*m_prompt, [this] { earningsTab->aClearEarningExecute(); }); });
    connect(aSuperChange, &QAction::triggered, this,
            [this] { runCommand(*m_prompt, [this] { earningsTab->aSuperChangeExecute(); }); });
    calcPanel = new CalcPanel(aCalc, aProtocolPrint, aProtocolPdf);
    tsCalc = calcPanel;
    // A changed choice of the extra exclusions is a change of the case; the shown results were
    // calculated with the other one.
    connect(calcPanel->cbExtraExclusions, &QCheckBox::clicked, this, [this] {
        MarkModified();
        runCommand(*m_prompt, [this] { ClearCalcResults(false); });
    });

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
        calcPanel->bind(*m_dMain, *m_prompt);
    }
    StyleGrids();
    SummaryYear = 0;
    pcMain->setCurrentPage(tsDictionary);
    dictionary->pcDict()->setCurrentIndex(0);
    for (QWidget* page : {tsExp, tsEarning, tsCalc})
        pcMain->setPageEnabled(pcMain->indexOf(page), false);
    qApp->installEventFilter(new ToolTipDuration(kToolTipMilliseconds, this));
    refreshTitle();
    for (FileDialogState* dialog : {&sdMain, &odMain}) {
        dialog->filter = QString::fromUtf8(captions::kCaseFileFilter);
        dialog->defaultExtension = QString::fromUtf8(captions::kCaseFileExtension);
    }
    sdExport.filter = QString::fromUtf8(captions::kXlsFilter);
    sdExport.defaultExtension = QString::fromUtf8(captions::kXlsExtension);
    sdExport.refusedExtension = QString::fromUtf8(captions::kCaseFileExtension);
    sdExport.refusedExtensionMessage = QString::fromUtf8(captions::kExportToCaseFileRefused);
    sdProtocol.filter = QString::fromUtf8(captions::kPdfFilter);
    sdProtocol.defaultExtension = QString::fromUtf8(captions::kPdfExtension);
    sdProtocol.refusedExtension = QString::fromUtf8(captions::kCaseFileExtension);
    sdProtocol.refusedExtensionMessage = QString::fromUtf8(captions::kExportToCaseFileRefused);
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
    m_prompt->information(QString::fromUtf8(captions::kAboutText).arg(versionText()));
}

void TfrmMain::MarkModified() {
    CaseModified = true;
    refreshTitle();
}

QString TfrmMain::versionText() const {
    if (m_versionText.isEmpty())
        m_versionText = makeVersionText();
    return m_versionText;
}

QString TfrmMain::makeVersionText() const {
    QString text =
        QString::fromUtf8(captions::kProgramTitle) + QLatin1Char(' ') + QStringLiteral(RV_VERSION);
    if (!m_dMain)
        return text;
    if (const std::optional<Date> newest = referenceDataDate(*m_dMain->CalcReference()))
        text += QString::fromUtf8(captions::kReferenceDatePrefix) +
                QString::fromStdString(formatDate(*newest));
    return text;
}

void TfrmMain::refreshTitle() {
    const QString caseName = CaseFileName.isEmpty() ? QString::fromUtf8(captions::kNewCaseTitle)
                                                    : QFileInfo(CaseFileName).fileName();
    setWindowTitle(caseName + (CaseModified ? QStringLiteral("*") : QString()) +
                   QStringLiteral(" — ") + versionText());
}

bool TfrmMain::FormCloseQuery() {
    return settleUnsavedChanges(captions::kExitQuestion);
}

bool TfrmMain::settleUnsavedChanges(const char* question) {
    if (!CaseModified || !m_dMain)
        return true;
    switch (m_prompt->askSaveChanges(QString::fromUtf8(question))) {
    case UnsavedChoice::Discard:
        return true;
    case UnsavedChoice::Cancel:
        return false;
    case UnsavedChoice::Save:
        aSaveExecute();
        return !CaseModified;
    }
    return false;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

static bool isCaseFileUrl(const QUrl& url) {
    return url.isLocalFile() && QFileInfo(url.toLocalFile())
                                        .suffix()
                                        .compare(QString::fromUtf8(captions::kCaseFileExtension),
                                                 Qt::CaseInsensitive) == 0;
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.constFirst().isLocalFile())
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1)
        return;
    event->acceptProposedAction();
    const QUrl url = urls.constFirst();
    runCommand(*m_prompt, [&] {
        if (isCaseFileUrl(url))
            openCaseFile(url.toLocalFile());
        else
            m_prompt->warning(QString::fromUtf8(captions::kOnlyCaseFilesDropped));
    });
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
