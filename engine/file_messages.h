#pragma once

// The Ukrainian texts of a failed file write, as the program states them.
namespace rv::messages {

inline constexpr const char* kCaseSaveFailed = "Помилка при збереженні файлу";
// Why a save failed, said after the save error: "<kCaseSaveFailed>: <cause>.".
inline constexpr const char* kSaveCauseNoSpace = "на диску не вистачає місця";
inline constexpr const char* kSaveCauseNoPermission =
    "немає дозволу на запис до цієї папки або цього файлу";
inline constexpr const char* kSaveCauseReadOnly = "диск або папка доступні лише для читання";
inline constexpr const char* kSaveCauseNoFolder = "такої папки не існує";
inline constexpr const char* kSaveCauseNameTooLong = "назва файлу задовга";
inline constexpr const char* kSaveCauseNotAFile =
    "під цією назвою вже є папка, пристрій чи канал, а не звичайний файл";
inline constexpr const char* kSaveCauseForeignLink =
    "під цією назвою у спільній папці лежить посилання іншого користувача";
inline constexpr const char* kSaveCauseLinkLoop = "посилання на файл утворюють коло";
inline constexpr const char* kSaveCauseDiskError = "диск повідомив про помилку запису";

} // namespace rv::messages
