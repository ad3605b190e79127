#pragma once

// The texts the data module speaks: case files and its own checks.
namespace rv::messages {

// Case files and the earnings dump (the save error and its causes: engine/file_messages.h).
inline constexpr const char* kCaseOpenFailed =
    "Помилка при відкритті файлу, можливо файл пошкоджено";

inline constexpr const char* kCaseLoadFailed =
    "Помилка при завантаженні файлу, можливо файл пошкоджено";

// A cause of the case file's own, said after the save error as those of a write are.
inline constexpr const char* kSaveCauseCaseTooLarge =
    "справа містить більше записів, ніж може мати одна особа";

// The total of the experience periods. %1 in the first: the text found in a period's row.
inline constexpr const char* kInvalidExperienceLength =
    "Не вдалося підсумувати стаж: тривалість періоду «%1» записано неправильно.";

inline constexpr const char* kExperienceTotalTooLarge =
    "Не вдалося підсумувати стаж: загальна тривалість завелика.";

// What-if scenarios: variants of a calculated case.
inline constexpr const char* kScenarioEditPending =
    "Спершу збережіть або скасуйте зміни, які ви зараз вносите, а тоді рахуйте варіанти.";

} // namespace rv::messages
