#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clicommand.h"
#include "messages.h"
#include "pluginlibrary.h"
#include "pricerun.h"

// What the report commands of zamo-cli share: the pricing library loaded as
// the program loads it, the language texts of the messages, the report
// file named by -o, and turning the messages a run would show in a box into
// the one line the command prints.

// Catches the messages of this program's side while it lives (the pricing
// and materials libraries print their own to stderr).
class CCliMessages {
 public:
  CCliMessages();
  ~CCliMessages();
  CCliMessages(const CCliMessages&) = delete;
  CCliMessages& operator=(const CCliMessages&) = delete;

  const std::vector<MessageRequest>& Messages() const { return messages_; }

 private:
  std::vector<MessageRequest> messages_;
  MessageSink previous_;
};

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

// The exit code and the one line on err for a run that wrote nothing.
// `subject` names what was priced (the camera file, or empty).
int ReportRunFailure(CliContext& context, PriceRunResult result, const CCliMessages& messages,
                     const std::string& subject, const std::string& output);
