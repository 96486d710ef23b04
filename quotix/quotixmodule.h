#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "quotixsession.h"
#include "zamo_abi.h"

// The pricing library as its exports see it: one session, the report file
// chosen for the next save, and the Qt side of the library (saving and
// opening the workbook, the price dialog, the message boxes). The library
// runs with the data folder as its current folder.
class CQuotixModule {
 public:
  static constexpr const char* kVersion = "1.0.0";
  static constexpr const char* kReportsFolder = "Reports";
  // Setting that, when false, keeps saved reports from being opened.
  static constexpr const char* kOpenAfterSaveSetting = "Reports/OpenAfterSave";

  CQuotixModule();

  // The module of this library.
  static CQuotixModule& Instance();

  // What loading the library does: the language texts, the version value,
  // the price table. A table that cannot be read is remembered: nothing is
  // priced until the price dialog reads or saves one.
  void Load();

  CQuotixSession& Session() { return session_; }

  // The session's calls that can be refused; a refusal is told to the user
  // through the message helper and returns the failure value (false, 0).
  bool InitXL(bool priceListTitle, bool is80);
  // The camera report names the material profile `material` has current.
  int32_t MakeReport(const CCameraInput& input, const ZamoModule* material = nullptr);
  int32_t MakeReport2(const CCameraInput& input, char column);
  int32_t EndPanelReport();

  void SetReportPath(const char* path, bool openAfterwards);
  // Saves the workbook (if any) and opens it unless told not to. Returns
  // the saved file, or an empty text when nothing was saved.
  QString CloseXL();
  // The file the next save would choose by default.
  QString DefaultReportPath() const;

  int32_t GetMaterialProfiles(const ZamoModule* material, const ZamoStringList* list);
  int32_t SelectMaterialProfile(const ZamoModule* material, int32_t profile);
  intptr_t ShowPriceDlg(void* parent, uint8_t* buffer);

 private:
  // Shows why the session refused its last call, if it did; returns result.
  int32_t TellRefusal(int32_t result) const;
  bool ShouldOpen() const;
  int WrongMaterialVersion() const;

  CQuotixSession session_;
  // What the report names of the material profile: its name and the
  // material of each surface, from the materials library.
  void ReadMaterialDetails(const ZamoModule* material);

  QString reportPath_;
  int32_t selectedProfile_ = 0;
  bool openAfterwards_ = true;
};
