#include "quotixmodule.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include "atomicfile.h"
#include "languageentries.h"
#include "languagetable.h"
#include "messages.h"
#include "pricedlg.h"
#include "settings.h"
#include "workbookxlsx.h"

namespace {

QString KindName(CQuotixSession::ReportKind kind) {
  using Kind = CQuotixSession::ReportKind;
  switch (kind) {
    case Kind::Camera: return QStringLiteral("camera");
    case Kind::PriceList80: return QStringLiteral("pricelist-80");
    case Kind::PriceList100: return QStringLiteral("pricelist-100");
    case Kind::Panels: return QStringLiteral("components");
    case Kind::None: break;
  }
  return QStringLiteral("report");
}

QString ReportsFolder() { return QDir::current().filePath(QString::fromLatin1(CQuotixModule::kReportsFolder)); }

// A default report name without its extension: the kind and the time.
QString ReportStem(CQuotixSession::ReportKind kind) {
  return KindName(kind) + QLatin1Char('-') + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

}  // namespace

CQuotixModule::CQuotixModule() : session_(ModuleLanguage()) {}

CQuotixModule& CQuotixModule::Instance() {
  static CQuotixModule module;
  return module;
}

void CQuotixModule::Load() {
  ModuleLanguage().Load(InterfaceLanguage());
  WriteVersionValue(ModuleFileName(QStringLiteral("Quotix")), QString::fromLatin1(kVersion));
  session_.Prices().Clear();
  session_.SetPricesReadError(session_.Prices().Read(CPriceTable::kFileName));
}

int32_t CQuotixModule::TellRefusal(int32_t result) const {
  using Refusal = CQuotixSession::Refusal;
  const QString table = QFileInfo(QString::fromUtf8(CPriceTable::kFileName)).absoluteFilePath();
  QString text;
  switch (session_.LastRefusal()) {
    case Refusal::None: return result;
    case Refusal::PricesUnreadable:
      text = UiText(Lang::kPricesUnreadable).arg(QString::fromStdString(session_.PricesReadError().ToString()));
      break;
    case Refusal::BadPriceEntry:
      text = UiText(Lang::kBadPriceEntry)
                 .arg(table, QString::number(session_.Prices().BadEntry()),
                      QString::number(static_cast<qlonglong>(CPriceTable::kMaxPrice)));
      break;
    case Refusal::TotalNotFinite:
      text = UiText(Lang::kTotalNotANumber);
      break;
  }
  ShowMessageText(text, LangText(Lang::kErrorCaption));
  return result;
}

bool CQuotixModule::InitXL(bool priceListTitle, bool is80) {
  return TellRefusal(session_.InitXL(priceListTitle, is80) ? 1 : 0) != 0;
}

int32_t CQuotixModule::MakeReport(const CCameraInput& input, const ZamoModule* material) {
  if (material) ReadMaterialDetails(material);
  return TellRefusal(session_.MakeReport(input));
}

void CQuotixModule::ReadMaterialDetails(const ZamoModule* material) {
  CMaterialApi api;
  BindModuleExports(api, material);
  if (!api.GetProfiles) return;
  std::vector<std::string> names;
  const ZamoStringList list{
      &names, [](void* context) { static_cast<std::vector<std::string>*>(context)->clear(); },
      [](void* context, const char* text) {
        static_cast<std::vector<std::string>*>(context)->emplace_back(text ? text : "");
      }};
  api.GetProfiles(&list);
  if (selectedProfile_ < 0 || static_cast<size_t>(selectedProfile_) >= names.size()) return;
  // The surfaces as the materials dialog shows them, row by row.
  const std::string inner = UiText(Lang::kInnerSkinLabel).toStdString();
  const std::string outer = UiText(Lang::kOuterSkinLabel).toStdString();
  const std::string walls = UiText(Lang::kWallsLabel).toStdString();
  const std::string floor = UiText(Lang::kFloorLabel).toStdString();
  const std::string ceiling = UiText(Lang::kCeilingLabel).toStdString();
  const struct {
    std::string surface;
    MaterialGetterFn getter;
  } surfaces[] = {{walls + ", " + inner, api.GetEWallTypeExt},  {walls + ", " + outer, api.GetEWallTypeInt},
                  {floor + ", " + inner, api.GetCeilTypeExt},   {floor + ", " + outer, api.GetCeilTypeInt},
                  {ceiling + ", " + inner, api.GetFloorTypeInt}, {ceiling + ", " + outer, api.GetFloorTypeExt},
                  {UiText(Lang::kPartitionsResourceLabel).toStdString(), api.GetIWallType}};
  constexpr int kTypes[] = {Lang::kMaterialType0, Lang::kMaterialType1, Lang::kMaterialType2};
  std::vector<std::pair<std::string, std::string>> materials;
  for (const auto& surface : surfaces) {
    const int32_t type = surface.getter ? surface.getter() : -1;
    materials.emplace_back(surface.surface, type >= 0 && type < 3 ? UiText(kTypes[type]).toStdString() : "-");
  }
  session_.SetMaterialDetails(names[static_cast<size_t>(selectedProfile_)], std::move(materials));
}

int32_t CQuotixModule::MakeReport2(const CCameraInput& input, char column) {
  return TellRefusal(session_.MakeReport2(input, column));
}

int32_t CQuotixModule::EndPanelReport() { return TellRefusal(session_.EndPanelReport()); }

void CQuotixModule::SetReportPath(const char* path, bool openAfterwards) {
  reportPath_ = path ? QString::fromUtf8(path) : QString();
  openAfterwards_ = openAfterwards;
}

QString CQuotixModule::DefaultReportPath() const {
  const QDir folder(ReportsFolder());
  const QString base = ReportStem(session_.Kind());
  QString path = folder.filePath(base + QStringLiteral(".xlsx"));
  // Two reports in one second keep both files.
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path = folder.filePath(base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".xlsx"));
  }
  return path;
}

bool CQuotixModule::ShouldOpen() const {
  if (!openAfterwards_) return false;
  if (qEnvironmentVariable("ZAMO_NO_OPEN") == QStringLiteral("1")) return false;
  if (!OpenZamoSettings()->value(QString::fromLatin1(kOpenAfterSaveSetting), true).toBool()) return false;
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QString CQuotixModule::CloseXL() {
  const QString chosen = reportPath_;
  const bool open = ShouldOpen();
  reportPath_.clear();
  openAfterwards_ = true;
  std::unique_ptr<CWorkbook> workbook = session_.TakeWorkbook();
  if (!workbook) return QString();

  QString path = QFileInfo(chosen).absoluteFilePath();
  FileError error;
  if (chosen.isEmpty()) {
    // The default name is taken by creating the file: programs saving a
    // report in the same second never choose the same one.
    QDir().mkpath(ReportsFolder());
    std::string made;
    error = CreateUniqueFile(ReportsFolder().toStdString(), ReportStem(session_.Kind()).toStdString(), ".xlsx", made);
    path = QString::fromStdString(made);
  } else {
    QDir().mkpath(QFileInfo(path).absolutePath());
  }
  const bool reserved = chosen.isEmpty() && !error;
  if (!error) error = SaveWorkbookXlsx(*workbook, path.toStdString());
  if (error) {
    if (reserved) QFile::remove(path);
    ShowMessageText(UiText(Lang::kReportNotSaved).arg(QString::fromStdString(error.ToString())),
                    LangText(Lang::kErrorCaption));
    return QString();
  }
  if (open) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  return path;
}

int CQuotixModule::WrongMaterialVersion() const {
  return ShowMessageText(UiText(Lang::kWrongMaterialVersion), UiText(Lang::kWrongMaterialCaption));
}

// Each call needs only its own export of the materials library: one that
// lacks the others still lists or selects its profiles.
int32_t CQuotixModule::GetMaterialProfiles(const ZamoModule* material, const ZamoStringList* list) {
  CMaterialApi api;
  BindModuleExports(api, material);
  if (!api.GetProfiles) return WrongMaterialVersion();
  if (!list) return 0;
  return api.GetProfiles(list);
}

int32_t CQuotixModule::SelectMaterialProfile(const ZamoModule* material, int32_t profile) {
  CMaterialApi api;
  BindModuleExports(api, material);
  if (!api.SelectProfile) return WrongMaterialVersion();
  selectedProfile_ = profile;
  return api.SelectProfile(static_cast<uint32_t>(profile));
}

intptr_t CQuotixModule::ShowPriceDlg(void* parent, uint8_t* buffer) {
  // The dialog needs a widget application; the command-line tool has none.
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
  CPriceDlg dialog(session_.Prices(), CPriceTable::kFileName, static_cast<QWidget*>(parent));
  const int result = dialog.exec();
  // The table now holds what the file held on opening, or what was saved.
  if (dialog.Loaded() || result == CPriceDlg::kSaved) session_.SetPricesReadError({});
  if (result != CPriceDlg::kSaved) return result;
  if (!buffer) return CPriceDlg::kSaved;
  session_.Prices().CopyEntriesTo(buffer);
  return reinterpret_cast<intptr_t>(buffer);
}
