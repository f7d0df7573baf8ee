#include "window/Design.h"

#include "platform/Translation.h"

namespace design {

using platform::Align;
using platform::Color;

const platform::WindowDesign kWindow1{.width = 296,
                                      .height = 247,
                                      .title = platform::Translatable("Voltage Drop Calculator"),
                                      .closeButton = true,
                                      .minimizeButton = true,
                                      .maximizeButton = false,
                                      .visible = true,
                                      .menuBarVisible = true};

// Tooltip lines are separated by a carriage return, as the design was drawn. The wire tables
// need no translation: the platform writes their numbers as the user's language does.
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

const platform::PopupMenuDesign kPopupMenu1{
    .box = {20, 14, 256, 20}, .tabIndex = 2, .accessibleName = platform::Translatable("Material")};
const platform::LabelDesign kLabel3{.box = {20, 175, 142, 20},
                                    .tabIndex = 5,
                                    .text = platform::Translatable("Current (A):"),
                                    .captions = "current",
                                    .spokenCaption = platform::Translatable("Current in amperes")};
const platform::TextFieldDesign kCurrent{
    .box = {196, 174, 80, 22}, .tabIndex = 9, .text = "0.350", .number = true};
const platform::LabelDesign kResult{
    .box = {20, 207, 256, 20},
    .tabIndex = 7,
    .text = "Untitled",
    .align = Align::Right,
    .textColor = Color{0x0000FF},
    .helpDescription = platform::Translatable("Copy it with Ctrl+Shift+C"),
    .style = {.size = 14, .bold = true},
    .live = true,
    .copyShortcut = "Ctrl+Shift+C",
    .statusLine = true};
const platform::LabelDesign kForm{.box = {20, 46, 256, 16},
                                  .tabIndex = 9,
                                  .text = "Untitled",
                                  .multiline = true,
                                  .style = {.size = 10, .italic = true},
                                  .live = true,
                                  .liveChangeName = platform::Translatable("Resistivity")};
const platform::TextFieldDesign kDiameter{
    .box = {196, 106, 80, 22}, .tabIndex = 7, .text = "0.51054", .number = true};
const platform::TextFieldDesign kLenght{
    .box = {196, 74, 80, 22}, .tabIndex = 6, .text = "60", .number = true};
const platform::LabelDesign kLabel2{
    .box = {20, 107, 142, 20},
    .tabIndex = 12,
    .text = platform::Translatable("Cable diameter (mm):"),
    .helpTag = kDiameterTable,
    .helpDescription = platform::Translatable("Wire sizes: Ctrl+F1"),
    .captions = "diameter",
    .spokenCaption = platform::Translatable("Cable diameter in millimetres")};
const platform::LabelDesign kLabel1{
    .box = {20, 75, 142, 20},
    .tabIndex = 13,
    .text = platform::Translatable("Total cable length (m):"),
    .helpTag = platform::Translatable("Total cable length, out and back."),
    .captions = "lenght",
    .spokenCaption = platform::Translatable("Total cable length in metres")};
const platform::TextFieldDesign kAreafld{
    .box = {196, 140, 80, 22}, .tabIndex = 8, .text = "0.20471", .number = true};
const platform::LabelDesign kLabel4{
    .box = {20, 141, 142, 20},
    .tabIndex = 15,
    .text = platform::Translatable("Cable area (mm2):"),
    .helpTag = kAreaTable,
    .helpDescription = platform::Translatable("Wire sizes: Ctrl+F1"),
    .captions = "areafld",
    .spokenCaption = platform::Translatable("Cable area in square millimetres")};

}  // namespace design
