// Any bytes loaded as a camera file and replayed: no crash, no hang, and
// what was loaded survives being saved and loaded again (the same records
// with the window's scale and origin behind them, and the same camera).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cameradocument.h"
#include "camerajson.h"

namespace {

std::string StateOf(const CCameraDocument& document) {
  const std::string dump = CameraDocumentJson(document).Dump();
  return dump.substr(0, dump.find("\n  \"log\":"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CCameraDocument document;
  document.LoadBytes(bytes);

  CCameraDocument reloaded;
  if (reloaded.LoadBytes(document.SaveBytes()).end != CameraFileEnd::kEndMarker) std::abort();
  if (reloaded.Log().size() != document.Log().size() + 2) std::abort();
  for (size_t i = 0; i < document.Log().size(); ++i)
    if (!(reloaded.Log()[i] == document.Log()[i])) std::abort();
  if (reloaded.Article() != document.Article() || reloaded.Description() != document.Description()) std::abort();
  if (StateOf(reloaded) != StateOf(document)) std::abort();

  // Undo all the way back and redo: the camera comes back the same. Each
  // step replays the log, so only short logs take this path.
  if (document.Log().size() > 64) return 0;
  const std::string state = StateOf(document);
  int undone = 0;
  while (document.Undo()) ++undone;
  while (undone-- > 0) document.Redo();
  if (StateOf(document) != state) std::abort();
  return 0;
}
