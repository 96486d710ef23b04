#pragma once

#include <QLibrary>
#include <QString>

#include "zamo_abi.h"

// One plugin library loaded by its base name ("Quotix", "Material",
// "Tallyx", "mailer"): first from the folder of the running program, then
// from `fallbackFolder` (when given), then from the installed plugin folder
// beside the program's folder, then by the system's search. The
// library is unloaded when the holder goes away, so a command that needs a
// plugin for its own length simply keeps a CPluginLibrary on its stack.
class CPluginLibrary {
 public:
  CPluginLibrary() = default;
  ~CPluginLibrary();
  CPluginLibrary(const CPluginLibrary&) = delete;
  CPluginLibrary& operator=(const CPluginLibrary&) = delete;

  bool Load(const QString& baseName, const QString& fallbackFolder = QString());
  void Unload();
  bool IsLoaded() const { return loaded_; }
  QString FileName() const { return library_.fileName(); }
  QString ErrorString() const { return library_.errorString(); }

  // The export of that name, or null.
  void* Resolve(const char* exportName);
  // Binds the exports of `api` (CQuotixApi, CMaterialApi, CTallyxApi,
  // CMailerApi) that the library has. Returns the name of the first one it
  // lacks, or null when it has them all; a library that is not loaded lacks
  // every export.
  template <typename Api>
  const char* Bind(Api& api) {
    return BindZamoExports(api, [this](const char* name) { return Resolve(name); });
  }

  // This library as another plugin sees it (valid while this holder lives).
  const ZamoModule* Module() const { return loaded_ ? &module_ : nullptr; }

 private:
  static void* ResolveThunk(void* context, const char* exportName);

  QLibrary library_;
  bool loaded_ = false;
  ZamoModule module_{this, &CPluginLibrary::ResolveThunk};
};
