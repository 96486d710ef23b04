#pragma once

#include <QDialog>

#include <array>
#include <string>

#include "materialprofile.h"

class CProfileList;
class QComboBox;

// The material dialog: picks, creates, renames and deletes profiles and sets
// the material of each surface of the current one. It works on the list it
// is given; Save stores the shown values into the current profile and
// closes with Accepted, Cancel closes with Rejected. Profiles created or
// deleted stay in the list either way; writing the file is the caller's.
class CMaterialDlg : public QDialog {
 public:
  explicit CMaterialDlg(CProfileList& profiles, QWidget* parent = nullptr);

 private:
  void ApplyTexts();
  void RefillProfiles();
  void TakeSelection();
  void OnProfilePicked();
  bool HasUnsavedEdits() const;
  void OnNewProfile();
  void OnDeleteProfile();
  void OnSave();

  CProfileList& profiles_;
  QComboBox* profileBox_;
  std::array<QComboBox*, kMaterialSlotCount> materialBoxes_{};
  // What the boxes showed when the current profile was taken.
  std::array<int, kMaterialSlotCount> shownSlots_{};
};

// Reads the profile file into `profiles`, warning the user when it is
// damaged (the list stays empty then, the file untouched).
void LoadProfilesWarning(CProfileList& profiles, const std::string& path);

// Runs the material dialog modally over `profiles` and writes them to `path`
// when it is closed with Save; a failed write is reported and the profiles
// stay in memory. Returns the dialog result (1 Save, 2 Cancel).
int RunMaterialDlg(CProfileList& profiles, const std::string& path, QWidget* parent = nullptr);
