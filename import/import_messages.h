#pragma once

// The texts of reading statements, certificates and CSV files of earnings.
namespace rv::messages {

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

inline constexpr const char* kImportZeroEarning =
    ": заробітку немає, але місяць зараховано до страхового стажу (так буває під час догляду "
    "за дитиною чи іншою особою, коли внески сплачує орган соціального захисту); перевірте, чи "
    "є в розрахунку такий період";

inline constexpr const char* kImportUnplacedRow =
    ": не вдалося визначити, до яких місяців належать суми рядка (деякі клітинки порожні); "
    "внесіть їх вручну — рядок «";

inline constexpr const char* kImportUnplacedRowSuffix = "»";

inline constexpr const char* kImportPlacementUnconfirmed =
    ": місяці сум рядка визначено за розташуванням стовпців, але стаж за рядком вказує на інші "
    "місяці; перевірте суми за цей рік";

inline constexpr const char* kImportSplitByUsualWages =
    " рр.: у скопійованому тексті суми не розділені на стовпці, тож їх розділено за звичайним "
    "розміром зарплати тих місяців; звірте їх із довідкою";

inline constexpr const char* kImportOldCurrency =
    ": схоже, суму вказано в карбованцях (до грошової реформи 1996 року); у гривнях це ";

inline constexpr const char* kImportRoubles =
    ": сума в рублях (до 1992 року); у гривнях за курсом реформи 1996 року (100 000 : 1) це ";

inline constexpr const char* kImportHryvniaSuffix = " грн";

// A statement that may be another person's: each difference, then a second yes before applying.
inline constexpr const char* kImportOtherBirthDate = "у виписці дата народження ";

inline constexpr const char* kImportOtherBirthDateCase = ", а в розрахунку ";

inline constexpr const char* kImportOtherName = "у виписці прізвище особи — ";

inline constexpr const char* kImportOtherNameCase = ", а в розрахунку — ";

// The ledger's earnings as CSV.
inline constexpr const char* kLedgerCsvHeader = "year;month;amount";

} // namespace rv::messages
