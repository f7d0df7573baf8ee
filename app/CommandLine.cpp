#include "app/CommandLine.h"

#include <string>
#include <vector>

#include "calc/Conductor.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "platform/CommandLine.h"
#include "platform/Translation.h"

using platform::CommandLine;
using platform::MessageKind;
using platform::ShowMessage;
using platform::Translated;

namespace {

constexpr const char* kProgram = "voltage-drop";
constexpr const char* kTitle = platform::Translatable("Voltage Drop Calculator");
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
    for (const char c : calc::kMaterials[i].name) name += calc::AsciiLower(c);
    if (i == 0) {
      names = name;
    } else if (i + 1 < calc::kMaterials.size()) {
      names += ", " + name;
    } else {
      names += " " + Translated(platform::Translatable("or %1"), name);
    }
  }
  return names;
}

// Every option of the program: one entry here, and its handling in RunCommandLine.
const std::vector<platform::CommandLineOption>& Options() {
  static const std::vector<platform::CommandLineOption> options = {
      {{"h", "help"}, Translated(platform::Translatable("Show this help and exit."))},
      {{"v", "version"}, Translated(platform::Translatable("Show the version and exit."))},
      {{kMaterial},
       Translated(platform::Translatable("Print the voltage drop for this conductor material "
                                         "(%1) instead of opening the window; needs --current, "
                                         "--length and --diameter or --area."),
                  MaterialNames()),
       Translated(platform::Translatable("name"))},
      {{kCurrent}, Translated(platform::Translatable("The load current in amperes.")), "A"},
      {{kLength},
       Translated(platform::Translatable("The total cable length, out and back, in metres.")),
       "m"},
      {{kDiameter},
       Translated(platform::Translatable("The conductor's diameter in millimetres.")),
       "mm"},
      {{kArea},
       Translated(platform::Translatable("The conductor's cross-section in square millimetres.")),
       "mm2"},
  };
  return options;
}

constexpr const char* kDescription = platform::Translatable(
    "Computes the voltage drop along a cable run. Without options it opens the\n"
    "calculator window; with --material, --current, --length and --diameter or\n"
    "--area it prints the result line the window would show for those inputs,\n"
    "in English and with a decimal point in every language, for scripts.\n"
    "Numbers are read as the window reads them, with a decimal point or comma.\n"
    "\n"
    "Qt's standard options (-platform, -style, -reverse ...) are accepted too.");

// Shows `text` and gives `status`; a write that fails says so on stderr, where it can, and
// gives 1.
int Say(const std::string& text, MessageKind kind, int status) {
  const std::string title = Translated(kTitle);
  const std::string problem = ShowMessage(title, text, kind);
  if (problem.empty()) return status;
  ShowMessage(title,
              std::string(kProgram) + ": " +
                  Translated(platform::Translatable("write error: %1"), problem) + "\n",
              MessageKind::Error);
  return 1;
}

int UsageError(const std::string& problem) {
  return Say(
      std::string(kProgram) + ": " + problem + "\n" +
          Translated(platform::Translatable("Try '%1 --help' for more information."), kProgram) +
          "\n",
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
    if (!line.IsSet(name)) {
      return UsageError(Translated(platform::Translatable("missing %1"), std::string("--") + name));
    }
  }
  if (line.IsSet(kDiameter) == line.IsSet(kArea)) {
    return UsageError(Translated(line.IsSet(kArea)
                                     ? platform::Translatable("give --diameter or --area, not both")
                                     : platform::Translatable("missing --diameter or --area")));
  }
  const calc::Material* material = calc::MaterialNamed(line.Value(kMaterial));
  if (material == nullptr) {
    return UsageError(Translated(platform::Translatable("unknown material %1"),
                                 platform::Quoted(line.Value(kMaterial))) +
                      " (" + MaterialNames() + ")");
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
  if (line.IsSet("help")) {
    return Say(line.Help(kProgram, Translated(kDescription)), MessageKind::Output, 0);
  }
  if (line.IsSet("version")) {
    return Say(std::string(kProgram) + " " + VD_VERSION + "\n", MessageKind::Output, 0);
  }
  if (AsksForCalculation(line)) return Calculate(line);
  return std::nullopt;
}
