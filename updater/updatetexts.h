#pragma once

// The updater's own message texts (UTF-8). It carries them itself rather than
// reading the language file: it runs while the program's files are being
// replaced.
namespace UpdateText {

// A text in the two interface languages, given in the one the user chose.
struct Text {
  const char* russian;
  const char* english;
};
// 0 the first language (Russian), 1 the second (English); set at start-up
// from the program's settings.
inline int& Language() {
  static int language = 0;
  return language;
}
inline const char* Get(const Text& text) { return Language() == 1 ? text.english : text.russian; }

inline constexpr Text kUpdateErrorTitle{"Ошибка обновления", "Update error"};
inline constexpr Text kErrorTitle{"Ошибка", "Error"};

inline constexpr Text kNoConnection{"Ошибка соединения с сервером", "The server cannot be reached"};
inline constexpr Text kRequestFailed{"Ошибка запроса файла", "The server refused a file"};
inline constexpr Text kCannotCreateFile{"Ошибка создания файла", "A file cannot be written"};
inline constexpr Text kCannotStartProgram{"Ошибка запуска программы \"Zamo\".", "The program \"Zamo\" cannot be started."};
inline constexpr Text kNoMemory{"Не хватает памяти для автоматического обновления", "Not enough memory for the update"};
inline constexpr Text kReceiveFailed{"Ошибка получения данных", "Receiving the data failed"};
inline constexpr Text kSkippedNames{"Пропущены файлы с недопустимыми именами", "Files with names that are not allowed were skipped"};
inline constexpr Text kIndexTooLarge{"Список файлов обновления слишком велик", "The list of update files is too large"};
inline constexpr Text kDeadlinePassed{"Время обновления истекло", "The update took too long"};
inline constexpr Text kLateFiles{"Время обновления истекло, не загружены", "The update took too long; not fetched"};
// Between a message and the names it concerns.
inline constexpr Text kNamesFollow{": ", ": "};
// After the listed names when more were left out; followed by their number.
inline constexpr Text kMoreNames{" … и ещё ", " … and more: "};

}  // namespace UpdateText
