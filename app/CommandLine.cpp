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

// Every option of the program: one entry here, and its handling in RunCommandLine.
const std::vector<platform::CommandLineOption> kOptions = {
    {{"h", "help"}, "Show this help and exit."},
    {{"v", "version"}, "Show the version and exit."},
    {{"material"},
     "Print the voltage drop for this conductor material (copper, aluminium, gold, silver, "
     "iron or lead) instead of opening the window; needs --current, --length and --diameter "
     "or --area.",
     "name"},
    {{"current"}, "The load current in amperes.", "A"},
    {{"length"}, "The total cable length, out and back, in metres.", "m"},
    {{"diameter"}, "The conductor's diameter in millimetres.", "mm"},
    {{"area"}, "The conductor's cross-section in square millimetres.", "mm2"},
};

constexpr const char* kDescription =
    "Computes the voltage drop along a cable run. Without options it opens the\n"
    "calculator window; with --material, --current, --length and --diameter or\n"
    "--area it prints the result line the window would show for those inputs.\n"
    "Numbers are read as the window reads them, with a decimal point or comma.\n"
    "\n"
    "Qt's standard options (-platform, -style, -reverse ...) are accepted too.";

int UsageError(const std::string& problem) {
  ShowMessage(kTitle,
              std::string(kProgram) + ": " + problem + "\nTry '" + kProgram +
                  " --help' for more information.\n",
              MessageKind::Error);
  return kUsageError;
}

bool AsksForCalculation(const CommandLine& line) {
  for (const char* name : {"material", "current", "length", "diameter", "area"}) {
    if (line.IsSet(name)) return true;
  }
  return false;
}

// The result line for the inputs, computed as the window computes it: from --area, the
// diameter the window would write into its field, then the drop from that text.
int Calculate(const CommandLine& line) {
  for (const char* name : {"material", "current", "length"}) {
    if (!line.IsSet(name)) return UsageError(std::string("missing --") + name);
  }
  if (line.IsSet("diameter") == line.IsSet("area")) {
    return UsageError(line.IsSet("area") ? "give --diameter or --area, not both"
                                         : "missing --diameter or --area");
  }
  const calc::Material* material = calc::MaterialNamed(line.Value("material"));
  if (material == nullptr) {
    return UsageError("unknown material '" + line.Value("material") +
                      "' (copper, aluminium, gold, silver, iron or lead)");
  }
  const std::string diameter =
      line.IsSet("diameter") ? line.Value("diameter") : conductor::DiameterText(line.Value("area"));
  const double drop = calc::VoltageDrop(material->resistivity, line.Value("current"),
                                        line.Value("length"), diameter);
  ShowMessage(kTitle, calc::ResultLine(drop) + "\n", MessageKind::Output);
  return 0;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  const CommandLine line(argc, argv, kOptions);
  if (!line.Error().empty()) return UsageError(line.Error());
  if (line.IsSet("help")) {
    ShowMessage(kTitle, line.Help(kProgram, kDescription), MessageKind::Output);
    return 0;
  }
  if (line.IsSet("version")) {
    ShowMessage(kTitle, std::string(kProgram) + " " + VD_VERSION + "\n", MessageKind::Output);
    return 0;
  }
  if (AsksForCalculation(line)) return Calculate(line);
  return std::nullopt;
}
