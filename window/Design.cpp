#include "window/Design.h"

#include <cstdint>
#include <limits>
#include <string>

#include "platform/Exceptions.h"

namespace design {
namespace {

using platform::Color;
using platform::FontUnit;
using platform::PropertyList;

constexpr std::int64_t kNotInControlArray = std::numeric_limits<std::int32_t>::min();
constexpr Color kBlack{0x000000};
constexpr Color kWhite{0xFFFFFF};
constexpr Color kBlue{0x0000FF};

struct Box {
  int left, top, width, height;
};

struct PopupMenuDesign {
  const char* name;
  Box box;
  int tabIndex;
};

struct LabelDesign {
  const char* name;
  Box box;
  int tabIndex;
  const char* text;
  int textAlign = 0;  // 0 left, 1 centre, 2 right
  Color textColor = kBlack;
  bool multiline = false;
  const char* helpTag = "";
  float textSize = 0;
  bool bold = false;
  bool italic = false;
};

struct TextFieldDesign {
  const char* name;
  Box box;
  int tabIndex;
  const char* text;
  bool listsInitialParent;
};

// Tooltip lines are separated by a carriage return, as the design was drawn.
constexpr const char* kDiameterTable =
    "AWG 24 = 0.51054 mm (cat5/cat5e)\r"
    "AWG 23 = 0.57404 mm\r"
    "AWG 22 = 0.64516 mm\r"
    "AWG 21 = 0.7239 mm\r"
    "AWG 20 = 0.8128 mm\r"
    "AWG 19 = 0.91186 mm\r"
    "AWG 18 = 1.02362 mm";

constexpr const char* kAreaTable =
    "AWG 24 = 0.205 mm2 (cat5/cat5e)\r"
    "AWG 23 = 0.258 mm2\r"
    "AWG 22 = 0.326 mm2\r"
    "AWG 21 = 0.410 mm2\r"
    "AWG 20 = 0.518 mm2\r"
    "AWG 19 = 0.653 mm2\r"
    "AWG 18 = 0.823 mm2";

// The eleven controls, in creation order.
constexpr PopupMenuDesign kPopupMenu1{"PopupMenu1", {20, 14, 256, 20}, 2};
constexpr LabelDesign kLabel3{"Label3", {20, 175, 142, 20}, 5, "Current (A):"};
constexpr TextFieldDesign kCurrent{"current", {196, 174, 80, 22}, 9, "0.350", false};
constexpr LabelDesign kResult{.name = "result",
                              .box = {20, 207, 256, 20},
                              .tabIndex = 7,
                              .text = "Untitled",
                              .textAlign = 2,
                              .textColor = kBlue,
                              .textSize = 14,
                              .bold = true};
constexpr LabelDesign kForm{.name = "form",
                            .box = {20, 46, 256, 16},
                            .tabIndex = 9,
                            .text = "Untitled",
                            .multiline = true,
                            .textSize = 10,
                            .italic = true};
constexpr TextFieldDesign kDiameter{"diameter", {196, 106, 80, 22}, 7, "0.51054", true};
constexpr TextFieldDesign kLenght{"lenght", {196, 74, 80, 22}, 6, "60", true};
constexpr LabelDesign kLabel2{.name = "Label2",
                              .box = {20, 107, 142, 20},
                              .tabIndex = 12,
                              .text = "Cable diameter (mm):",
                              .helpTag = kDiameterTable};
constexpr LabelDesign kLabel1{.name = "Label1",
                              .box = {20, 75, 142, 20},
                              .tabIndex = 13,
                              .text = "Total cable length (m):",
                              .helpTag = "Total cable lenght, out and back."};
constexpr TextFieldDesign kAreafld{"areafld", {196, 140, 80, 22}, 8, "0.20471", false};
constexpr LabelDesign kLabel4{.name = "Label4",
                              .box = {20, 141, 142, 20},
                              .tabIndex = 15,
                              .text = "Cable area (mm2):",
                              .helpTag = kAreaTable};

// The entries every control's list starts with, up to its tab order.
PropertyList Placement(const char* name, const Box& box) {
  return {
      {"Name", name},       {"Index", kNotInControlArray}, {"Left", box.left},  {"Top", box.top},
      {"Width", box.width}, {"Height", box.height},        {"LockLeft", true},  {"LockTop", true},
      {"LockRight", false}, {"LockBottom", false},         {"TabPanelIndex", 0}};
}

void Append(PropertyList& list, PropertyList more) {
  list.insert(list.end(), std::make_move_iterator(more.begin()),
              std::make_move_iterator(more.end()));
}

PropertyList Font(float textSize, bool bold, bool italic) {
  return {{"TextFont", "System"}, {"TextSize", textSize}, {"TextUnit", FontUnit::Default},
          {"Bold", bold},         {"Italic", italic},     {"Underline", false}};
}

PropertyList PropertiesOf(const PopupMenuDesign& d) {
  PropertyList list = Placement(d.name, d.box);
  Append(list, {{"TabIndex", d.tabIndex},
                {"TabStop", true},
                {"Enabled", true},
                {"InitialValue", ""},
                {"ListIndex", 0},
                {"Visible", true},
                {"HelpTag", ""},
                {"AutoDeactivate", true}});
  Append(list, Font(0, false, false));
  Append(list, {{"DataSource", ""}, {"DataField", ""}, {"InitialParent", ""}});
  return list;
}

PropertyList PropertiesOf(const LabelDesign& d) {
  PropertyList list = Placement(d.name, d.box);
  Append(list, {{"TabIndex", d.tabIndex},
                {"Text", d.text},
                {"TextAlign", d.textAlign},
                {"TextColor", d.textColor},
                {"Multiline", d.multiline},
                {"Enabled", true},
                {"Visible", true},
                {"Selectable", false},
                {"Transparent", false},
                {"HelpTag", d.helpTag},
                {"AutoDeactivate", true}});
  Append(list, Font(d.textSize, d.bold, d.italic));
  Append(list, {{"DataSource", ""}, {"DataField", ""}, {"InitialParent", ""}});
  return list;
}

PropertyList PropertiesOf(const TextFieldDesign& d) {
  PropertyList list = Placement(d.name, d.box);
  Append(list, {{"TabIndex", d.tabIndex},
                {"TabStop", true},
                {"Border", true},
                {"Password", false},
                {"UseFocusRing", true},
                {"TextColor", kBlack},
                {"BackColor", kWhite},
                {"Enabled", true},
                {"Format", ""},
                {"Visible", true},
                {"HelpTag", ""},
                {"AutoDeactivate", true}});
  Append(list, Font(0, false, false));
  Append(list, {{"CueText", ""},
                {"Text", d.text},
                {"Mask", ""},
                {"ReadOnly", false},
                {"LimitText", 0},
                {"AcceptTabs", false},
                {"Alignment", 0},
                {"AutomaticallyCheckSpelling", false},
                {"DataSource", ""},
                {"DataField", ""}});
  if (d.listsInitialParent) list.push_back({"InitialParent", ""});
  return list;
}

}  // namespace

PropertyList Window1Properties() {
  return {{"Width", 296},
          {"Height", 247},
          {"MinWidth", 64},
          {"MinHeight", 64},
          {"MaxWidth", 32000},
          {"MaxHeight", 32000},
          {"Frame", 0},
          {"Title", "Voltage Drop Calculator"},
          {"CloseButton", true},
          {"Resizeable", false},
          {"MaximizeButton", false},
          {"MinimizeButton", true},
          {"FullScreenButton", false},
          {"Composite", false},
          {"MacProcID", 0},
          {"Placement", 0},
          {"Visible", true},
          {"LiveResize", true},
          {"FullScreen", false},
          {"HasBackColor", false},
          {"BackColor", kWhite},
          {"MenuBarVisible", true}};
}

PropertyList ControlProperties(std::string_view name) {
  if (name == kPopupMenu1.name) return PropertiesOf(kPopupMenu1);
  for (const LabelDesign* label : {&kLabel3, &kResult, &kForm, &kLabel2, &kLabel1, &kLabel4}) {
    if (name == label->name) return PropertiesOf(*label);
  }
  for (const TextFieldDesign* field : {&kCurrent, &kDiameter, &kLenght, &kAreafld}) {
    if (name == field->name) return PropertiesOf(*field);
  }
  throw platform::InvalidArgumentException("the window's design has no control named \"" +
                                           std::string(name) + "\"");
}

}  // namespace design
