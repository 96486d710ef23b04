// zamo-cli dump: a camera file loaded and replayed as the camera window
// does, printed as one JSON object.
#include <array>
#include <ostream>

#include "camerajson.h"
#include "clicommand.h"

int RunDumpCommand(CliContext& context) {
  CliOptions options;
  std::string problem;
  if (!ParseCliOptions(context.args, std::span<const CliOptionSpec>(), &options, &problem))
    return context.BadInput(problem);
  if (options.positionals.size() != 1) return context.BadInput("give one camera file");

  const std::string path = context.ResolvePath(options.positionals.front());
  CCameraDocument document;
  if (!LoadCliCamera(context, path, document)) return kExitBadInput;
  context.out << CameraDocumentJson(document).Dump();
  return kExitOk;
}
