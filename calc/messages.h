#pragma once

#include "engine/file_messages.h"

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
    ("Звернутися за призначенням пенсії можна не раніше ніж за місяць до досягнення "
     "пенсійного віку"),
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
inline constexpr const char* kNoAvgForYearPrefix = "В довіднику відсутнє значення для ";
inline constexpr const char* kNoAvgForYearSuffix = ".";
inline constexpr const char* kMinPensPrefix = "Мінімальний розмір пенсії за віком станом на ";
inline constexpr const char* kFromReferenceHint = "із довідника";
inline constexpr const char* kMinPensDesigned = "Мінімальний розмір пенсії за віком";
inline constexpr const char* kPensionIncomplete = "неповна";

// Insurance experience as "y р. m міс. d дн." and the optimisations' error, followed by the
// ledger key that a copied month lost.
inline constexpr const char* kExperienceYears = " р. ";
inline constexpr const char* kExperienceMonths = " міс. ";
inline constexpr const char* kExperienceDays = " дн.";

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

inline constexpr const char* kImportApplyOutsideLedger =
    "Імпорт не виконано: місяць поза періодами трудової діяльності — ";
inline constexpr const char* kImportApplyRefused = "Імпорт не виконано, нічого не змінено: ";
inline constexpr const char* kImportNothingAccepted = "Не вибрано жодного місяця для імпорту";

// Estimated reference figures among the counted months (the results panel's line): "12 із 282
// врахованих місяців мають оціночне значення середньої заробітної плати (1993–1994)".
inline constexpr const char* kEstimateOf = " із ";
inline constexpr const char* kEstimateCountedMonths = " врахованих місяців ";
inline constexpr const char* kEstimateHasOne = "має оціночне значення ";
inline constexpr const char* kEstimateHaveOne = "мають оціночне значення ";
inline constexpr const char* kEstimateHaveSeveral = "мають оціночні значення: ";
inline constexpr const char* kFigureAverageWage = "середньої заробітної плати";
inline constexpr const char* kFigureMinimumWage = "мінімальної заробітної плати";
inline constexpr const char* kFigureCap = "максимальної величини доходу, з якої сплачуються внески";

// The captions of the results panel's fields (the window and the protocol show them).
inline constexpr const char* kPensAgeCaption = "Дата призначення пенсії";
inline constexpr const char* kFullSSCaption = "Страховий стаж складає";
inline constexpr const char* kSSMonthCaption =
    "Кількість місяців наданої зарплатні (до оптимізації)";
inline constexpr const char* kSSMonth2Caption =
    "Кількість місяців врахованої зарплатні (після оптимізації)";
inline constexpr const char* kSumKCaption =
    "Сума коефіцієнтів врахованої зарплатні (після оптимізації)";
inline constexpr const char* kEarningKCaption = "Індивідуальний коефіцієнт заробітку";
inline constexpr const char* kISSKCaption = "Коефіцієнт страхового стажу (з урахуванням кратності)";
inline constexpr const char* kPensCaption = "Розмір основної пенсії";
inline constexpr const char* kExtraPensCaption = "Доплата за понаднормовий стаж";
inline constexpr const char* kFullPensCaption = "Загальний розмір пенсії за віком";
inline constexpr const char* kRightCaption = "Право на пенсію (ст. 26):";
inline constexpr const char* kValuationCaption = "Величина оцінки року стажу, % (ст. 25)";
inline constexpr const char* kMinPens65Caption =
    "Мінімальний розмір для осіб від 65 років (ч. 2 ст. 28)";
inline constexpr const char* kMaxPensCaption = "Максимальний розмір пенсії (ч. 3 ст. 27)";

// The protocol of a calculation ("Протокол розрахунку").
inline constexpr const char* kProtocolTitle = "Протокол розрахунку пенсії за віком";
inline constexpr const char* kProtocolMade = "Складено ";
inline constexpr const char* kProtocolProgram = " програмою «Равелта» версії ";
inline constexpr const char* kProtocolReferenceDate = ", довідники станом на ";
inline constexpr const char* kProtocolPersonSection = "1. Особа, дати та право на пенсію";
inline constexpr const char* kProtocolExperienceSection = "2. Трудовий і страховий стаж";
inline constexpr const char* kProtocolLedgerSection = "3. Заробітки за місяцями";
inline constexpr const char* kProtocolFormulaSection = "4. Розрахунок розміру пенсії";
inline constexpr const char* kProtocolReferenceSection = "5. Довідкові показники та їхні джерела";
inline constexpr const char* kProtocolNotesSection = "6. Припущення програми та застереження";
inline constexpr const char* kProtocolName = "Прізвище, ім'я, по батькові";
inline constexpr const char* kProtocolBirthDate = "Дата народження";
inline constexpr const char* kProtocolGender = "Стать";
inline constexpr const char* kProtocolApplicationDate = "Дата звернення";
inline constexpr const char* kProtocolPeriodsTitle = "Періоди трудової діяльності";
inline constexpr const char* kProtocolPeriodBegin = "Початок";
inline constexpr const char* kProtocolPeriodEnd = "Кінець";
inline constexpr const char* kProtocolPeriodLength = "Тривалість (р/м/д)";
inline constexpr const char* kProtocolPeriodKind = "Вид періоду";
// A month whose minimum wage stands for its earning (ст. 40 ч. 2), after its mark.
inline constexpr const char* kProtocolMarkMinimumWage = ", МЗП";
inline constexpr const char* kProtocolShortMonthsTitle =
    "Місяці з 2004 року, зараховані до страхового стажу не повністю (ч. 3 ст. 24): заробіток "
    "менший за мінімальну заробітну плату";
inline constexpr const char* kProtocolNoShortMonths =
    "Усі місяці з 2004 року зараховано до страхового стажу повністю.";
inline constexpr const char* kProtocolMonth = "Місяць";
inline constexpr const char* kProtocolCreditedDays = "Зараховано днів";
inline constexpr const char* kProtocolMonthDays = "Днів у місяці";
inline constexpr const char* kProtocolEarning = "Заробіток, грн";
inline constexpr const char* kProtocolAverageWage = "Середня зарплата, грн";
inline constexpr const char* kProtocolCap = "Максимум для внесків, грн";
inline constexpr const char* kProtocolCoefficient = "Коефіцієнт";
inline constexpr const char* kProtocolMark = "Позначка";
inline constexpr const char* kProtocolMarkEarly = "60 міс. до 07.2000";
inline constexpr const char* kProtocolMarkExcluded = "виключено";
inline constexpr const char* kProtocolMarkCounted = "враховано";
inline constexpr const char* kProtocolMarkNotCounted = "не враховано";
inline constexpr const char* kProtocolMarkCapped = ", обмежено максимумом";
inline constexpr const char* kProtocolLedgerTitle = "Усі місяці заробітків";
inline constexpr const char* kProtocolChartNote =
    "Графік: коефіцієнт заробітку кожного місяця (заробіток, поділений на середню заробітну "
    "плату місяця). Лінія 1,0 — середня по країні. Синім позначено враховані місяці, сірим — "
    "не враховані; зеленим тлом — 60 місяців, вибраних до липня 2000 року, червоним — "
    "виключений період (ч. 1 ст. 40).";
inline constexpr const char* kProtocolFigureColumn = "Показник";
inline constexpr const char* kProtocolRulesTitle = "Норми закону, застосовані на дату призначення";
inline constexpr const char* kProtocolRuleId = "Правило";
inline constexpr const char* kProtocolRuleValue = "Значення";
inline constexpr const char* kProtocolRuleDates = "Діє";
inline constexpr const char* kProtocolRuleArticle = "Стаття";
inline constexpr const char* kProtocolRuleConfidence = "Достовірність";
inline constexpr const char* kProtocolSource = "Джерело";
inline constexpr const char* kProtocolFiguresTitle = "Довідкові показники, що ввійшли в розрахунок";
inline constexpr const char* kProtocolPeriod = "Період";
inline constexpr const char* kProtocolRows = "Рядків";
inline constexpr const char* kProtocolFlags = "Позначки";
inline constexpr const char* kProtocolEstimatesTitle = "Оціночні значення у врахованих місяцях";
inline constexpr const char* kProtocolNoEstimates =
    "Жоден врахований місяць не спирається на оціночне значення довідників.";
inline constexpr const char* kFigureBaseAverageWage =
    "Показник середньої заробітної плати (ч. 2 ст. 40)";
inline constexpr const char* kFigureSubsistenceMinimum =
    "Прожитковий мінімум для осіб, які втратили працездатність";
inline constexpr const char* kFigureMinimumWageAtAssignment =
    "Мінімальна заробітна плата на дату призначення";
inline constexpr const char* kFigureMonthAverageWage = "Середня заробітна плата місяців";
inline constexpr const char* kFigureMonthMinimumWage = "Мінімальна заробітна плата місяців";
inline constexpr const char* kFigureMonthCap = "Максимальна величина доходу місяців";
inline constexpr const char* kProtocolSince = "з ";
inline constexpr const char* kProtocolUntilNow = " (діє донині)";
// Why the protocol's result is an estimate, and what the program assumes.
inline constexpr const char* kProtocolNotes[] = {
    "Це орієнтовний розрахунок, а не рішення Пенсійного фонду України. Розмір пенсії "
    "визначає Пенсійний фонд за документами особи; його розрахунок може відрізнятися.",
    "Заробітки та періоди роботи взято так, як їх введено в програму; програма не перевіряє "
    "їх за документами.",
    "Пенсію обчислено за загальними підставами (статті 24–28 та 40 Закону №1058-IV) без "
    "пільг, особливих видів стажу, перерахунків, індексацій і надбавок.",
    "До липня 2000 року враховано найвигідніші 60 місяців поспіль; з липня 2000 року — усі "
    "місяці, крім виключеного періоду, який найбільше підвищує середній коефіцієнт "
    "(ч. 1 ст. 40).",
    "Довідкові показники мають джерела; позначені як оцінка чи припущення не опубліковані для "
    "свого періоду і можуть відрізнятися від тих, що застосує Пенсійний фонд.",
};

// Where the protocol's figures come from, where no dated rule of the law book names it.
inline constexpr const char* kArticleAssignment = "ч. 1 ст. 45";
inline constexpr const char* kArticleExperience = "ст. 24";
inline constexpr const char* kArticleEarnings = "ч. 1 ст. 40";
inline constexpr const char* kArticleIndividualCoefficient = "ч. 1 ст. 40";
inline constexpr const char* kArticleBasicPension = "ч. 1 ст. 27";
inline constexpr const char* kArticleTotal = "ст. 27, 28";

inline constexpr const char* kScenarioNotCalculated =
    "Варіанти рахуються для розрахованої справи: спершу проведіть розрахунок.";
inline constexpr const char* kScenarioMonthsOutOfRange =
    "Кількість місяців має бути від 1 до 600 (50 років).";
inline constexpr const char* kScenarioWageNegative = "Заробіток не може бути від'ємним.";
inline constexpr const char* kScenarioDateMissing = "Укажіть дату звернення для цього варіанта.";

} // namespace rv::messages
