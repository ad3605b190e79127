#pragma once

// The Ukrainian texts of the panel "Що буде, якщо…" on the calculation tab.
namespace rv::captions {

inline constexpr const char* kScenarioPanel = "Що буде, якщо…";
inline constexpr const char* kScenarioIntro =
    "Порівняйте сьогоднішній розрахунок з іншими варіантами. Кожен варіант розраховано за тими "
    "самими правилами на копії справи: введені дані не змінюються.";
inline constexpr const char* kScenarioKindCaption = "Варіант:";
inline constexpr const char* kScenarioKinds[] = {"Працювати довше", "Звернутися в іншу дату",
                                                 "Добровільні внески"};
inline constexpr const char* kScenarioMonthsCaption = "Скільки місяців:";
inline constexpr const char* kScenarioWageCaption = "Заробіток на місяць:";
inline constexpr const char* kScenarioWageAsNow = "як зараз";
inline constexpr const char* kScenarioWageAmount = "сума, грн:";
// %1: the average coefficient of the last 12 months with earnings.
inline constexpr const char* kScenarioWageAsNowNote =
    "«Як зараз» — %1 середньої заробітної плати щомісяця: середній коефіцієнт ваших останніх 12 "
    "місяців із заробітком. Майбутні середні зарплати взято рівними останній відомій, у "
    "сьогоднішніх цінах, як у калькуляторі Пенсійного фонду.";
inline constexpr const char* kScenarioDateCaption = "Дата звернення:";
inline constexpr const char* kScenarioVoluntaryNote =
    "Добровільна участь (ст. 10 Закону № 2464-VI): щомісяця сплачують мінімальний страховий "
    "внесок — 22 % мінімальної заробітної плати; кожен такий місяць зараховують до страхового "
    "стажу повністю, із мінімальною зарплатою як заробітком. Розраховано лише місяці наперед, "
    "починаючи з першого повного місяця після останнього періоду роботи або після дати "
    "звернення, якщо вона пізніша. Доплату за минулі періоди (з 01.01.2004, за місяці без роботи, "
    "щонайменше "
    "подвійний мінімальний внесок, розділ V Інструкції № 449) не розраховано.";
inline constexpr const char* kAddScenario = "Додати варіант";
inline constexpr const char* kAddScenarioHint =
    "Додати до таблиці новий варіант з такими умовами; далі зміни умов перераховують вибраний "
    "варіант одразу";
inline constexpr const char* kRemoveScenario = "Вилучити варіант";
inline constexpr const char* kScenarioAssumptions =
    "Майбутні середні зарплати — останні відомі, у сьогоднішніх цінах. Індексацію та "
    "перерахунки пенсії не враховано. Найкращий варіант — з найбільшою пенсією.";

// Refusals of what is typed into the panel.
inline constexpr const char* kScenarioWageRefused = "Заробіток: ";
inline constexpr const char* kScenarioWageNotPositive =
    "Заробіток на місяць має бути більшим за нуль.";
inline constexpr const char* kScenarioDateRefused =
    "Уведіть дату звернення повністю у вигляді дд.мм.рррр, наприклад 01.06.2027.";
inline constexpr const char* kScenarioFailed =
    "Варіанти не вдалося розрахувати через непередбачену помилку програми; введені дані не "
    "змінилися.";

// The table of variants.
// In the order of ScenarioColumn.
inline constexpr const char* kScenarioColumns[] = {
    "Варіант", "Пенсія, грн", "Різниця",    "Внески, грн", "Окупність", "Право",
    "Право з", "Призначення", "Стаж, міс.", "К",           "КС"};
inline constexpr const char* kScenarioColumnHints[] = {
    "",
    "Розмір пенсії на місяць",
    "На скільки гривень на місяць пенсія більша (+) чи менша (−), ніж за сьогоднішнім "
    "розрахунком",
    "Скільки коштуватимуть добровільні внески загалом",
    "За скільки місяців прибавка до пенсії поверне сплачені внески",
    "Чи є право на пенсію і з якого віку (стаття 26 Закону № 1058-IV)",
    "День, з якого виникає право на пенсію",
    "День, з якого пенсію буде призначено (стаття 45)",
    "Страховий стаж у повних місяцях (С)",
    "Коефіцієнт заробітної плати (стаття 40)",
    "Коефіцієнт страхового стажу (стаття 25)",
};
inline constexpr const char* kScenarioToday = "Сьогодні";
inline constexpr const char* kScenarioEarliestRight = "Найраніше право, працюючи як зараз";
// %1: the length, "2 р. 3 міс.".
inline constexpr const char* kScenarioWorkLongerAsNow = "Працювати ще %1, як зараз";
// %1: the length, %2: the wage.
inline constexpr const char* kScenarioWorkLongerWage = "Працювати ще %1, %2 грн";
// %1: the date.
inline constexpr const char* kScenarioApplyOn = "Звернутися %1";
// %1: the length.
inline constexpr const char* kScenarioVoluntary = "Добровільні внески %1";
inline constexpr const char* kScenarioBestMark = " — найкращий";
inline constexpr const char* kScenarioRight = "так, ";
inline constexpr const char* kScenarioNoRight = "немає";
inline constexpr const char* kScenarioNone = "—";
inline constexpr const char* kScenarioNoPayback = "не окупляться";
inline constexpr const char* kYearsShort = " р.";
inline constexpr const char* kMonthsShort = " міс.";
// %1: the date, %2: the pension.
inline constexpr const char* kEarliestRightLine =
    "Права на пенсію на дату звернення ще немає. Якщо працювати далі як зараз, воно виникне "
    "%1; пенсія тоді — %2 грн на місяць.";
inline constexpr const char* kNoEarliestRightLine =
    "Права на пенсію на дату звернення ще немає, і, працюючи далі як зараз, ви не набудете його "
    "в найближчі роки.";
inline constexpr const char* kScenariosBeforeCalculation =
    "Варіанти можна розрахувати після розрахунку пенсії (кнопка «Провести розрахунок*»).";

} // namespace rv::captions
