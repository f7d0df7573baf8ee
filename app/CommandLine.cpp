#include "app/CommandLine.h"

#include <string>
#include <vector>

#include "calc/Conductor.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "platform/CommandLine.h"

using platform::CommandLine;
using platform::MessageKind;
using platform::ShowMessage;

namespace {

constexpr const char* kProgram = "voltage-drop";
constexpr const char* kTitle = "Voltage Drop Calculator";
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
    if (i > 0) names += i + 1 == calc::kMaterials.size() ? " or " : ", ";
    for (const char c : calc::kMaterials[i].name) names += calc::AsciiLower(c);
  }
  return names;
}

// Every option of the program: one entry here, and its handling in RunCommandLine.
const std::vector<platform::CommandLineOption>& Options() {
  static const std::vector<platform::CommandLineOption> options = {
      {{"h", "help"}, "Show this help and exit."},
      {{"v", "version"}, "Show the version and exit."},
      {{kMaterial},
       "Print the voltage drop for this conductor material (" + MaterialNames() +
           ") instead of opening the window; needs --" + kCurrent + ", --" + kLength + " and --" +
           kDiameter + " or --" + kArea + ".",
       "name"},
      {{kCurrent}, "The load current in amperes.", "A"},
      {{kLength}, "The total cable length, out and back, in metres.", "m"},
      {{kDiameter}, "The conductor's diameter in millimetres.", "mm"},
      {{kArea}, "The conductor's cross-section in square millimetres.", "mm2"},
  };
  return options;
}

constexpr const char* kDescription =
    "Computes the voltage drop along a cable run. Without options it opens the\n"
    "calculator window; with --material, --current, --length and --diameter or\n"
    "--area it prints the result line the window would show for those inputs.\n"
    "Numbers are read as the window reads them, with a decimal point or comma.\n"
    "\n"
    "Qt's standard options (-platform, -style, -reverse ...) are accepted too.";

// Shows `text` and gives `status`; a write that fails says so on stderr, where it can, and
// gives 1.
int Say(const std::string& text, MessageKind kind, int status) {
  const std::string problem = ShowMessage(kTitle, text, kind);
  if (problem.empty()) return status;
  ShowMessage(kTitle, std::string(kProgram) + ": write error: " + problem + "\n",
              MessageKind::Error);
  return 1;
}

int UsageError(const std::string& problem) {
  return Say(std::string(kProgram) + ": " + problem + "\nTry '" + kProgram +
                 " --help' for more information.\n",
             MessageKind::Error, kUsageError);
}

bool AsksForCalculation(const CommandLine& line) {
  for (const platform::CommandLineOption& option : Options()) {
    if (!option.valueName.empty() && line.IsSet(option.names.back())) return true;
  }
  return false;
}

// The result line for the inputs, computed as the window computes it: from --area, the
// diameter the window would write into its field, then the drop from that text.
int Calculate(const CommandLine& line) {
  for (const char* name : {kMaterial, kCurrent, kLength}) {
    if (!line.IsSet(name)) return UsageError(std::string("missing --") + name);
  }
  const std::string either = std::string("--") + kDiameter + " or --" + kArea;
  if (line.IsSet(kDiameter) == line.IsSet(kArea)) {
    return UsageError(line.IsSet(kArea) ? "give " + either + ", not both" : "missing " + either);
  }
  const calc::Material* material = calc::MaterialNamed(line.Value(kMaterial));
  if (material == nullptr) {
    return UsageError("unknown material " + platform::Quoted(line.Value(kMaterial)) + " (" +
                      MaterialNames() + ")");
  }
  // Numbers are read as the fields hold them, a long one cut where a field cuts a paste.
  const std::string diameter = line.IsSet(kDiameter)
                                   ? line.FieldValue(kDiameter)
                                   : conductor::DiameterText(line.FieldValue(kArea));
  const double drop = calc::VoltageDrop(material->resistivity, line.FieldValue(kCurrent),
                                        line.FieldValue(kLength), diameter);
  return Say(calc::ResultLine(drop) + "\n", MessageKind::Output, 0);
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  const CommandLine line(argc, argv, Options());
  if (!line.Error().empty()) return UsageError(line.Error());
  if (line.IsSet("help")) return Say(line.Help(kProgram, kDescription), MessageKind::Output, 0);
  if (line.IsSet("version")) {
    return Say(std::string(kProgram) + " " + VD_VERSION + "\n", MessageKind::Output, 0);
  }
  if (AsksForCalculation(line)) return Calculate(line);
  return std::nullopt;
}
