#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "clicommand.h"
#include "pluginlibrary.h"
#include "pricerun.h"

// What the report commands of zamo-cli share: the pricing library loaded as
// the program loads it, the language texts of the messages, the report
// file named by -o, and turning the reason a run stopped for into the one
// line the command prints (the pricing and materials libraries print their
// own messages to stderr).

// Loads the language texts of the data folder (or the shipped ones) and the
// pricing library: beside zamo-cli, then from the folder the settings name.
// False, with one line on err, when the library cannot be loaded.
bool LoadPricing(CliContext& context, CPluginLibrary& quotix);

// Whether the data folder's price table can price. One that cannot be read,
// or holds an entry that is no price, gets one line on err (false: the
// command ends with kExitBadInput). A missing table is no refusal: the
// pricing library creates it empty and prices at 0, after a warning.
bool CheckPriceTable(CliContext& context);

// Checks the -o option: given, ending in .xlsx, in a folder that exists.
// Returns the resolved path, or nullopt after writing the refusal.
std::optional<std::string> ReportOutput(CliContext& context, const CliOptions& options, int* exitCode);

// A decimal number with nothing else around it.
std::optional<double> ParseCliDouble(std::string_view text);

// The --dealer option: a discount fraction from 0 to below 1, 0 when not
// given. False after writing the refusal (exit code in *exitCode).
bool ReadDealerOption(CliContext& context, const CliOptions& options, double* dealer, int* exitCode);

// The exit code and the one line on err for a run that wrote nothing:
// exit 2 when the input was at fault, 1 when the data folder's set-up was.
// `subject` names what was priced (the camera file, or empty).
int ReportRunFailure(CliContext& context, PriceRunResult result, const std::string& subject,
                     const std::string& output);
