#pragma once

// Every Ukrainian text that the core shows or raises, as the program states it.
namespace rv::messages {

inline constexpr const char* kCannotUnpackReference =
    "Неможливо розпакувати довідники. Завантажте останню версію програми з сайту Дорвен";

// The person message list, indexed by the confirmation code (ConfirmCode); code 0 shows
// nothing, and 6 reports that the confirmed person could not be stored.
inline constexpr const char* kPersonMessages[] = {
    "",
    "Поле \"Ім'я особи\" обов'язкове для заповнення",
    "Поле \"Стать\" обов'язкове для заповнення",
    "Невірна дата народження",
    "Невірна дата звернення",
    "Звернення за призначенням пенсії можна здійснюватися не раніше, ніж за місяць до "
    "досягнення пенсійного віку",
    "Помилка збереження",
};

// Employment periods: refusals of a period and the warnings of the verification.
inline constexpr const char* kPeriodBeginAfterFinish =
    "Дата зарахування не може бути більшою за дату звільнення";
inline constexpr const char* kPeriodDateMissing = "Вкажіть дату зарахування і дату звільнення";
inline constexpr const char* kNoPeriods = "Спочатку введіть стаж";
inline constexpr const char* kWorkBeforeAge14 =
    "Трудова діяльність не може починатися до виповнення особою 14 років";
inline constexpr const char* kPeriodsOverlap =
    "Вказані діапазони трудової діяльності не повинні перетинатися";

// Ledger months: refusals of the evaluation. The missing average wage names its month as
// prefix, month name (0-based, as in a sentence), " ", year, suffix.
inline constexpr const char* kNegativeEarning = "Заробіток не може бути від'ємним";
inline constexpr const char* kNoAverageWagePrefix =
    "Відсутнє значення середньої заробітної плати за ";
inline constexpr const char* kNoAverageWageSuffix = " р.";
inline constexpr const char* kMonthNamesInSentence[] = {
    "січень", "лютий",   "березень", "квітень", "травень",  "червень",
    "липень", "серпень", "вересень", "жовтень", "листопад", "грудень"};

// The results panel of the pension calculation.
inline constexpr const char* kNoPensionRight = "Право відсутнє";
inline constexpr const char* kMonthsSuffix = " міс.";
inline constexpr const char* kAvgZpForYearPrefix = "Середня ЗП по Україні в ";
inline constexpr const char* kAvgZpForYearSuffix = " році";
inline constexpr const char* kNoAvgForYearPrefix = "В довіднику відсутнє значення для ";
inline constexpr const char* kNoAvgForYearSuffix = ".";
inline constexpr const char* kMinPensPrefix = "Мінімальний розмір пенсії за віком станом на ";
inline constexpr const char* kFromReferenceHint = "із довідника";
inline constexpr const char* kMinPensDesigned = "Мінімальний розмір пенсії за віком";
inline constexpr const char* kPensionIncomplete = "неповна";

// Case files and the earnings dump.
inline constexpr const char* kCaseSaveFailed = "Помилка при збереженні файлу";
inline constexpr const char* kCaseOpenFailed =
    "Помилка при відкритті файлу, можливо файл пошкоджено";
inline constexpr const char* kCaseLoadFailed =
    "Помилка при завантаженні файлу, можливо файл пошкоджено";
inline constexpr const char* kEarningsDumpHeader =
    "Рік;Місяць;мінімальна ЗП;Середня ЗП;Заробіток;Коефіцієнт;Зараховано днів;Опт1;Опт2;";

// Insurance experience as "y р. m міс. d дн." and the optimisations' error, followed by the
// ledger key that a copied month lost.
inline constexpr const char* kExperienceYears = " р. ";
inline constexpr const char* kExperienceMonths = " міс. ";
inline constexpr const char* kExperienceDays = " дн.";
inline constexpr const char* kCannotLocateId = "Can't locate ID=";

// The headless calculator: an earning typed for a month that no period covers. The month is
// named as in a sentence: prefix, month name, " ", year, suffix.
inline constexpr const char* kEarningMonthNotCoveredPrefix = "Заробіток за ";
inline constexpr const char* kEarningMonthNotCoveredSuffix =
    " р. не можна ввести: цей місяць не входить до жодного періоду трудової діяльності";

// Importing earnings from a statement, a wage certificate or a spreadsheet. A source without a
// month: the first text, then the reason.
inline constexpr const char* kImportNothingFound =
    "У тексті не знайдено жодного місяця з заробітком: ";
inline constexpr const char* kImportEmptyText = "текст порожній";
inline constexpr const char* kImportNoNumbers = "у тексті немає жодного числа";
inline constexpr const char* kImportNoMonthPrefix =
    "жоден рядок не вдалося прочитати як місяць і суму; наприклад, рядок «";
inline constexpr const char* kImportNoMonthSuffix = "»";
inline constexpr const char* kImportNoAmounts = "усі знайдені суми нульові";
inline constexpr const char* kImportPdfWithoutText =
    "у PDF-файлі немає тексту (можливо, це сканована копія; відкрийте її й перепишіть суми)";
inline constexpr const char* kImportPdfUnreadable =
    "файл не вдалося відкрити як PDF (можливо, він пошкоджений або захищений паролем)";
// Flags of the preview. Totals: "<where>: сума ... <sum>, а надруковано <total>".
inline constexpr const char* kImportRowTotalMismatch = ": сума місяців рядка ";
inline constexpr const char* kImportYearTotalMismatch = " р.: сума місяців за рік ";
inline constexpr const char* kImportColumnTotalMismatch = ": сума рядків за місяць ";
inline constexpr const char* kImportTotalMismatchPrinted = ", а надруковано підсумок ";
inline constexpr const char* kImportEmployer = ", роботодавець ";
inline constexpr const char* kImportSeveralEmployersPrefix = ": заробіток складено з ";
inline constexpr const char* kImportSeveralEmployersSuffix =
    " рядків (кілька роботодавців), перевірте суму";
inline constexpr const char* kImportBelowMinimumWage = ": менше за мінімальну зарплату місяця ";
inline constexpr const char* kImportAboveMaximum =
    ": більше за найбільшу суму місяця, з якої сплачуються внески, ";
inline constexpr const char* kImportFarAboveAverage =
    ": більше ніж удесятеро перевищує середню зарплату місяця ";
inline constexpr const char* kImportOutsideLedger =
    ": цей місяць не входить до жодного періоду трудової діяльності, тож його не буде внесено";
inline constexpr const char* kImportDifferentEarning = ": у розрахунку вже введено ";
inline constexpr const char* kImportDifferentEarningSuffix = ", імпорт замінить цю суму";
inline constexpr const char* kImportOldCurrency =
    ": схоже, суму вказано в карбованцях чи рублях до грошової реформи 1996 року; "
    "у гривнях це ";
inline constexpr const char* kImportApplyOutsideLedger =
    "Імпорт не виконано: місяць поза періодами трудової діяльності — ";
inline constexpr const char* kImportApplyRefused = "Імпорт не виконано, нічого не змінено: ";
inline constexpr const char* kImportNothingAccepted = "Не вибрано жодного місяця для імпорту";

// The ledger's earnings as CSV.
inline constexpr const char* kLedgerCsvHeader = "year;month;amount";

} // namespace rv::messages
