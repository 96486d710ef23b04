// zamo-cli edit: editing operations applied to a camera file in order,
// through the very commands the camera window runs, then saved. Questions
// are answered yes; the first refusal ends the run and nothing is written.
#include <QString>

#include <algorithm>
#include <functional>
#include <ostream>

#include "cameradocument.h"
#include "clicommand.h"
#include "datafolder.h"
#include "editcommands.h"
#include "languagetable.h"

namespace {

// Refusals are printed in English: the second language of the language
// file, from the data folder or the shipped one; a text neither has comes
// from the built-in table.
constexpr int kCliLanguage = 1;

std::function<std::string(int)> RefusalTexts() {
  static CLanguageTable table;
  if (table.Count() == 0 && !table.Load(kCliLanguage)) {
    const QString shipped = ShippedDataFolder() + QStringLiteral("/") + QString::fromUtf8(CLanguageTable::kFileName);
    table.LoadFile(shipped.toStdString(), kCliLanguage);
  }
  return [](int entry) { return table.GetTextOrBuiltin(entry); };
}

std::vector<std::string> SplitOn(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  for (;;) {
    const size_t at = text.find(separator, from);
    parts.emplace_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

// The value of one operation, split into its fields and read as numbers
// where the operation wants numbers.
struct Fields {
  std::vector<std::string> parts;
  std::string problem;

  std::optional<int32_t> Int(size_t i) {
    if (i >= parts.size()) return Fail("too few fields");
    const std::optional<int32_t> n = ParseCliInt(parts[i]);
    if (!n) return Fail("\"" + parts[i] + "\" is not a whole number");
    return n;
  }
  std::optional<std::vector<int32_t>> Ints(size_t i) {
    if (i >= parts.size()) return Fail("too few fields");
    std::vector<int32_t> list;
    for (const std::string& item : SplitOn(parts[i], ',')) {
      const std::optional<int32_t> n = ParseCliInt(item);
      if (!n) return Fail("\"" + item + "\" is not a whole number");
      list.push_back(*n);
    }
    return list;
  }
  std::optional<WallEnd> End(size_t i) {
    if (i >= parts.size()) return Fail("too few fields");
    if (parts[i] == "start") return WallEnd::kStart;
    if (parts[i] == "end") return WallEnd::kEnd;
    return Fail("\"" + parts[i] + "\" is neither start nor end");
  }
  bool Count(size_t least, size_t most) {
    if (parts.size() >= least && parts.size() <= most) return true;
    Fail("expects " + std::to_string(least) + (least == most ? "" : " to " + std::to_string(most)) + " fields");
    return false;
  }
  std::nullopt_t Fail(std::string why) {
    if (problem.empty()) problem = std::move(why);
    return std::nullopt;
  }
};

std::optional<DoorChoice> DoorKind(std::string_view name) {
  static constexpr std::pair<std::string_view, DoorChoice> kKinds[] = {
      {"opening", DoorChoice::kOpening},
      {"swing2040", DoorChoice::kSwing2040},
      {"swing2300", DoorChoice::kSwing2300},
      {"swing2560", DoorChoice::kSwing2560},
      {"container-left", DoorChoice::kContainerLeft},
      {"container-right", DoorChoice::kContainerRight},
      {"sliding-left", DoorChoice::kSlidingLeft},
      {"sliding-right", DoorChoice::kSlidingRight},
  };
  for (const auto& [kindName, kind] : kKinds)
    if (kindName == name) return kind;
  return std::nullopt;
}

struct Operation {
  std::string name;   // "--move"
  std::string value;  // "2:500", empty for those that take none
};

bool TakesValue(std::string_view name) {
  return name != "--fill-all" && name != "--undo" && name != "--redo";
}

// Runs one operation: its result, or nothing with the problem of its
// arguments in `fields.problem`.
std::optional<EditResult> Run(CCameraDocument& document, const Operation& op, Fields& f, IEditAsker& yes) {
  namespace ec = edit_commands;
  const auto wall = [](int32_t i) { return RunRef{RunKind::kWall, i}; };
  const auto partition = [](int32_t i) { return RunRef{RunKind::kPartition, i}; };
  const std::string& n = op.name;
  if (n == "--fill-all") return ec::FillAll(document);
  if (n == "--undo") return ec::Undo(document);
  if (n == "--redo") return ec::Redo(document);
  if (n == "--fill" || n == "--clear" || n == "--fill-partition" || n == "--delete-partition") {
    if (!f.Count(1, 1)) return std::nullopt;
    const std::optional<int32_t> i = f.Int(0);
    if (!i) return std::nullopt;
    if (n == "--fill") return ec::FillRun(document, wall(*i), yes);
    if (n == "--clear") return ec::ClearRun(document, wall(*i));
    if (n == "--fill-partition") return ec::FillRun(document, partition(*i), yes);
    return ec::DeletePartition(document, *i);
  }
  if (n == "--door") {
    if (!f.Count(3, 4)) return std::nullopt;
    const auto w = f.Int(0);
    const auto p = f.Int(1);
    const std::optional<DoorChoice> kind = DoorKind(f.parts[2]);
    if (!kind) f.Fail("\"" + f.parts[2] + "\" is no door kind");
    std::optional<int32_t> height = 0;
    if (kind == DoorChoice::kOpening) height = f.Int(3);
    else if (f.parts.size() > 3) f.Fail("only an opening takes a height");
    if (!w || !p || !kind || !height || !f.problem.empty()) return std::nullopt;
    return ec::SetDoor(document, wall(*w), *p, *kind, *height);
  }
  if (n == "--remove-door") {
    if (!f.Count(2, 2)) return std::nullopt;
    const auto w = f.Int(0);
    const auto p = f.Int(1);
    if (!w || !p) return std::nullopt;
    return ec::RemoveDoor(document, wall(*w), *p);
  }
  if (n == "--corner") {
    if (!f.Count(3, 3)) return std::nullopt;
    const auto w = f.Int(0);
    const auto end = f.End(1);
    const auto d = f.Int(2);
    if (!w || !end || !d) return std::nullopt;
    return ec::AddCorner(document, *w, *end, *d, yes);
  }
  if (n == "--move") {
    if (!f.Count(2, 2)) return std::nullopt;
    const auto w = f.Int(0);
    const auto d = f.Int(1);
    if (!w || !d) return std::nullopt;
    return ec::MoveWall(document, *w, *d, yes);
  }
  if (n == "--set-length") {
    if (!f.Count(2, 3)) return std::nullopt;
    const auto w = f.Int(0);
    const auto length = f.Int(1);
    if (!w || !length) return std::nullopt;
    std::optional<WallEnd> end = f.parts.size() > 2 ? f.End(2) : ec::DefaultMovingEnd(document.Camera(), *w);
    if (!f.problem.empty()) return std::nullopt;
    return ec::SetWallLength(document, *w, *length, end.value_or(WallEnd::kEnd), yes);
  }
  if (n == "--partition") {
    if (!f.Count(2, 3)) return std::nullopt;
    const auto w = f.Int(0);
    const auto offset = f.Int(1);
    std::optional<int32_t> length;
    if (f.parts.size() > 2 && !(length = f.Int(2))) return std::nullopt;
    if (!w || !offset) return std::nullopt;
    return ec::AddPartitionAtWall(document, *w, *offset, length);
  }
  if (n == "--divide" || n == "--divide-floor") {
    if (!f.Count(2, 2)) return std::nullopt;
    const auto i = f.Int(0);
    const auto widths = f.Ints(1);
    if (!i || !widths) return std::nullopt;
    if (n == "--divide") return ec::DivideRun(document, wall(*i), *widths);
    return ec::DivideFloorStrip(document, *i, *widths);
  }
  if (n == "--fix-nonstandard") {
    if (!f.Count(3, 3)) return std::nullopt;
    const auto w = f.Int(0);
    const auto p = f.Int(1);
    const auto width = f.Int(2);
    if (!w || !p || !width) return std::nullopt;
    return ec::FixNonStandardPanel(document, *w, *p, *width);
  }
  f.Fail("unknown operation");
  return std::nullopt;
}

bool IsOperation(std::string_view name) {
  static constexpr std::string_view kNames[] = {
      "--fill-all", "--fill",   "--fill-partition", "--clear",  "--door",   "--remove-door",
      "--corner",   "--move",   "--set-length",     "--partition", "--delete-partition",
      "--divide",   "--divide-floor", "--fix-nonstandard", "--undo", "--redo"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

}  // namespace

int RunEditCommand(CliContext& context) {
  std::string input;
  std::string output;
  std::vector<Operation> operations;
  const std::vector<std::string>& args = context.args;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const size_t equals = arg.find('=');
    const std::string name = arg.rfind("--", 0) == 0 ? arg.substr(0, equals) : arg;
    if (name == "-o") {
      if (!output.empty()) return context.BadInput("option -o given twice");
      if (i + 1 >= args.size()) return context.BadInput("option -o needs a value");
      output = args[++i];
    } else if (IsOperation(name)) {
      Operation op{name, {}};
      if (TakesValue(name)) {
        if (equals != std::string::npos) {
          op.value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
          op.value = args[++i];
        } else {
          return context.BadInput(name + " needs a value");
        }
      } else if (equals != std::string::npos) {
        return context.BadInput(name + " takes no value");
      }
      operations.push_back(std::move(op));
    } else if (arg.size() > 1 && arg[0] == '-') {
      return context.BadInput("unknown option " + name);
    } else if (input.empty()) {
      input = arg;
    } else {
      return context.BadInput("more than one camera file given: " + arg);
    }
  }
  if (input.empty()) return context.BadInput("no camera file given");
  if (output.empty()) return context.BadInput("-o OUT.kry is missing");

  CCameraDocument document;
  if (!LoadCliCamera(context, context.ResolvePath(input), document)) return kExitBadInput;
  CAnswerYes yes;
  for (const Operation& op : operations) {
    const std::string shown = op.value.empty() ? op.name : op.name + " " + op.value;
    Fields fields{SplitOn(op.value, ':'), {}};
    const std::optional<EditResult> result = Run(document, op, fields, yes);
    if (!result) return context.BadInput(shown + ": " + fields.problem);
    if (!result->Applied()) return context.BadInput(shown + ": " + FormatEditMessage(result->reason, RefusalTexts()));
  }
  const std::string path = context.ResolvePath(output);
  if (const FileError error = document.Save(path)) {
    context.err << "zamo-cli edit: " << error.ToString() << '\n';
    return kExitFailure;
  }
  return kExitOk;
}
