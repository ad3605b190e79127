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

// The headless calculator's refusals of its input and output, after "ravelta-calc: <file>: ".
inline constexpr const char* kInputTooLargePrefix = "вхідні дані більші за ";
inline constexpr const char* kInputTooLargeSuffix =
    " МіБ; справа однієї особи у форматі JSON займає не більше кількох сотень кілобайтів";
inline constexpr const char* kInputHasNul = "JSON містить нульовий байт";
inline constexpr const char* kInputNotJson = "це не правильний JSON: ";
inline constexpr const char* kInputNumberOutOfRange = "число в JSON поза межами допустимого: ";
inline constexpr const char* kInputUnreadable = "не вдається прочитати: ";
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

} // namespace rv::messages
