#pragma once

#include <string>

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
    "Звернутися за призначенням пенсії можна не раніше ніж за місяць до досягнення "
    "пенсійного віку",
    "Помилка збереження",
};

// The too early application with the earliest date allowed, dd.mm.yyyy.
inline std::string tooEarlyApplication(const std::string& earliestDate) {
    return std::string(kPersonMessages[5]) + ", тобто не раніше " + earliestDate + ".";
}

// Employment periods: refusals of a period and the warnings of the verification.
inline constexpr const char* kPeriodBeginAfterFinish =
    "Дата зарахування не може бути більшою за дату звільнення";
inline constexpr const char* kPeriodDateMissing = "Вкажіть дату зарахування і дату звільнення";
inline constexpr const char* kNoPeriods = "Спочатку введіть стаж";
// The youngest age of work comes from the law's rules (ст. 188 КЗпП).
inline std::string workBeforeMinimumAge(int years) {
    return "Трудова діяльність не може починатися до виповнення особою " + std::to_string(years) +
           " років";
}
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
// Why a save failed, said after the save error: "<kCaseSaveFailed>: <cause>.".
inline constexpr const char* kSaveCauseNoSpace = "на диску не вистачає місця";
inline constexpr const char* kSaveCauseNoPermission =
    "немає дозволу на запис до цієї папки або цього файлу";
inline constexpr const char* kSaveCauseReadOnly = "диск або папка доступні лише для читання";
inline constexpr const char* kSaveCauseNoFolder = "такої папки не існує";
inline constexpr const char* kSaveCauseNameTooLong = "назва файлу задовга";
inline constexpr const char* kSaveCauseNotAFile =
    "під цією назвою вже є папка, пристрій чи канал, а не звичайний файл";
inline constexpr const char* kSaveCauseForeignLink =
    "під цією назвою у спільній папці лежить посилання іншого користувача";
inline constexpr const char* kSaveCauseLinkLoop = "посилання на файл утворюють коло";
inline constexpr const char* kSaveCauseDiskError = "диск повідомив про помилку запису";
inline constexpr const char* kSaveCauseCaseTooLarge =
    "справа містить більше записів, ніж може мати одна особа";

// Insurance experience as "y р. m міс. d дн." and the optimisations' error, followed by the
// ledger key that a copied month lost.
inline constexpr const char* kExperienceYears = " р. ";
inline constexpr const char* kExperienceMonths = " міс. ";
inline constexpr const char* kExperienceDays = " дн.";
// The optimisations lost a ledger month they had copied; followed by the month's key.
inline constexpr const char* kCannotLocateId =
    "Внутрішня помилка розрахунку: не знайдено місяць заробітку з кодом ";

// An amount typed or pasted by the person: the quoted text, then why it is no amount.
inline constexpr const char* kAmountQuotePrefix = "«";
inline constexpr const char* kAmountQuoteSuffix = "» — ";
inline constexpr const char* kAmountNotANumber =
    "не сума: дозволено лише цифри, одну десяткову кому (або крапку) і пробіли між розрядами";
inline constexpr const char* kAmountTwoSeparators =
    "більше однієї коми чи крапки; розряди розділяйте пробілами, наприклад «2 500,75»";
inline constexpr const char* kAmountSeveralValues =
    "у рядку кілька значень; скопіюйте лише стовпець заробітків";
inline constexpr const char* kAmountNegative = "заробіток не може бути від'ємним";
inline constexpr const char* kAmountTooLarge = "завелике число";

// The headless calculator: an earning typed for a month that no period covers. The month is
// named as in a sentence: prefix, month name, " ", year, suffix.
inline constexpr const char* kEarningMonthNotCoveredPrefix = "Заробіток за ";
inline constexpr const char* kEarningMonthNotCoveredSuffix =
    " р. не можна ввести: цей місяць не входить до жодного періоду трудової діяльності";

// The law in force: the right to a pension (ст. 26) and the figures of ст. 25, 27, 28 and 40.
inline constexpr const char* kRightAtAnyAge = "незалежно від віку";
inline constexpr const char* kRightNoRule =
    "Для дат цієї особи в довідниках програми немає правил статті 26 Закону №1058-IV";
inline constexpr const char* kAvgZpIndicatorPrefix =
    "Показник середньої заробітної плати для пенсій, призначених у ";
inline constexpr const char* kAvgZpIndicatorYears = " році (середня за ";
inline constexpr const char* kNotApplicable = "—";
inline constexpr const char* kLawName = "Закон №1058-IV";
inline constexpr const char* kValuationHintPrefix =
    "Величина оцінки одного року страхового стажу (ст. 25 Закону №1058-IV), чинна на дату "
    "призначення ";
inline constexpr const char* kMaximumInHryvniasHint =
    "Максимальний розмір, установлений у гривнях (ч. 3 ст. 27 Закону №1058-IV)";
inline constexpr const char* kLawRuleOnDate = " на ";

// A rule the packed law book lacks, followed by its name.
inline constexpr const char* kLawRuleMissing = "У довідниках програми немає правила закону ";

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

// The headless calculator's refusals of its input and output, after "ravelta-calc: <file>: ".
inline constexpr const char* kInputTooLargePrefix = "вхідні дані більші за ";
inline constexpr const char* kInputTooLargeSuffix =
    " МіБ; справа однієї особи у форматі JSON займає не більше кількох сотень кілобайтів";
inline constexpr const char* kInputHasNul = "JSON містить нульовий байт";
inline constexpr const char* kInputNotJson = "це не правильний JSON: ";
inline constexpr const char* kInputNumberOutOfRange = "число в JSON поза межами допустимого: ";
inline constexpr const char* kInputUnreadable = "не вдається прочитати: ";
// A field of the JSON case that is wrong, after its path ("person.birthdate").
inline constexpr const char* kJsonNotObject = ": очікується об'єкт JSON";
inline constexpr const char* kJsonFieldMissing = ": поле відсутнє";
inline constexpr const char* kJsonNotText = ": очікується текст";
inline constexpr const char* kJsonNotDate = ": очікується дата у формі дд.мм.рррр, а не \"";
inline constexpr const char* kJsonNotWholeNumber = ": очікується ціле число";
inline constexpr const char* kJsonOutOfRangeFrom = ": має бути від ";
inline constexpr const char* kJsonOutOfRangeTo = " до ";
inline constexpr const char* kJsonNotNumber = ": очікується число";
inline constexpr const char* kJsonNotList = ": очікується список";
inline constexpr const char* kJsonTooDeepPrefix = "JSON вкладено глибше, ніж на ";
inline constexpr const char* kJsonTooDeepSuffix = " рівнів";
// A line of `ravelta-calc --batch` that is not a case: "рядок 7: порожній рядок".
inline constexpr const char* kBatchLinePrefix = "рядок ";
inline constexpr const char* kBatchEmptyLine = "порожній рядок";
inline constexpr const char* kBatchLineTooLongPrefix = "рядок довший за ";
inline constexpr const char* kReadNoFile = "файлу або папки не існує";
inline constexpr const char* kReadNoPermission = "немає дозволу на читання";
inline constexpr const char* kReadNameTooLong = "назва файлу задовга";
inline constexpr const char* kReadIsFolder = "це папка, а не файл";
inline constexpr const char* kReadNotAFile = "це не звичайний файл";
inline constexpr const char* kReadPathThroughFile = "у шляху є файл там, де має бути папка";
inline constexpr const char* kReadFailedCode = "системна помилка ";
inline constexpr const char* kOutOfMemory = "недостатньо пам'яті";
inline constexpr const char* kOutputFailed =
    "не вдається записати результат у стандартний вивід (диск заповнено чи канал закрито?)";

// The exported spreadsheets: the heading's words and the totals row's label.
inline constexpr const char* kSheetBornSuffix = " р. н.";
inline constexpr const char* kSheetExportedOn = "; вивантажено ";
inline constexpr const char* kSheetOfExperience = "трудовий стаж";
inline constexpr const char* kSheetOfEarnings = "заробітки";
inline constexpr const char* kSheetTotals = "Разом";

// The total of the experience periods. %1 in the first: the text found in a period's row.
inline constexpr const char* kInvalidExperienceLength =
    "Не вдалося підсумувати стаж: тривалість періоду «%1» записано неправильно.";
inline constexpr const char* kExperienceTotalTooLarge =
    "Не вдалося підсумувати стаж: загальна тривалість завелика.";

} // namespace rv::messages
