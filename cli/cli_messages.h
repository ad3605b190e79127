#pragma once

// The texts ravelta-calc and ravelta-import speak of their input and output.
namespace rv::messages {

// The headless calculator's refusals of its input and output, after "ravelta-calc: <file>: ".
inline constexpr const char* kInputTooLargePrefix = "вхідні дані більші за ";

inline constexpr const char* kInputTooLargeSuffix =
    " МіБ; справа однієї особи у форматі JSON займає не більше кількох сотень кілобайтів";

inline constexpr const char* kInputHasNul = "JSON містить нульовий байт";

inline constexpr const char* kInputNotJson = "це не правильний JSON: ";

inline constexpr const char* kInputNumberOutOfRange = "число в JSON поза межами допустимого: ";

inline constexpr const char* kInputUnreadable = "не вдається прочитати: ";

// A field of the JSON case that is wrong, after its path ("person.birthdate").
inline constexpr const char* kJsonNotObject = ": очікується об'єкт JSON";

inline constexpr const char* kJsonFieldMissing = ": поле відсутнє";

inline constexpr const char* kJsonNotText = ": очікується текст";

inline constexpr const char* kJsonNotDate = ": очікується дата у формі дд.мм.рррр, а не \"";

inline constexpr const char* kJsonNotWholeNumber = ": очікується ціле число";

inline constexpr const char* kJsonOutOfRangeFrom = ": має бути від ";

inline constexpr const char* kJsonOutOfRangeTo = " до ";

inline constexpr const char* kJsonNotNumber = ": очікується число";

inline constexpr const char* kJsonNotList = ": очікується список";

inline constexpr const char* kJsonScenarioKind =
    ": очікується рівно одне з полів work_months, apply_on або voluntary_months";

// An unknown kind of period: the text lists the kinds it may be.
inline constexpr const char* kJsonUnknownKind = ": невідомий вид періоду \"";
inline constexpr const char* kJsonKindsAllowed = "\"; можливі: ";
// "extra_exclusions" is true or false.
inline constexpr const char* kJsonNotYesNo = ": очікується true або false";

inline constexpr const char* kJsonTooDeepPrefix = "JSON вкладено глибше, ніж на ";

inline constexpr const char* kJsonTooDeepSuffix = " рівнів";

// A line of `ravelta-calc --batch` that is not a case: "рядок 7: порожній рядок".
inline constexpr const char* kBatchLinePrefix = "рядок ";

inline constexpr const char* kBatchEmptyLine = "порожній рядок";

inline constexpr const char* kBatchLineTooLongPrefix = "рядок довший за ";

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

// ravelta-calc --protocol: a case that was not calculated has no protocol.
inline constexpr const char* kProtocolNotCalculated =
    "протокол не складено: справу не розраховано (див. результат)";

} // namespace rv::messages
