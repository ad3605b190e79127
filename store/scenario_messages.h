#pragma once

// The texts of the chart of the pension by application date, painted for the window and, with
// the same code, for any printed page.
namespace rv::messages {

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

} // namespace rv::messages
