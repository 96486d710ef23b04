#include "clicommand.h"

int RunNewCommand(CliContext& context);
int RunDumpCommand(CliContext& context);
int RunRenderCommand(CliContext& context);

// One line per command; the help lists them in this order.
namespace {

constexpr CliCommand kCommands[] = {
    {"new",
     "--length L --width W --height H --thickness 80|100 [--article A] [--description D] [--no-floor] "
     "[--lock-geometry] [--fill] -o FILE.kry",
     RunNewCommand},
    {"dump", "FILE.kry", RunDumpCommand},
    {"render", "FILE.kry -o OUT.png|bmp|svg|pdf [--size WxH] [--fit] [--scale S] [--font-points P]",
     RunRenderCommand},
};

}  // namespace

std::span<const CliCommand> CliCommands() { return kCommands; }
