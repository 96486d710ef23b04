#include "pluginlibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "settings.h"

CPluginLibrary::~CPluginLibrary() { Unload(); }

bool CPluginLibrary::Load(const QString& baseName, const QString& fallbackFolder) {
  Unload();
  QStringList candidates;
  const QString fileName = ModuleFileName(baseName);
  if (QCoreApplication::instance()) {
    candidates << QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
  }
  if (!fallbackFolder.isEmpty()) candidates << QDir(fallbackFolder).filePath(fileName);
  // An installed program keeps its libraries in a folder of their own
  // beside its bin folder; found from where the program is, so that an
  // installation under any prefix works.
  if (QCoreApplication::instance()) {
    candidates << QDir(QCoreApplication::applicationDirPath())
                      .filePath(QStringLiteral(ZAMO_PLUGIN_DIR_FROM_PROGRAM "/") + fileName);
  }
  for (const QString& path : std::as_const(candidates)) {
    if (!QFileInfo::exists(path)) continue;
    library_.setFileName(path);
    if (library_.load()) {
      loaded_ = true;
      return true;
    }
  }
  library_.setFileName(baseName);
  loaded_ = library_.load();
  return loaded_;
}

void CPluginLibrary::Unload() {
  if (loaded_) library_.unload();
  loaded_ = false;
}

void* CPluginLibrary::Resolve(const char* exportName) {
  if (!loaded_ || !exportName) return nullptr;
  return reinterpret_cast<void*>(library_.resolve(exportName));
}

void* CPluginLibrary::ResolveThunk(void* context, const char* exportName) {
  return static_cast<CPluginLibrary*>(context)->Resolve(exportName);
}
