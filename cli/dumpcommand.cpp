// zamo-cli dump: a camera file loaded and replayed as the camera window
// does, printed as one JSON object.
#include <array>
#include <ostream>

#include "camerajson.h"
#include "clicommand.h"

int RunDumpCommand(CliContext& context) {
  const std::optional<CliOptions> parsed =
      ParseCommandArgs(context, std::span<const CliOptionSpec>(), CliPositionals::kOneCameraFile);
  if (!parsed) return kExitBadInput;
  const CliOptions& options = *parsed;

  const std::string path = context.ResolvePath(options.positionals.front());
  CCameraDocument document;
  if (!LoadCliCamera(context, path, document)) return kExitBadInput;
  context.out << CameraDocumentJson(document).Dump();
  return kExitOk;
}
