#pragma once

#include "calc/messages.h"

// Every Ukrainian caption, title, menu text and message of the window, as the program shows them.
namespace rv::captions {

// Window and boxes
inline constexpr const char* kProgramTitle = "Равелта";
inline constexpr const char* kNewCaseTitle = "Нова справа";
inline constexpr const char* kReferenceDatePrefix = ", довідники станом на ";
// %1: the version text. A plain statement of what the program does and does not do.
inline constexpr const char* kAboutText =
    "%1\n\nОрієнтовний розрахунок пенсії за віком у солідарній системі (Закон України "
    "«Про загальнообов'язкове державне пенсійне страхування» №1058-IV). Розмір пенсії "
    "призначає Пенсійний фонд України; цей розрахунок рішенням не є.";
inline constexpr const char* kConfirmationTitle = "Підтвердження";
inline constexpr const char* kExitQuestion =
    "Зміни у справі ще не збережено. Зберегти їх перед виходом з програми?";
inline constexpr const char* kSaveButton = "Зберегти";
inline constexpr const char* kDiscardButton = "Не зберігати";
inline constexpr const char* kCancelButton = "Скасувати";
// %1: the file's name.
inline constexpr const char* kReplaceQuestion = "Файл «%1» вже існує. Замінити його?";
inline constexpr const char* kUnexpectedFailure =
    "Сталася непередбачена помилка програми. Дію не виконано; введені дані залишилися без змін.";

// Actions (menu and tool bar); "&" marks the menu item's key (Alt+letter)
inline constexpr const char* kNewPerson = "&Нова особа";
inline constexpr const char* kSave = "&Зберегти";
inline constexpr const char* kSaveAsMenu = "Зберегти &як...";
inline constexpr const char* kLoad = "Завантажити";
inline constexpr const char* kLoadMenu = "З&авантажити...";
inline constexpr const char* kExit = "&Вихід";
inline constexpr const char* kPersonHelp = "&Довідкові дані";
inline constexpr const char* kAbout = "&Інформація про програму";
inline constexpr const char* kAddPerson = "Підтвердити";
inline constexpr const char* kVerifyExp = "Підтвердити стаж";
inline constexpr const char* kClear = "Очистити";
inline constexpr const char* kPrintXls = "Зберегти в xls";
inline constexpr const char* kVerifyEarning = "Підтвердити заробітки";
inline constexpr const char* kCalc = "Провести розрахунок*";
inline constexpr const char* kSuperSave = "Super Save";
inline constexpr const char* kSuperState = "Super State";

// Main menu
inline constexpr const char* kFileMenu = "&Файл";
inline constexpr const char* kHelpMenu = "&Допомога";
inline constexpr const char* kRecentMenu = "&Останні файли";
inline constexpr const char* kNextPage = "Наступна вкладка";
inline constexpr const char* kPreviousPage = "Попередня вкладка";
inline constexpr const char* kSuperMenu = "Super Menu";

// Person panel
inline constexpr const char* kPersonPanel = "Реквізити особи";
inline constexpr const char* kPersonName = "Ім'я особи";
inline constexpr const char* kBirthDate = "Дата народження";
inline constexpr const char* kGender = "Стать";
inline constexpr const char* kApplicationDate = "Дата звернення *";
inline constexpr const char* kApplicationDateHint = "Дата звернення за призначенням пенсії";
inline constexpr const char* kPersonFootnote =
    "* Дата звернення за призначенням пенсії. Пенсія за віком призначається з дня, що настає за "
    "днем досягнення пенсійного віку, якщо звернення за пенсією відбулося не пізніше трьох "
    "місяців з дня досягнення особою пенсійного віку. Якщо ж пізніше, то пенсія призначається з "
    "дня звернення за пенсією (абзац 1 статті 45 Закону України №1058-IV).";
inline constexpr const char* kCalendarButton = "Календар"; // accessible name, no tooltip

// Pages of pcMain
inline constexpr const char* kDictionaryPage = "Довідники";
inline constexpr const char* kInfoPage = "Інформація";
inline constexpr const char* kExpPage = "Трудовий стаж";
inline constexpr const char* kEarningPage = "Заробітки";
inline constexpr const char* kCalcPage = "Розрахунок";

// Sub-pages of pcDict
inline constexpr const char* kDictAvgZpMonth = "Середня ЗП по Україні (місячний)";
inline constexpr const char* kDictAvgZpYear = "Середня ЗП по Україні (річний)";
inline constexpr const char* kDictMinZp = "Мінімальна ЗП в Україні";
inline constexpr const char* kDictKoeff = "Коефіцієнти оцінки стажу";
inline constexpr const char* kDictMinPens = "Мінімальні пенсії за віком";
inline constexpr const char* kDictParam = "Параметри розрахунку";
inline constexpr const char* kDictMaxIncome = "Максимальний дохід, з якого сплачуються СВ";
inline constexpr const char* kDictLaw = "Норми закону";
inline constexpr const char* kDictWomenAge = "Пенсійний вік жінок";

// Column titles of the reference grids
inline constexpr const char* kDateBeginTitle = "Дата початку дії";
inline constexpr const char* kDateEndTitle = "Дата закінчення дії";
inline constexpr const char* kAvgZpTitle = "Середній розмір ЗП по НГ, грн";
inline constexpr const char* kMinZpTitle = "Мінімальна зарплата, грн";
inline constexpr const char* kParamValueTitle = "Значення параметру";
inline constexpr const char* kMaxIncomeTitle = "Розмір максимального доходу, грн";

// Experience tab tsExp
inline constexpr const char* kExpLengthTitle = "Трудовий стаж (р/м/д) *";
inline constexpr const char* kExpTotalLabel = "Трудовий стаж складає:";
inline constexpr const char* kClearExpQuestion = "Ви дійсно бажаєте очистити стаж?";
inline constexpr const char* kExpInfoAfter2004 =
    "* Трудовий стаж для періоду після 01.01.2004 буде розраховано відповідно до частини 3 статті "
    "24 Закону України №1058-IV після того, як Ви введете заробітки";
inline constexpr const char* kExpInfoBefore2004 =
    "Трудовий стаж до 01.01.2004 повністю зараховується до страхового стажу";
inline constexpr const char* kDeleteRecordQuestion = "Видалити цей період стажу?";
// Beside the total, the periods credited without work; %1: "строкова служба 2 р., ...".
inline constexpr const char* kCreditedShare = "з них: %1";
// %1: the typed text.
inline constexpr const char* kInvalidDate =
    "«%1» — такої дати немає. Введіть дату у вигляді ДД.ММ.РРРР, наприклад 31.01.2010.";

// The sources of the reference rows on the page "Довідники"
inline constexpr const char* kFlagsTitle = "Позначки";
inline constexpr const char* kSourceTitle = "Джерело";
inline constexpr const char* kShowSources = "Показати джерела";
inline constexpr const char* kSourcesLegend =
    "Жовтим позначено оціночні значення (оцінка або припущення): їх не опубліковано для свого "
    "періоду. Позначки й джерело рядка видно в підказці; стовпець джерел вмикає прапорець "
    "«Показати джерела».";

// Stage commands
inline constexpr const char* kNewPersonQuestion =
    "Зміни у справі ще не збережено. Зберегти їх, перш ніж почати нову справу?";
inline constexpr const char* kLoadQuestion =
    "Зміни у справі ще не збережено. Зберегти їх, перш ніж відкрити іншу справу?";

// Results panel gbCalc of tsCalc
inline constexpr const char* kCalcPanel =
    "Розрахунок розміру пенсії за віком на загальних підставах (згідно зі статтями 26–28 та 40 "
    "Закону України №1058-IV від 09.07.2003 р.)";
inline constexpr const char* kPensAgeCaption = messages::kPensAgeCaption;
inline constexpr const char* kFullSSCaption = messages::kFullSSCaption;
inline constexpr const char* kSSMonthCaption = messages::kSSMonthCaption;
inline constexpr const char* kSSMonth2Caption = messages::kSSMonth2Caption;
inline constexpr const char* kSumKCaption = messages::kSumKCaption;
inline constexpr const char* kAvgZpForYearDesigned = "Показник середньої заробітної плати (ст. 40)";
inline constexpr const char* kEarningKCaption = messages::kEarningKCaption;
inline constexpr const char* kISSKCaption = messages::kISSKCaption;
inline constexpr const char* kPensCaption = messages::kPensCaption;
inline constexpr const char* kExtraPensCaption = messages::kExtraPensCaption;
inline constexpr const char* kFullPensCaption = messages::kFullPensCaption;
inline constexpr const char* kRightCaption = messages::kRightCaption;
inline constexpr const char* kValuationCaption = messages::kValuationCaption;
inline constexpr const char* kMinPens65Caption = messages::kMinPens65Caption;
inline constexpr const char* kMaxPensCaption = messages::kMaxPensCaption;
inline constexpr const char* kLawFootnote =
    "Правила беруться з довідника «Норми закону» на дати особи: право і пенсійний вік — "
    "ст. 26, оцінка стажу та межа коефіцієнта 0,75 — ст. 25, максимальний розмір — ч. 3 ст. 27, "
    "мінімальні розміри, доплата і пропорційний мінімум — ст. 28, показник середньої "
    "заробітної плати — ч. 2 ст. 40 Закону №1058-IV. «—» означає, що норма до особи не "
    "застосовується.";
inline constexpr const char* kExtraExclusions =
    "Виключати місяці, що знижують коефіцієнт заробітку (воєнний стан, карантин, догляд, "
    "служба — ст. 40 ч. 1)";
inline constexpr const char* kExtraExclusionsHint =
    "Місяці, які закон дозволяє не враховувати за бажанням особи, виключаються лише тоді, коли це "
    "підвищує коефіцієнт заробітку (абзац 3 частини 1 статті 40 Закону №1058-IV). Якщо прапорець "
    "знято, враховуються всі місяці, крім виключених оптимізацією.";
// Two blanks after "виключення", as the program has always shown it.
inline constexpr const char* kCalcFootnote =
    "*  Автоматичне визначення найвигіднішого періоду стажу до 60 місяців підряд до липня 2000 "
    "р. та виключення  невигідних періодів (відповідно до частини 1 статті 40 Закону "
    "№1058-IV), обчислення загального розміру пенсії за віком на загальних підставах "
    "(відповідно до положень статей 27 та 28 Закону №1058-IV)";

// Earnings tab tsEarning
inline constexpr const char* kChooseYear = "Оберіть рік";
inline constexpr const char* kMonthsSuffix = " м.";
// The earning of a month whose period kind carries the minimum wage.
inline constexpr const char* kMinimumWageStandsHint =
    "Для цього місяця в розрахунок береться мінімальна заробітна плата (ст. 40 ч. 2 Закону "
    "№1058-IV)";
// %1: the sum of every earning of the ledger.
inline constexpr const char* kEarningsTotal = "Усього заробітків за всі роки: %1 грн";
inline constexpr const char* kKarbovanetsLabel = "Сума до реформи 1996 р., &крб. або руб.:";
inline constexpr const char* kKarbovanetsHint =
    "Заробіток до вересня 1996 р. у карбованцях (або рублях) переводиться в гривні множенням на "
    "0,00001: 100 000 крб. = 1 грн.";
// %1: the amount in hryvnias.
inline constexpr const char* kKarbovanetsInHryvnias = "= %1 грн";
inline constexpr const char* kKarbovanetsToEarning =
    "Записати в поточний місяць"; // after the number of months in the footer
inline constexpr const char* kClearEarningQuestion = "Ви дійсно бажаєте очистити заробітки?";
inline constexpr const char* kSelectorFillError = "Не вдалося скласти список років.";
inline constexpr const char* kYearChoiceError = "Не вдалося перейти до обраного року.";
inline constexpr const char* kYearNotANumber = "Рік вводять цифрами, наприклад 2003";
// %1: the typed year, %2 and %3: the first and last year of the ledger.
inline constexpr const char* kYearOutsideLedger =
    "Року %1 немає в таблиці заробітків: вона охоплює %2–%3 роки";
// %1: the line of the pasted text, %2: why it was refused.
inline constexpr const char* kPasteRefused =
    "Нічого не вставлено: рядок %1 вставленого тексту не підходить.\n%2";
// %1: how many months the ledger has from the current one on.
inline constexpr const char* kPastePastLedgerEnd =
    "від поточного місяця до кінця таблиці лише %1 міс., а рядків вставлено більше";
// Three paragraphs, one for each starred column title.
inline constexpr const char* kEarningFootnote =
    "* Дані використовуються в розрахунку страхового стажу (колонка «Зараховано до СС, днів») "
    "для періоду після 01.01.2004 р. Страхові внески, сплачені з цієї суми, дають право "
    "зарахувати до страхового стажу повний місяць. Якщо заробіток менший за мінімальну ЗП, "
    "страховий стаж буде пропорційно зменшено (частина 3 статті 24 Закону України №1058-IV).\n"
    "** Заробіток вводять у гривнях. Заробіток у карбованцях чи рублях (до вересня 1996 р.) "
    "переводять у гривні множенням на 0,00001; це робить поле «Сума до реформи 1996 р.» над "
    "таблицею.\n"
    "*** Розраховується як відношення заробітку до середньої ЗП по Україні. Для заробітку до "
    "липня 1998 р. коефіцієнт не може перевищувати 5,6 (частина 2 статті 41 Закону України "
    "№1058-IV). Для заробітку після липня 1998 р. обмеження суми, з якої сплачувалися страхові "
    "внески, визначається автоматично згідно з довідником «Максимальний дохід, з якого "
    "сплачуються СВ».";

// Case file commands and exports
inline constexpr const char* kCaseFileFilter =
    "*.csf Збережені файли калькулятора|*.csf|*.* Всі файли|*.*";
inline constexpr const char* kCaseFileExtension = "csf";
inline constexpr const char* kXlsFilter =
    "Книга Microsoft Office Excel (*.xls)|*.xls|Книга Excel 2007 і новіших (*.xlsx)|*.xlsx";
inline constexpr const char* kXlsExtension = "xls";
inline constexpr const char* kPdfFilter = "Документ PDF (*.pdf)|*.pdf";
inline constexpr const char* kPdfExtension = "pdf";
// The protocol's save dialog proposes "Протокол розрахунку — <ім'я>.pdf".
inline constexpr const char* kProtocolFileName = "Протокол розрахунку";
inline constexpr const char* kExportToCaseFileRefused =
    "Таблицю не можна записати у файл з розширенням .csf: так зберігаються справи, і справу "
    "було б знищено. Оберіть ім'я з розширенням .xls.";
inline constexpr const char* kExpExportSuffix = "_стаж";
inline constexpr const char* kEarningExportSuffix = "_заробіток";
inline constexpr const char* kFileSaved = "Файл успішно збережено";
inline constexpr const char* kFileLoaded = "Файл успішно завантажено";
// %1: the path.
inline constexpr const char* kCaseFileMissing = "Файл «%1» не знайдено.";
inline constexpr const char* kOnlyCaseFilesDropped =
    "У вікно можна перетягнути лише файл розрахунку з розширенням .csf.";
inline constexpr const char* kXlsSaveFailed =
    "Не вдалося зберегти файл xls. Перевірте, чи є доступ до теки і чи не відкрито файл в іншій "
    "програмі.";
inline constexpr const char* kDumpSaved = "збережено успішно";
inline constexpr const char* kDumpSaveFailed = "помилка при збереженні";

// Importing earnings: the commands, the preview and its offers.
inline constexpr const char* kImportEarnings = "&Імпорт заробітків...";
inline constexpr const char* kImportEarningsButton = "Імпорт заробітків";
inline constexpr const char* kImportEarningsPaste = "Імпорт заробітків із &буфера обміну";
inline constexpr const char* kImportFileFilter =
    "Виписки, довідки й таблиці (*.pdf *.txt *.csv *.tsv);;Усі файли (*)";
inline constexpr const char* kImportTitle = "Імпорт заробітків: перевірте, що буде внесено";
inline constexpr const char* kImportColumns[] = {"",          "Рік",        "Місяць",
                                                 "Заробіток", "Стаж, міс.", "Що перевірити"};
// The preview's summary. %1: "296 місяців", %2: the years ("2000–2024 рр."), %3: "4 рядки".
inline constexpr const char* kImportSummary = "Прочитано %1 за %2";
inline constexpr const char* kImportSummaryWithUnread = "Прочитано %1 за %2; %3 не прочитано.";
inline constexpr const char* kImportYears = "%1–%2 рр.";
inline constexpr const char* kImportYear = "%1 р.";
// The three forms of a noun after a number: 1 місяць, 2–4 місяці, 5 місяців (21 місяць, ...).
inline constexpr const char* kMonthForms[] = {"місяць", "місяці", "місяців"};
inline constexpr const char* kLineForms[] = {"рядок", "рядки", "рядків"};
inline constexpr const char* kImportUnreadHeading =
    "Ці рядки схожі на суми, але їх не прочитано — перевірте їх і внесіть вручну:";
inline constexpr const char* kImportHint =
    "Зніміть позначку з місяців, які не треба вносити; буде внесено всі позначені місяці разом "
    "або, якщо щось не вдасться, жодного.";
inline constexpr const char* kImportOnlyFlagged = "Лише місяці, що потребують перевірки";
// %1: the differences, each as the core words it ("у виписці дата народження …").
inline constexpr const char* kImportOtherPerson = "Схоже, це виписка іншої особи: %1.";
inline constexpr const char* kImportOtherPersonQuestion =
    "Схоже, це виписка іншої особи. Усе одно внести її заробітки в цей розрахунок?";
// A run of months outside every period. %1: "3 місяці", %2: "01.2019–03.2019" or "08.1991".
inline constexpr const char* kImportOutsideOne = "%1 (%2) не входить до жодного періоду роботи.";
inline constexpr const char* kImportOutsideMany = "%1 (%2) не входять до жодного періоду роботи.";
// %1 and %2: the period's first and last day.
inline constexpr const char* kImportAddPeriod = "Додати період %1–%2";
inline constexpr const char* kImportConvertOldCurrency =
    "Перерахувати суми в карбованцях чи рублях у гривні (× 0,00001)";
inline constexpr const char* kImportTakeIdentity = "Перенести до реквізитів особи: %1";
inline constexpr const char* kImportAccept = "Внести позначені місяці";
inline constexpr const char* kImportNeedsLedger =
    "Спочатку введіть і підтвердіть трудовий стаж: заробітки вносяться в місяці його періодів";
inline constexpr const char* kImportClipboardEmpty = "Буфер обміну не містить тексту";
inline constexpr const char* kImportRnokppInvalid = "РНОКПП %1 має неправильну контрольну цифру";
inline constexpr const char* kImportDone = "Внесено заробітків за місяців: %1";
inline constexpr const char* kExportLedgerCsv = "Е&кспорт заробітків у CSV...";
inline constexpr const char* kProtocolPrint = "&Друкувати протокол розрахунку...";
inline constexpr const char* kProtocolPdf = "Зберегти протокол розрахунку в &PDF...";
inline constexpr const char* kLedgerCsvFilter = "Таблиця CSV (*.csv)";

} // namespace rv::captions
