#pragma once

// The updater's own message texts (UTF-8). It carries them itself rather than
// reading the language file: it runs while the program's files are being
// replaced.
namespace UpdateText {

inline constexpr const char* kUpdateErrorTitle = "Ошибка обновления";
inline constexpr const char* kErrorTitle = "Ошибка";

inline constexpr const char* kNoConnection = "Ошибка соединения с сервером";
inline constexpr const char* kRequestFailed = "Ошибка запроса файла";
inline constexpr const char* kCannotCreateFile = "Ошибка создания файла";
inline constexpr const char* kCannotStartProgram = "Ошибка запуска программы \"Zamo\".";
inline constexpr const char* kNoMemory = "Не хватает памяти для автоматического обновления";
inline constexpr const char* kReceiveFailed = "Ошибка получения данных";
inline constexpr const char* kSkippedNames = "Пропущены файлы с недопустимыми именами";
inline constexpr const char* kIndexTooLarge = "Список файлов обновления слишком велик";
inline constexpr const char* kDeadlinePassed = "Время обновления истекло";
inline constexpr const char* kLateFiles = "Время обновления истекло, не загружены";
// Between a message and the names it concerns.
inline constexpr const char* kNamesFollow = ": ";
// After the listed names when more were left out; followed by their number.
inline constexpr const char* kMoreNames = " … и ещё ";

}  // namespace UpdateText
