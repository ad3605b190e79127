#pragma once

// Every Ukrainian caption, title, menu text and message of the window, as the program shows them.
namespace rv::captions {

// Window and boxes
inline constexpr const char* kProgramTitle = "Равелта";
inline constexpr const char* kWindowCaption = "Равелта 1.1 від 25.08.2011";
inline constexpr const char* kAboutText = "Равелта 1.1 від 25.08.2011";
inline constexpr const char* kConfirmationTitle = "Підтвердження";
inline constexpr const char* kExitQuestion =
    "Дані були змінені. Ви дійсно бажаєте вийти з програми?";

// Actions (menu and tool bar)
inline constexpr const char* kNewPerson = "Нова особа";
inline constexpr const char* kSave = "Зберегти";
inline constexpr const char* kSaveAsMenu = "Зберегти як...";
inline constexpr const char* kLoad = "Завантажити";
inline constexpr const char* kLoadMenu = "Завантажити...";
inline constexpr const char* kExit = "Вихід";
inline constexpr const char* kPersonHelp = "Довідкові дані";
inline constexpr const char* kAbout = "Інформація про програму";
inline constexpr const char* kAddPerson = "Підтвердити";
inline constexpr const char* kVerifyExp = "Підтвердити стаж";
inline constexpr const char* kClear = "Очистити";
inline constexpr const char* kPrintXls = "Зберегти в xls";
inline constexpr const char* kVerifyEarning = "Підтвердити заробітки";
inline constexpr const char* kCalc = "Провести розрахунок*";
inline constexpr const char* kSuperSave = "Super Save";
inline constexpr const char* kSuperState = "Super State";

// Main menu
inline constexpr const char* kFileMenu = "Файл";
inline constexpr const char* kHelpMenu = "Допомога";
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
    "24 Закону України № 1058-1 після введення Вами заробітків";
inline constexpr const char* kExpInfoBefore2004 =
    "Трудовий стаж до 01.01.2004 повністю зараховується до страхового стажу";
// The grid toolkit's own texts, in its own language.
inline constexpr const char* kDeleteRecordQuestion = "Delete record?";
inline constexpr const char* kInvalidDateSuffix = "' is not a valid date"; // after "'" and the text

// Stage commands
inline constexpr const char* kContinueQuestion = "Дані були змінені. Ви дійсно бажаєте продовжити?";

// Results panel gbCalc of tsCalc
inline constexpr const char* kCalcPanel =
    "Розрахунок розміру пенсії за віком на загальних підставах (згідно статей 27 та 28 Закону "
    "України №1058-1 від 09.07.2003 р.)";
inline constexpr const char* kPensAgeCaption = "Дата призначення пенсії";
inline constexpr const char* kFullSSCaption = "Страховий стаж складає";
inline constexpr const char* kSSMonthCaption =
    "Кількість місяців наданої зарплатні (до оптимізації)";
inline constexpr const char* kSSMonth2Caption =
    "Кількість місяців врахованої зарплатні (після оптимізації)";
inline constexpr const char* kSumKCaption =
    "Сума коефіціентів врахованої зарплатні (після оптимізації)";
inline constexpr const char* kAvgZpForYearDesigned = "Середня ЗП по Україні в 2011 році";
inline constexpr const char* kEarningKCaption = "Індивідуальний коефіцієнт заробітку";
inline constexpr const char* kISSKCaption = "Коефіцієнт страхового стажу (з урахуванням кратності)";
inline constexpr const char* kPensCaption = "Розмір основної пенсії";
inline constexpr const char* kExtraPensCaption = "Доплата за понаднормовий стаж";
inline constexpr const char* kFullPensCaption = "Загальний розмір пенсії за віком";
// Two blanks after "виключення", as the program has always shown it.
inline constexpr const char* kCalcFootnote =
    "*  Автоматичне визначення найвигіднішого періоду стажу до 60 місяців підряд до липня 2000 "
    "р. та виключення  невигідних періодів (відповідно до частини 1 статті 40 Закону "
    "№1058-IV), обчислення загального розміру пенсії за віком на загальних підставах "
    "(відповідно до положень статей 27 та 28 Закону №1058-IV)";

// Earnings tab tsEarning
inline constexpr const char* kChooseYear = "Оберіть рік";
inline constexpr const char* kMinZpColumnTitle = "Мінімальна ЗП по НГ в Україні *";
inline constexpr const char* kPaymentColumnTitle = "Заробіток, грн **";
inline constexpr const char* kCoefficientColumnTitle = "Коефіцієнт ЗП місячний ***";
inline constexpr const char* kCreditedDaysColumnTitle = "Зараховано до СС, днів *";
inline constexpr const char* kOpt1ColumnTitle = "Враховано заробітки до 07-2000 після оптимізації";
inline constexpr const char* kOpt2ColumnTitle = "Виключено заробітки після оптимізації";
inline constexpr const char* kMonthsSuffix = " м."; // after the number of months in the footer
inline constexpr const char* kClearEarningQuestion = "Ви дійсно бажаєте очистити заробітки?";
inline constexpr const char* kSelectorFillError = "Помилка створення селектора!";
inline constexpr const char* kYearChoiceError = "Помилка обрання року з селектора!";
inline constexpr const char* kCopyError = "Помилка копіювання даних!";
// Three paragraphs; the double blanks are the program's own.
inline constexpr const char* kEarningFootnote =
    "* Дані використовуються в розрахунку СС (колонка «Зараховано до СС, дн.») для періоду "
    "після 01.01.2004 р. Страхові внески, сплачені з цієї суми, дають право зарахувати до "
    "страхового стажу повний місяць. Якщо заробіток менший мінімальної ЗП по Україні, то "
    "страховий стаж буде пропорційно зменшений (частина 3 статті 24 Закону України №1058-IV "
    ").\n"
    "** Заробіток необхідно вводити у грошовій одиниці «гривня».  Заробіток в інших грошових "
    "одиницях, що були в обігу до 1995 р., необхідно перевести в гривню шляхом множення на "
    "0.00001.\n"
    "*** Розраховується як відношення значення колонки «Заробіток» до «Середня ЗП по НГ в "
    "Україні». Обмеження розміру коефіцієнту для періоду заробітку до липня 1998 р. – 5.6  "
    "(частина 2 статті 41 Закону України №1058-IV ). Обмеження розміру заробітку, з якого "
    "сплачувалися страхові внески, після липня 1998 р. , автоматично визначатиметься згідно "
    "довіднику «Максимальний дохід, з якого сплачуються СВ».";

// Case file commands and exports
inline constexpr const char* kCaseFileFilter =
    "*.csf Збережені файли калькулятора|*.csf|*.* Всі файли|*.*";
inline constexpr const char* kCaseFileExtension = "csf";
inline constexpr const char* kXlsFilter =
    "Книга Microsoft Office Excel (*.xls)|*.xls|Книга Excel 2007 і новіших (*.xlsx)|*.xlsx";
inline constexpr const char* kExpExportSuffix = "_стаж";
inline constexpr const char* kEarningExportSuffix = "_заробіток";
inline constexpr const char* kFileSaved = "Файл успішно збережено";
inline constexpr const char* kFileLoaded = "Файл успішно завантажено";
inline constexpr const char* kXlsSaveFailed = "Помилка при збереженні xls";
inline constexpr const char* kDumpSaved = "збережено успішно";
inline constexpr const char* kDumpSaveFailed = "помилка при збереженні";

// Importing earnings: the commands, the preview and its offers.
inline constexpr const char* kImportEarnings = "Імпорт заробітків...";
inline constexpr const char* kImportEarningsButton = "Імпорт заробітків";
inline constexpr const char* kImportEarningsPaste = "Імпорт заробітків із буфера обміну";
inline constexpr const char* kImportFileFilter =
    "Виписки, довідки й таблиці (*.pdf *.txt *.csv *.tsv);;Усі файли (*)";
inline constexpr const char* kImportTitle = "Імпорт заробітків: перевірте, що буде внесено";
inline constexpr const char* kImportColumns[] = {"",          "Рік",        "Місяць",
                                                 "Заробіток", "Стаж, міс.", "Що перевірити"};
inline constexpr const char* kImportSummary =
    "Знайдено місяців: %1. Зніміть позначку з місяців, які не треба вносити; буде внесено всі "
    "позначені місяці разом або, якщо щось не вдасться, жодного.";
inline constexpr const char* kImportUnread = "Не вдалося прочитати рядків: %1 (перший: «%2»).";
inline constexpr const char* kImportConvertOldCurrency =
    "Перерахувати суми в карбованцях чи рублях у гривні (× 0,00001)";
inline constexpr const char* kImportTakeIdentity = "Перенести до реквізитів особи: %1";
inline constexpr const char* kImportAccept = "Внести позначені місяці";
inline constexpr const char* kImportNeedsLedger =
    "Спочатку введіть і підтвердіть трудовий стаж: заробітки вносяться в місяці його періодів";
inline constexpr const char* kImportClipboardEmpty = "Буфер обміну не містить тексту";
inline constexpr const char* kImportRnokppInvalid = "РНОКПП %1 має неправильну контрольну цифру";
inline constexpr const char* kImportDone = "Внесено заробітків за місяців: %1";
inline constexpr const char* kExportLedgerCsv = "Експорт заробітків у CSV...";
inline constexpr const char* kLedgerCsvFilter = "Таблиця CSV (*.csv)";

} // namespace rv::captions
