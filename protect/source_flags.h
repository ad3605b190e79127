#pragma once

#include <string_view>

namespace rv {

// The marks a reference row's source carries where its figure is not one published for exactly
// that period (refdata/README.md). One bit each; refpack reads them from the source text.
enum SourceFlag : unsigned {
    kFlagFill = 1u << 0,         // the yearly value of the same year stands for a month
    kFlagEstimate = 1u << 1,     // interpolated between sourced values
    kFlagProxy = 1u << 2,        // a related statistic
    kFlagSeriesSwitch = 1u << 3, // the other average-wage series stands in
    kFlagDerived = 1u << 4,      // computed from sourced figures by a sourced rule
    kFlagAssumption = 1u << 5,   // assumed unchanged or assumed to apply
    kFlagUncertain = 1u << 6,
    kFlagVerify = 1u << 7,
};

struct SourceFlagName {
    SourceFlag flag;
    std::string_view code;      // as the source text writes it
    std::string_view ukrainian; // as the program shows it
};

inline constexpr SourceFlagName kSourceFlagNames[] = {
    {kFlagFill, "FILL", "річне значення замість місячного"},
    {kFlagEstimate, "ESTIMATE", "оцінка"},
    {kFlagProxy, "PROXY", "близький показник"},
    {kFlagSeriesSwitch, "SERIES SWITCH", "інший ряд даних"},
    {kFlagDerived, "DERIVED", "обчислено"},
    {kFlagAssumption, "ASSUMPTION", "припущення"},
    {kFlagUncertain, "UNCERTAIN", "непевне"},
    {kFlagVerify, "VERIFY", "потребує перевірки"},
};

// The flags that make a figure an estimate ("оціночне значення"): interpolated figures and
// figures assumed to have stayed in force were never published for their period. The other
// flags name a published figure of a neighbouring kind or period, or a doubt about a source.
inline constexpr unsigned kEstimatedFigureFlags = kFlagEstimate | kFlagAssumption;

} // namespace rv
