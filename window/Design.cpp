#include "window/Design.h"

#include "platform/Translation.h"

namespace design {

using platform::Align;
using platform::Color;

const platform::WindowDesign kWindow1{
    .width = 296,
    .height = 247,
    //: The window's title, about 300 pixels wide, and the program's name in the desktop's menus.
    .title = platform::Translatable("window", "Voltage Drop Calculator"),
    .closeButton = true,
    .minimizeButton = true,
    .maximizeButton = false,
    .visible = true,
    .menuBarVisible = true};

// Tooltip lines are separated by a carriage return, as the design was drawn.
//: A caption's tooltip: the American Wire Gauge sizes, one a line. Write the
//: numbers and the unit as your language writes them; keep "AWG" and "cat5/cat5e".
constexpr platform::Message kDiameterTable =
    platform::Translatable("window",
                           "AWG 24 = 0.51054 mm (cat5/cat5e)\r"
                           "AWG 23 = 0.57404 mm\r"
                           "AWG 22 = 0.64516 mm\r"
                           "AWG 21 = 0.7239 mm\r"
                           "AWG 20 = 0.8128 mm\r"
                           "AWG 19 = 0.91186 mm\r"
                           "AWG 18 = 1.02362 mm");

//: A caption's tooltip: the American Wire Gauge sizes, one a line. Write the
//: numbers and the unit as your language writes them ("mm²"); keep "AWG" and "cat5/cat5e".
constexpr platform::Message kAreaTable = platform::Translatable("window",
                                                                "AWG 24 = 0.205 mm2 (cat5/cat5e)\r"
                                                                "AWG 23 = 0.258 mm2\r"
                                                                "AWG 22 = 0.326 mm2\r"
                                                                "AWG 21 = 0.410 mm2\r"
                                                                "AWG 20 = 0.518 mm2\r"
                                                                "AWG 19 = 0.653 mm2\r"
                                                                "AWG 18 = 0.823 mm2");

// The tables as a screen reader says them on Ctrl+F1: speech reads "mm" and "mm2" as letters.
//: The diameter's wire table as a screen reader says it: the table above with the unit in words.
constexpr platform::Message kDiameterTableSpoken =
    platform::Translatable("screen reader",
                           "AWG 24 = 0.51054 millimetres (cat5/cat5e)\r"
                           "AWG 23 = 0.57404 millimetres\r"
                           "AWG 22 = 0.64516 millimetres\r"
                           "AWG 21 = 0.7239 millimetres\r"
                           "AWG 20 = 0.8128 millimetres\r"
                           "AWG 19 = 0.91186 millimetres\r"
                           "AWG 18 = 1.02362 millimetres");
//: The cross-section's wire table as a screen reader says it: the table above with the unit in
//: words.
constexpr platform::Message kAreaTableSpoken =
    platform::Translatable("screen reader",
                           "AWG 24 = 0.205 square millimetres (cat5/cat5e)\r"
                           "AWG 23 = 0.258 square millimetres\r"
                           "AWG 22 = 0.326 square millimetres\r"
                           "AWG 21 = 0.410 square millimetres\r"
                           "AWG 20 = 0.518 square millimetres\r"
                           "AWG 19 = 0.653 square millimetres\r"
                           "AWG 18 = 0.823 square millimetres");

const platform::PopupMenuDesign kPopupMenu1{
    .box = {20, 14, 256, 20},
    .tabIndex = 2,
    //: What a screen reader calls the material list.
    .accessibleName = platform::Translatable("screen reader", "Material")};
const platform::LabelDesign kLabel3{
    .box = {20, 175, 142, 20},
    .tabIndex = 5,
    //: A field's caption, 142 pixels wide: the window widens for a longer one.
    .text = platform::Translatable("window", "Current (A):"),
    .captions = "current",
    //: The current field's name as a screen reader says it: the unit in words.
    .spokenCaption = platform::Translatable("screen reader", "Current in amperes")};
const platform::TextFieldDesign kCurrent{
    .box = {196, 174, 80, 22}, .tabIndex = 9, .text = "0.350", .number = true};
const platform::LabelDesign kResult{
    .box = {20, 207, 256, 20},
    .tabIndex = 7,
    .text = "Untitled",
    .align = Align::Right,
    .textColor = Color{0x0000FF},
    //: Said after the result line; the key as it is.
    .helpDescription = platform::Translatable("screen reader", "Copy it with Ctrl+Shift+C"),
    .style = {.size = 14, .bold = true},
    .live = true,
    .copyShortcut = "Ctrl+Shift+C",
    .statusLine = true};
const platform::LabelDesign kForm{
    .box = {20, 46, 256, 16},
    .tabIndex = 9,
    .text = "Untitled",
    .multiline = true,
    .style = {.size = 10, .italic = true},
    .live = true,
    //: Said before the new resistivity when the material changes.
    .liveChangeName = platform::Translatable("screen reader", "Resistivity")};
const platform::TextFieldDesign kDiameter{
    .box = {196, 106, 80, 22}, .tabIndex = 7, .text = "0.51054", .number = true};
const platform::TextFieldDesign kLenght{
    .box = {196, 74, 80, 22}, .tabIndex = 6, .text = "60", .number = true};
const platform::LabelDesign kLabel2{
    .box = {20, 107, 142, 20},
    .tabIndex = 12,
    //: A field's caption, 142 pixels wide: the window widens for a longer one.
    .text = platform::Translatable("window", "Cable diameter (mm):"),
    .helpTag = kDiameterTable,
    .spokenHelp = kDiameterTableSpoken,
    //: Said with the diameter and cross-section fields: the key that reads the wire table.
    .helpDescription = platform::Translatable("screen reader", "Wire sizes: Ctrl+F1"),
    .captions = "diameter",
    //: The diameter field's name as a screen reader says it: the unit in words.
    .spokenCaption = platform::Translatable("screen reader", "Cable diameter in millimetres")};
const platform::LabelDesign kLabel1{
    .box = {20, 75, 142, 20},
    .tabIndex = 13,
    //: A field's caption, 142 pixels wide: the window widens for a longer one. The length is
    //: the whole run, out and back, not the one-way length some formulas double.
    .text = platform::Translatable("window", "Total cable length (m):"),
    //: The length caption's tooltip, which a screen reader says with the field.
    .helpTag = platform::Translatable("window", "Total cable length, out and back."),
    .captions = "lenght",
    //: The length field's name as a screen reader says it: the unit in words.
    .spokenCaption = platform::Translatable("screen reader", "Total cable length in metres")};
const platform::TextFieldDesign kAreafld{
    .box = {196, 140, 80, 22}, .tabIndex = 8, .text = "0.20471", .number = true};
const platform::LabelDesign kLabel4{
    .box = {20, 141, 142, 20},
    .tabIndex = 15,
    //: A field's caption, 142 pixels wide: the window widens for a longer one.
    .text = platform::Translatable("window", "Cable area (mm2):"),
    .helpTag = kAreaTable,
    .spokenHelp = kAreaTableSpoken,
    .helpDescription = platform::Translatable("screen reader", "Wire sizes: Ctrl+F1"),
    .captions = "areafld",
    //: The cross-section field's name as a screen reader says it: the unit in words.
    .spokenCaption = platform::Translatable("screen reader", "Cable area in square millimetres")};

}  // namespace design
