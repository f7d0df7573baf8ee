#include "app/CommandLine.h"

#include <string>
#include <vector>

#include "calc/Conductor.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "platform/ArgumentText.h"
#include "platform/CommandLine.h"
#include "platform/Numbers.h"
#include "platform/Translation.h"

using platform::CommandLine;
using platform::kPlainNumbers;
using platform::MessageKind;
using platform::ShowMessage;
using platform::Translated;

namespace {

constexpr const char* kProgram = "voltage-drop";
// The title of the message box that shows the command line's output where there is no console.
constexpr platform::Message kTitle = platform::Translatable("window", "Voltage Drop Calculator");
constexpr int kUsageError = 2;

// The calculation's inputs: the options that take a value.
constexpr const char* kMaterial = "material";
constexpr const char* kCurrent = "current";
constexpr const char* kLength = "length";
constexpr const char* kDiameter = "diameter";
constexpr const char* kArea = "area";

// "copper, aluminium, gold, silver, iron or lead": the materials as they are given.
std::string MaterialNames() {
  std::string names;
  for (std::size_t i = 0; i < calc::kMaterials.size(); ++i) {
    std::string name;
    for (const char c : std::string_view(calc::kMaterials[i].name.english)) {
      name += calc::AsciiLower(c);
    }
    if (i == 0) {
      names = name;
    } else if (i + 1 < calc::kMaterials.size()) {
      names += ", " + name;
    } else {
      //: The end of the list of materials in --help: "copper, …, iron or lead"; %1 is "lead".
      names += " " + Translated(platform::Translatable("command line", "or %1"), name);
    }
  }
  return names;
}

// Every option of the program: one entry here, and its handling in RunCommandLine.
const std::vector<platform::CommandLineOption>& Options() {
  static const std::vector<platform::CommandLineOption> options = {
      {{"h", "help"},
       Translated(platform::Translatable("command line", "Show this help and exit."))},
      {{"v", "version"},
       Translated(platform::Translatable("command line", "Show the version and exit."))},
      {{kMaterial},
       Translated(platform::Translatable("command line",
                                         "Print the voltage drop for this conductor material "
                                         "(%1) instead of opening the window; needs --current, "
                                         "--length and --diameter or --area."),
                  MaterialNames()),
       //: The value's name in --help: "--material <name>".
       Translated(platform::Translatable("command line", "name"))},
      {{kCurrent},
       Translated(platform::Translatable("command line", "The load current in amperes.")),
       "A"},
      {{kLength},
       Translated(platform::Translatable("command line",
                                         "The total cable length, out and back, in metres.")),
       "m"},
      {{kDiameter},
       Translated(
           platform::Translatable("command line", "The conductor's diameter in millimetres.")),
       "mm"},
      {{kArea},
       Translated(platform::Translatable("command line",
                                         "The conductor's cross-section in square millimetres.")),
       //: The value's name in --help: the unit of the cross-section.
       Translated(platform::Translatable("command line", "mm2"))},
  };
  return options;
}

//: The text of --help between its usage line and its options; lines of at most 79 columns.
constexpr platform::Message kDescription = platform::Translatable(
    "command line",
    "Computes the voltage drop along a cable run. Without options it opens the\n"
    "calculator window; with --material, --current, --length and --diameter or\n"
    "--area it prints the result line the window would show for those inputs,\n"
    "in English and with a decimal point in every language, for scripts.\n"
    "Numbers are read alike in every language: a decimal point or comma and no\n"
    "thousands separators; one that the window would read otherwise is refused.\n"
    "\n"
    "Qt's standard options (-platform, -style, -reverse ...) are accepted too.");

// Shows `text` and gives `status`; a write of output that fails says so on stderr, where it
// can, and gives 1. An error that cannot be said keeps its status: it is the error still.
int Say(const std::string& text, MessageKind kind, int status) {
  const std::string title = Translated(kTitle);
  const std::string problem = ShowMessage(title, text, kind);
  if (problem.empty() || kind == MessageKind::Error) return status;
  ShowMessage(title,
              std::string(kProgram) + ": " +
                  Translated(platform::Translatable("command line", "write error: %1"), problem) +
                  "\n",
              MessageKind::Error);
  return 1;
}

int UsageError(const std::string& problem) {
  return Say(std::string(kProgram) + ": " + problem + "\n" +
                 Translated(platform::Translatable("command line",
                                                   "Try '%1 --help' for more information."),
                            kProgram) +
                 "\n",
             MessageKind::Error, kUsageError);
}

bool AsksForCalculation(const CommandLine& line) {
  for (const platform::CommandLineOption& option : Options()) {
    if (!option.valueName.empty() && line.IsSet(option.names.back())) return true;
  }
  return false;
}

// Why the value of the option `name` is refused, or empty: a value is read as kPlainNumbers,
// whole, and refused where it is no number or where the window in the user's language would read
// it otherwise (a German "1.500", a "1 000" anywhere).
std::string NumberProblem(const char* name, const std::string& text) {
  const std::string option = std::string("--") + name;
  const platform::NumberStyle window = platform::WindowNumbers();
  const bool plain = platform::IsNumber(text, kPlainNumbers);
  const bool windowReads = platform::IsNumber(text, window);
  const double value = platform::Val(text, kPlainNumbers);
  const double windowValue = platform::Val(text, window);
  if (plain && (!windowReads || windowValue == value)) return {};
  if (!windowReads) {
    //: An error of the command line: %1 is the option, %2 its value as given.
    return Translated(platform::Translatable("command line", "%1 %2 is not a number"),
                      {option, platform::Quoted(text)});
  }
  const std::string rewritten = platform::Str(windowValue, kPlainNumbers);
  if (!plain) {
    //: An error of the command line: %1 is the option, %2 its value as given, %3 the same
    //: number without thousands separators.
    return Translated(
        platform::Translatable("command line",
                               "%1 %2 has thousands separators, which are not read here: write %3"),
        {option, platform::Quoted(text), rewritten});
  }
  //: An error of the command line: %1 is the option, %2 its value as given, which the command
  //: line reads as %3 and the window in the user's language as %4.
  return Translated(
      platform::Translatable("command line",
                             "%1 %2 is read here as %3, but in your language as %4: "
                             "write %3 or %4, whichever you mean"),
      {option, platform::Quoted(text), platform::Str(value, kPlainNumbers), rewritten});
}

// The result line for the inputs, computed as the window computes it: from --area, the
// diameter the window would write into its field, then the drop from that text.
int Calculate(const CommandLine& line) {
  for (const char* name : {kMaterial, kCurrent, kLength}) {
    if (!line.IsSet(name)) {
      return UsageError(Translated(platform::Translatable("command line", "missing %1"),
                                   std::string("--") + name));
    }
  }
  if (line.IsSet(kDiameter) == line.IsSet(kArea)) {
    return UsageError(Translated(
        line.IsSet(kArea)
            ? platform::Translatable("command line", "give --diameter or --area, not both")
            : platform::Translatable("command line", "missing --diameter or --area")));
  }
  const calc::Material* material = calc::MaterialNamed(line.Value(kMaterial));
  if (material == nullptr) {
    return UsageError(Translated(platform::Translatable("command line", "unknown material %1"),
                                 platform::Quoted(line.Value(kMaterial))) +
                      " (" + MaterialNames() + ")");
  }
  // Numbers are read as the fields hold them, a long one cut where a field cuts a paste, and
  // alike in every environment; the result line is written for scripts.
  for (const char* name : {kCurrent, kLength, kDiameter, kArea}) {
    if (!line.IsSet(name)) continue;
    if (const std::string problem = NumberProblem(name, line.FieldValue(name)); !problem.empty()) {
      return UsageError(problem);
    }
  }
  const std::string diameter = line.IsSet(kDiameter)
                                   ? line.FieldValue(kDiameter)
                                   : conductor::DiameterText(line.FieldValue(kArea), kPlainNumbers);
  const double drop = calc::VoltageDrop(material->resistivity, line.FieldValue(kCurrent),
                                        line.FieldValue(kLength), diameter, kPlainNumbers);
  return Say(calc::ResultLine(drop) + "\n", MessageKind::Output, 0);
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  const CommandLine line(argc, argv, Options());
  if (!line.Error().empty()) return UsageError(line.Error());
  if (line.IsSet("help")) {
    return Say(line.Help(kProgram, Translated(kDescription)), MessageKind::Output, 0);
  }
  if (line.IsSet("version")) {
    return Say(std::string(kProgram) + " " + VD_VERSION + "\n", MessageKind::Output, 0);
  }
  if (AsksForCalculation(line)) return Calculate(line);
  return std::nullopt;
}
