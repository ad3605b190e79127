#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rv {

// What a period of the career was: paid work, or a period the law credits to the insurance
// experience without work (ст. 11, 24 Закону № 1058-IV; before 2004 ст. 56 Закону № 1788-XII).
enum class PeriodKind : std::uint8_t {
    Work,
    Military,     // contract or mobilised service (ст. 11 п. 11)
    Conscript,    // compulsory service (ст. 11 п. 7)
    Study,        // full-time study
    ChildCare,    // care of a child (ст. 11 п. 8, 16)
    DisabledCare, // care of a person with a disability or a pensioner (ст. 11 п. 9)
    Unemployment, // months of the unemployment benefit (ст. 24 ч. 1)
    Maternity,    // maternity leave (ст. 11 п. 10)
    Captivity,    // deprivation of liberty by the aggressor (ст. 11 п. 15)
};

struct PeriodKindNames {
    PeriodKind kind;
    std::string_view code;       // as a case JSON and the stored case write it
    std::string_view title;      // as the window lists it
    std::string_view inSentence; // "з них: строкова служба 2 р."
};

inline constexpr std::array<PeriodKindNames, 9> kPeriodKinds = {{
    {PeriodKind::Work, "work", "Робота", "робота"},
    {PeriodKind::Military, "military", "Військова служба за контрактом / мобілізація",
     "військова служба"},
    {PeriodKind::Conscript, "conscript", "Строкова військова служба", "строкова служба"},
    {PeriodKind::Study, "study", "Навчання (денна форма)", "навчання"},
    {PeriodKind::ChildCare, "child_care", "Догляд за дитиною", "догляд за дитиною"},
    {PeriodKind::DisabledCare, "disabled_care", "Догляд за особою з інвалідністю / пенсіонером",
     "догляд за особою з інвалідністю"},
    {PeriodKind::Unemployment, "unemployment", "Допомога по безробіттю", "допомога по безробіттю"},
    {PeriodKind::Maternity, "maternity", "Відпустка у зв'язку з вагітністю та пологами",
     "відпустка по вагітності та пологах"},
    {PeriodKind::Captivity, "captivity", "Полон", "полон"},
}};

inline const PeriodKindNames& namesOf(PeriodKind kind) {
    return kPeriodKinds[static_cast<std::size_t>(kind)];
}

// The kind a code names; none for an unknown code.
std::optional<PeriodKind> periodKindOfCode(std::string_view code);

// The kind a window title names; none for an unknown title.
std::optional<PeriodKind> periodKindOfTitle(std::string_view title);

} // namespace rv
