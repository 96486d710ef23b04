#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The commands of zamo-cli. Each command lives in a file of its own and is
// registered by one line in commandtable.cpp.

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;   // the work could not be done (a file could not be written)
inline constexpr int kExitBadInput = 2;  // arguments or an input file were refused

// What a command is given: its arguments (after the command name, the
// global options removed) and where to write.
struct CliContext {
  std::string command;
  std::vector<std::string> args;
  // The folder that was current when zamo-cli started; paths on the command
  // line are relative to it, whatever the data folder is.
  std::string startFolder;
  std::ostream& out;
  std::ostream& err;

  std::string ResolvePath(const std::string& path) const;
  // Writes "zamo-cli <command>: <problem>" (or "<file>: <problem>") as one
  // line on err and returns kExitBadInput.
  int BadInput(std::string_view problem) const;
};

struct CliCommand {
  std::string_view name;
  std::string_view usage;  // the arguments, as the help lists them
  int (*run)(CliContext& context);
};

std::span<const CliCommand> CliCommands();

class CCameraDocument;

// Loads and replays a camera file as the camera window does. A refused file
// gets its one line on err (false: the command ends with kExitBadInput); a
// file damaged after its camera loads as far as it goes, with a line saying
// so.
bool LoadCliCamera(CliContext& context, const std::string& path, CCameraDocument& document);

// Checks the data folder's files the command reads (language file, price
// table, material profiles, logo): one that is there but cannot be read as
// such (a folder, a pipe, over its size limit) gets its one line on err
// (false: the command ends with kExitBadInput). Missing files are left to
// the command.
bool CheckCliDataFiles(CliContext& context);

// ---- argument helpers ------------------------------------------------------

struct CliOptionSpec {
  std::string_view name;  // "--length", "-o"
  bool takesValue;
};

struct CliOptions {
  std::map<std::string, std::string, std::less<>> values;
  std::vector<std::string> flags;
  std::vector<std::string> positionals;

  bool Has(std::string_view name) const;
  const std::string* Value(std::string_view name) const;
};

// Splits `args` by the `accepted` options ("--name value" and "--name=value" alike). False,
// with a one-line reason, for an unknown option, a missing value or an
// option given twice.
bool ParseCliOptions(std::span<const std::string> args, std::span<const CliOptionSpec> accepted, CliOptions* out,
                     std::string* problem);

// How many plain arguments a command takes besides its options.
enum class CliPositionals { kNone, kOneCameraFile };

// A command's arguments split by its `accepted` options, with the count of
// plain arguments checked; nothing, with the one line on err, when they are
// refused (the command then ends with kExitBadInput).
std::optional<CliOptions> ParseCommandArgs(const CliContext& context, std::span<const CliOptionSpec> accepted,
                                           CliPositionals positionals);

// A whole number in 32 bits, nothing else around it but spaces.
std::optional<int32_t> ParseCliInt(std::string_view text);
