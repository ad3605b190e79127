#pragma once

// The texts of the protocol's layout and of the charts.
namespace rv::messages {

inline constexpr const char* kProtocolFormulaColumn = "Як обчислено";

inline constexpr const char* kProtocolArticleColumn = "Норма закону";

inline constexpr const char* kProtocolValueColumn = "Значення";

// The earnings chart (the calculation tab and the protocol).
inline constexpr const char* kChartEmpty =
    "Графік коефіцієнтів заробітку з'явиться після розрахунку";

inline constexpr const char* kChartTitle = "Коефіцієнт заробітку за місяцями";

inline constexpr const char* kChartAverageLine = "1,0 — середня по країні";

inline constexpr const char* kChartCounted = "враховано";

inline constexpr const char* kChartNotCounted = "не враховано";

inline constexpr const char* kChartEarlyWindow = "60 місяців до 07.2000";

inline constexpr const char* kChartExcluded = "виключений період";

inline constexpr const char* kChartTipCoefficient = ": коефіцієнт ";

inline constexpr const char* kChartTipEarning = ", заробіток ";

inline constexpr const char* kChartTipAverage = " грн при середній ";

inline constexpr const char* kChartTipCurrency = " грн";

// The chart of the pension by application date (the panel "Що буде, якщо…").
inline constexpr const char* kTotalsChartTitle = "Пенсія залежно від дати звернення, грн на місяць";

inline constexpr const char* kTotalsChartWorkingOn = "працюючи далі як зараз";

inline constexpr const char* kTotalsChartNotWorking = "без подальшої роботи";

inline constexpr const char* kTotalsChartEmpty =
    "Графік пенсії за датами звернення з'явиться після розрахунку.";

inline constexpr const char* kTotalsChartNoRight =
    "У ці роки права на пенсію немає ні за подальшої роботи, ні без неї.";

// "01.05.2027: працюючи далі як зараз — 5234,10 грн, без подальшої роботи — 4800,00 грн".
inline constexpr const char* kTotalsChartTipSeparator = " — ";

inline constexpr const char* kTotalsChartTipCurrency = " грн";

inline constexpr const char* kProtocolPage = "Сторінка ";

inline constexpr const char* kProtocolPageOf = " з ";

inline constexpr const char* kProtocolCannotWrite = "Не вдалося записати протокол у файл ";

} // namespace rv::messages
