#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "materialfile.h"
#include "materialprofile.h"

// The material profiles of one process, in file order, and the current one:
// what the exports answer and the dialog edits. Without any profile there is
// no current one, the slot queries give 0 and nothing is stored.
class CProfileList {
 public:
  // Longest name kept from the dialog, in characters.
  static constexpr size_t kMaxNameChars = 259;

  const std::vector<MaterialProfile>& Profiles() const { return profiles_; }
  size_t Count() const { return profiles_.size(); }
  bool Empty() const { return profiles_.empty(); }

  // Position of the current profile, -1 when there is none.
  int CurrentIndex() const { return current_; }
  const MaterialProfile* Current() const;

  // Makes the profile at `index` current; false (nothing changed) when there
  // is no such profile.
  bool Select(size_t index);

  // Slot `slot` of the current profile; 0 without a current profile or for a
  // slot number outside 0..6.
  int32_t Slot(int slot) const;

  // Replaces every profile; the first becomes current.
  void Assign(std::vector<MaterialProfile> profiles);

  // Appends a profile with all slots 0 (the name cut to kMaxNameChars). The
  // current profile stays as it was.
  void Append(std::string_view name);

  // Removes the current profile unless it is the only one (false then); the
  // first profile becomes current.
  bool RemoveCurrent();

  // Stores the dialog's values into the current profile; false without one.
  bool StoreCurrent(std::string_view name, const std::array<int32_t, kMaterialSlotCount>& slots);

  // Reads the profile file; the list is empty unless it was read.
  MaterialFileStatus LoadFile(const std::string& path);
  // Writes every profile; without profiles nothing is written (an empty
  // list only comes from a missing or damaged file, which is kept). The
  // file is read again, merged and written under its lock: what another
  // program saved since this list was read is kept (MergeProfiles), and
  // the list becomes what was written.
  FileError SaveFile(const std::string& path);

 private:
  std::vector<MaterialProfile> profiles_;
  std::vector<MaterialProfile> base_;  // as last read or written
  int current_ = -1;
};

// Profiles matched by name: `mine` (edited here from `base`, as read) laid
// over `theirs` (the file as another program left it since). A profile I
// left as it was takes their change, or goes when they deleted it;
// profiles they added follow mine. With `theirs` equal to `base` this is
// `mine` unchanged.
std::vector<MaterialProfile> MergeProfiles(const std::vector<MaterialProfile>& base,
                                           const std::vector<MaterialProfile>& mine,
                                           const std::vector<MaterialProfile>& theirs);

// A name as the list keeps it: at most kMaxNameChars characters, no zero
// characters (they would end the name early in the file).
std::string CleanProfileName(std::string_view name);
