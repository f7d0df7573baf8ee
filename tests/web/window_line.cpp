// Prints the result line the window shows for the inputs, given as the command line takes them
// (--material=NAME --current=TEXT --length=TEXT, --diameter=TEXT or --area=TEXT): each text read
// as the window's fields read it, whatever it holds; with --line=spoken, the line as a screen
// reader hears it. The page's checks and the accessibility fuzzer compare the window with it.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "calc/Conductor.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"

int main(int argc, char** argv) {
  std::map<std::string, std::string> inputs;
  for (int i = 1; i < argc; ++i) {
    const char* equals = std::strchr(argv[i], '=');
    if (std::strncmp(argv[i], "--", 2) != 0 || equals == nullptr) return 2;
    inputs[std::string(argv[i] + 2, std::size_t(equals - argv[i] - 2))] = equals + 1;
  }
  const calc::Material* material = calc::MaterialNamed(inputs["material"]);
  if (material == nullptr) return 2;
  const std::string diameter =
      inputs.count("area") ? conductor::DiameterText(inputs["area"]) : inputs["diameter"];
  const double drop =
      calc::VoltageDrop(material->resistivity, inputs["current"], inputs["length"], diameter);
  std::printf(
      "%s\n",
      (inputs["line"] == "spoken" ? calc::SpokenResultLine(drop) : calc::ResultLine(drop)).c_str());
}
