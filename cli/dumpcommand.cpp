// zamo-cli dump: a camera file loaded and replayed as the camera window
// does, printed as one JSON object; with --inside, the clear sizes between
// the walls' inner faces beside the outer ones.
#include <array>
#include <ostream>

#include "camerajson.h"
#include "chamber.h"
#include "clicommand.h"
#include "innersize.h"
#include "insidedimensions.h"

namespace {

constexpr std::array<CliOptionSpec, 1> kOptions{{{"--inside", false}}};

// The overall sizes outside and inside, each wall's clear length in chain
// order, and the chains as they read switched to inside dimensions.
CJson InsideJson(const CChamber& camera) {
  const CameraSizes sizes = MeasureCameraSizes(camera);
  std::vector<int64_t> walls;
  for (int i = 0; i < camera.WallCount(); ++i) walls.push_back(InsideLength(camera, i));
  const auto chain = [](const CSizes& side) { return CJson::IntArray(ChamberDimensions::Values(side.MeasureInside())); };
  return CJson::Object()
      .Set("outer", CJson::Object()
                        .Set("length", CJson::Int(sizes.outerWidth))
                        .Set("width", CJson::Int(sizes.outerDepth))
                        .Set("height", CJson::Int(sizes.outerHeight)))
      .Set("clear", CJson::Object()
                        .Set("length", CJson::Int(sizes.innerWidth))
                        .Set("width", CJson::Int(sizes.innerDepth))
                        .Set("height", CJson::Int(sizes.innerHeight)))
      .Set("walls", CJson::IntArray(walls))
      .Set("dimensions", CJson::Object()
                             .Set("top", chain(camera.Top()))
                             .Set("right", chain(camera.Right()))
                             .Set("bottom", chain(camera.Bottom()))
                             .Set("left", chain(camera.Left())));
}

}  // namespace

int RunDumpCommand(CliContext& context) {
  const std::optional<CliOptions> parsed = ParseCommandArgs(context, kOptions, CliPositionals::kOneCameraFile);
  if (!parsed) return kExitBadInput;
  const CliOptions& options = *parsed;

  const std::string path = context.ResolvePath(options.positionals.front());
  CCameraDocument document;
  if (!LoadCliCamera(context, path, document)) return kExitBadInput;
  CJson json = CameraDocumentJson(document);
  if (options.Has("--inside")) json.Set("inside", InsideJson(document.Camera()));
  context.out << json.Dump();
  return kExitOk;
}
