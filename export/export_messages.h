#pragma once

// The texts of the exported sheets.
namespace rv::messages {

// The exported spreadsheets: the heading's words and the totals row's label.
inline constexpr const char* kSheetBornSuffix = " р. н.";

inline constexpr const char* kSheetExportedOn = "; вивантажено ";

inline constexpr const char* kSheetOfExperience = "трудовий стаж";

inline constexpr const char* kSheetOfEarnings = "заробітки";

inline constexpr const char* kSheetTotals = "Разом";

} // namespace rv::messages
