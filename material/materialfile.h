#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "atomicfile.h"
#include "materialprofile.h"

// "MaterialArch.data": the 23 characters of kMaterialFileMagic without a
// terminator, then every profile to the end of the file as its name, one
// zero byte, and seven little-endian int32 slots. There is no count: the
// reader stops quietly at the end of the file.
inline constexpr std::string_view kMaterialFileMagic = "ZAMOMATERIALPROFILEDATA";
inline constexpr const char* kMaterialFileName = "MaterialArch.data";
// A profile file is a few kilobytes; anything this large is not ours.
inline constexpr uint64_t kMaxMaterialFileBytes = 16ull * 1024 * 1024;

enum class MaterialFileStatus {
  kRead,     // the profiles were read (possibly none)
  kMissing,  // no file: not an error
  kDamaged,  // wrong magic, absurd size, not a regular file or unreadable:
             // the user is told, no profiles
};

// Reads the profiles from the bytes of a profile file. False (and no
// profiles) when the magic is wrong. A name cut off by the end of the file is
// dropped; a profile whose slots are cut off is kept with the bytes there
// are, the rest of its slots 0.
bool ParseMaterialFile(std::string_view bytes, std::vector<MaterialProfile>& profiles);

// The bytes of a profile file holding `profiles`. Names are written in
// CP1251 when they fit (as the Windows program writes them).
std::string SerializeMaterialFile(const std::vector<MaterialProfile>& profiles);

MaterialFileStatus ReadMaterialFile(const std::string& path, std::vector<MaterialProfile>& profiles);
FileError WriteMaterialFile(const std::string& path, const std::vector<MaterialProfile>& profiles);
