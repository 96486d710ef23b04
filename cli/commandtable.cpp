#include "clicommand.h"

int RunNewCommand(CliContext& context);
int RunDumpCommand(CliContext& context);
int RunEditCommand(CliContext& context);
int RunRenderCommand(CliContext& context);
int RunReportCommand(CliContext& context);
int RunPriceListCommand(CliContext& context);
int RunComponentsCommand(CliContext& context);
int RunPricesCommand(CliContext& context);

// One line per command; the help lists them in this order.
namespace {

constexpr CliCommand kCommands[] = {
    {"new",
     "--length L --width W --height H --thickness 80|100 [--article A] [--description D] [--no-floor] "
     "[--lock-geometry] [--fill] -o FILE.kry",
     RunNewCommand},
    {"dump", "FILE.kry [--inside]", RunDumpCommand},
    {"edit",
     "IN.kry OPERATION... -o OUT.kry; operations, in order: --fill-all, --fill WALL, --fill-partition P, "
     "--clear WALL, --door WALL:PANEL:KIND[:HEIGHT], --remove-door WALL:PANEL, --corner WALL:start|end:DISTANCE, "
     "--move WALL:DISTANCE (positive outward), --set-length WALL:LENGTH[:start|end], "
     "--partition WALL:OFFSET[:LENGTH], --delete-partition P, --divide WALL:W1,W2,..., "
     "--divide-floor STRIP:W1,W2,..., --fix-nonstandard WALL:PANEL:WIDTH, --undo, --redo",
     RunEditCommand},
    {"render",
     "FILE.kry -o OUT.png|bmp|svg|pdf [--size WxH] [--fit] [--page] [--scale N|1:N] [--font-points P] "
     "[--3d [--view 1-4]]",
     RunRenderCommand},
    {"report", "FILE.kry -o OUT.xlsx [--profile N] [--euro] [--dealer FRACTION] [--detailed]", RunReportCommand},
    {"price-list", "--thickness 80|100 -o OUT.xlsx", RunPriceListCommand},
    {"components", "--group wall|floor|ceiling,X,Y,80|100,COUNT ... -o OUT.xlsx [--dealer FRACTION]",
     RunComponentsCommand},
    {"prices", "show | set INDEX=VALUE ...", RunPricesCommand},
};

}  // namespace

std::span<const CliCommand> CliCommands() { return kCommands; }
