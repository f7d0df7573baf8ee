<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>command line</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+48"/>
        <source>or %1</source>
        <extracomment>The end of the list of materials in --help: &quot;copper, …, iron or lead&quot;; %1 is &quot;lead&quot;.</extracomment>
        <translation>oder %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Den Spannungsfall für diesen Leiterwerkstoff (%1) ausgeben, statt das Fenster zu öffnen; erfordert --current, --length und --diameter oder --area.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <extracomment>The value&apos;s name in --help: &quot;--material &lt;name&gt;&quot;.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The load current in amperes.</source>
        <translation>Der Laststrom in Ampere.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The total cable length, out and back, in metres.</source>
        <translation>Die gesamte Leitungslänge, Hin- und Rückleiter, in Metern.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Der Leiterdurchmesser in Millimetern.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>Der Leiterquerschnitt in Quadratmillimetern.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mm2</source>
        <extracomment>The value&apos;s name in --help: the unit of the cross-section.</extracomment>
        <translation>mm²</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Computes the voltage drop along a cable run. Without options it opens the
calculator window; with --material, --current, --length and --diameter or
--area it prints the result line the window would show for those inputs,
in English and with a decimal point in every language, for scripts.
Numbers are read alike in every language: a decimal point or comma and no
thousands separators; one that the window would read otherwise is refused.

Qt&apos;s standard options (-platform, -style, -reverse ...) are accepted too.</source>
        <extracomment>The text of --help between its usage line and its options; lines of at most 79 columns.</extracomment>
        <translation>Berechnet den Spannungsfall auf einer Leitung. Ohne Optionen öffnet es das
Rechnerfenster; mit --material, --current, --length und --diameter oder
--area gibt es die Ergebniszeile aus, die das Fenster zeigen würde, in jeder
Sprache auf Englisch und mit Dezimalpunkt, für Skripte.
Zahlen werden in jeder Sprache gleich gelesen: mit Dezimalpunkt oder -komma,
ohne Tausendertrennzeichen; eine, die das Fenster anders läse, wird abgelehnt.

Die Standardoptionen von Qt (-platform, -style, -reverse ...) werden auch
angenommen.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>write error: %1</source>
        <translation>Schreibfehler: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ zeigt mehr Informationen.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2 is not a number</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given.</extracomment>
        <translation>%1 %2 ist keine Zahl</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 %2 has thousands separators, which are not read here: write %3</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, %3 the same number without thousands separators.</extracomment>
        <translation>%1 %2 hat Tausendertrennzeichen, die hier nicht gelesen werden: Schreiben Sie %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is read here as %3, but in your language as %4: write %3 or %4, whichever you mean</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, which the command line reads as %3 and the window in the user&apos;s language as %4.</extracomment>
        <translation>%1 %2 wird hier als %3 gelesen, in Ihrer Sprache aber als %4: Schreiben Sie %3 oder %4, je nachdem, was Sie meinen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>give --diameter or --area, not both</source>
        <translation>--diameter oder --area angeben, nicht beides</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing --diameter or --area</source>
        <translation>--diameter oder --area fehlt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown material %1</source>
        <translation>unbekannter Werkstoff %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/text/CommandLine.cpp" line="+35"/>
        <source>missing value after %1</source>
        <extracomment>After &quot;voltage-drop: &quot; on standard error; %1 is the option, quoted (&apos;--current&apos;).</extracomment>
        <translation>fehlender Wert nach %1</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unexpected value after %1</source>
        <translation>unerwarteter Wert nach %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
</context>
<context>
    <name>error messages</name>
    <message>
        <location filename="../platform/qt/src/display/QtMessages.cpp" line="+76"/>
        <source>could not connect to an X display</source>
        <translation>keine Verbindung zu einer X-Anzeige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>could not connect to the X display %1</source>
        <translation>keine Verbindung zur X-Anzeige %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland display %1 does not answer</source>
        <translation>die Wayland-Anzeige %1 antwortet nicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the Wayland display %1 does not exist</source>
        <translation>die Wayland-Anzeige %1 gibt es nicht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>could not load Qt&apos;s platform plugin %1</source>
        <translation>das Plattform-Plugin %1 von Qt lässt sich nicht laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt has no platform plugin %1</source>
        <translation>Qt hat kein Plattform-Plugin %1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>xcb takes no options such as %1; -display names the X display</source>
        <extracomment>%1 is what was given after &quot;xcb:&quot;, such as display=:9.</extracomment>
        <translation>xcb nimmt keine Optionen wie %1; -display nennt die X-Anzeige</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+65"/>
        <source>no display to open the window on: %1</source>
        <extracomment>The line the program ends with when it cannot show its window; %1 says why, one reason after another, separated by &quot;; &quot;.</extracomment>
        <translation>keine Anzeige, um das Fenster zu öffnen: %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the Wayland display %1 cannot be found: XDG_RUNTIME_DIR is not set</source>
        <extracomment>%1 is the name of a Wayland display, such as wayland-0.</extracomment>
        <translation>die Wayland-Anzeige %1 ist nicht zu finden: XDG_RUNTIME_DIR ist nicht gesetzt</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>the platform has no screen</source>
        <translation>die Plattform hat keinen Bildschirm</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>lost the display: the %1 connection broke</source>
        <translation>Anzeige verloren: die %1-Verbindung ist abgebrochen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>keine Anzeige, um das Fenster zu öffnen: die Plattform %1 zeigt keine Fenster</translation>
    </message>
    <message>
        <location filename="../platform/common/Report.cpp" line="+17"/>
        <source>an exception of unknown type</source>
        <translation>eine Ausnahme unbekannten Typs</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unhandled %1</source>
        <extracomment>The first line of the report of an error the program did not handle, in a message box and on standard error; %1 names the error, as the program&apos;s developers wrote it.</extracomment>
        <translation>Unbehandelt: %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/display/QtSettings.cpp" line="+33"/>
        <source>%1 %2 is not usable and was ignored</source>
        <extracomment>A warning as the program starts; %1 is an environment variable or a Qt option, %2 its value. The program goes on without it.</extracomment>
        <translation>%1 %2 ist nicht verwendbar und wurde übergangen</translation>
    </message>
</context>
<context>
    <name>menus</name>
    <message>
        <location filename="../menus/MainMenuBar.cpp" line="+51"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cu&amp;t</source>
        <translation>A&amp;usschneiden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>screen reader</name>
    <message>
        <location filename="../platform/qt/src/widgets/LineEdit.cpp" line="+114"/>
        <source>Invalid entry</source>
        <extracomment>Said of a number field whose text is not a number.</extracomment>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <location filename="../window/Design.cpp" line="+48"/>
        <source>AWG 24 = 0.51054 millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.57404 millimetres<byte value="xd"/>AWG 22 = 0.64516 millimetres<byte value="xd"/>AWG 21 = 0.7239 millimetres<byte value="xd"/>AWG 20 = 0.8128 millimetres<byte value="xd"/>AWG 19 = 0.91186 millimetres<byte value="xd"/>AWG 18 = 1.02362 millimetres</source>
        <extracomment>The diameter&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,51054 Millimeter (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,57404 Millimeter<byte value="xd"/>AWG 22 = 0,64516 Millimeter<byte value="xd"/>AWG 21 = 0,7239 Millimeter<byte value="xd"/>AWG 20 = 0,8128 Millimeter<byte value="xd"/>AWG 19 = 0,91186 Millimeter<byte value="xd"/>AWG 18 = 1,02362 Millimeter</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AWG 24 = 0.205 square millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.258 square millimetres<byte value="xd"/>AWG 22 = 0.326 square millimetres<byte value="xd"/>AWG 21 = 0.410 square millimetres<byte value="xd"/>AWG 20 = 0.518 square millimetres<byte value="xd"/>AWG 19 = 0.653 square millimetres<byte value="xd"/>AWG 18 = 0.823 square millimetres</source>
        <extracomment>The cross-section&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,205 Quadratmillimeter (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,258 Quadratmillimeter<byte value="xd"/>AWG 22 = 0,326 Quadratmillimeter<byte value="xd"/>AWG 21 = 0,410 Quadratmillimeter<byte value="xd"/>AWG 20 = 0,518 Quadratmillimeter<byte value="xd"/>AWG 19 = 0,653 Quadratmillimeter<byte value="xd"/>AWG 18 = 0,823 Quadratmillimeter</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Material</source>
        <extracomment>What a screen reader calls the material list.</extracomment>
        <translation>Werkstoff</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current in amperes</source>
        <extracomment>The current field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Strom in Ampere</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copy it with Ctrl+Shift+C</source>
        <extracomment>Said after the result line; the key as it is.</extracomment>
        <translation>Kopieren mit Strg+Umschalt+C</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Resistivity</source>
        <extracomment>Said before the new resistivity when the material changes.</extracomment>
        <translation>Spezifischer Widerstand</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+24"/>
        <source>Wire sizes: Ctrl+F1</source>
        <extracomment>Said with the diameter and cross-section fields: the key that reads the wire table.</extracomment>
        <translation>Drahtgrößen: Strg+F1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Cable diameter in millimetres</source>
        <extracomment>The diameter field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Durchmesser in Millimetern</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Total cable length in metres</source>
        <extracomment>The length field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Gesamte Leitungslänge in Metern</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cable area in square millimetres</source>
        <extracomment>The cross-section field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Querschnitt in Quadratmillimetern</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="+43"/>
        <source>Voltage drop = %1 volts</source>
        <extracomment>The result line as a screen reader says it; %1 is the drop, a number or &quot;infinity&quot;.</extracomment>
        <translation>Spannungsfall = %1 Volt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>minus %1</source>
        <extracomment>A negative drop, or infinity, as a screen reader says it; %1 is the number.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>infinity</source>
        <extracomment>An infinite drop (no cross-section), as a screen reader says it.</extracomment>
        <translation>unendlich</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Voltage drop = not a number</source>
        <extracomment>The result line for a drop that is no number (0 × ∞), as a screen reader says it.</extracomment>
        <translation>Spannungsfall = keine Zahl</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/widgets/Label.cpp" line="+53"/>
        <location filename="../platform/web/src/widgets/Label.cpp" line="+38"/>
        <source>Copied: %1</source>
        <extracomment>Said when Ctrl+Shift+C copied the result line; %1 is the line, its unit in words.</extracomment>
        <translation>Kopiert: %1</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="-158"/>
        <location filename="../window/Design.cpp" line="-129"/>
        <source>Voltage Drop Calculator</source>
        <extracomment>The window&apos;s title, about 300 pixels wide, and the program&apos;s name in the desktop&apos;s menus.</extracomment>
        <translation>Spannungsfall-Rechner</translation>
    </message>
    <message>
        <location filename="../calc/Materials.h" line="+20"/>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lead</source>
        <extracomment>The metal lead (Pb), a conductor material; not a lead wire.</extracomment>
        <translation>Blei</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="-24"/>
        <source>Voltage drop = %1V</source>
        <extracomment>The result line, in bold, 256 pixels wide; %1 is the drop in volts.</extracomment>
        <translation>Spannungsfall = %1 V</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <extracomment>The formula line, in small italics, 256 pixels wide; %1 is the material&apos;s resistivity.</extracomment>
        <translation>ΔU (20&#xa0;°C) = ( Länge × Strom × %1 ) / Querschnitt</translation>
    </message>
    <message>
        <location filename="../window/Design.cpp" line="+11"/>
        <source>AWG 24 = 0.51054 mm (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.57404 mm<byte value="xd"/>AWG 22 = 0.64516 mm<byte value="xd"/>AWG 21 = 0.7239 mm<byte value="xd"/>AWG 20 = 0.8128 mm<byte value="xd"/>AWG 19 = 0.91186 mm<byte value="xd"/>AWG 18 = 1.02362 mm</source>
        <extracomment>A caption&apos;s tooltip: the American Wire Gauge sizes, one a line. Write the numbers and the unit as your language writes them; keep &quot;AWG&quot; and &quot;cat5/cat5e&quot;.</extracomment>
        <translation>AWG 24 = 0,51054 mm (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,57404 mm<byte value="xd"/>AWG 22 = 0,64516 mm<byte value="xd"/>AWG 21 = 0,7239 mm<byte value="xd"/>AWG 20 = 0,8128 mm<byte value="xd"/>AWG 19 = 0,91186 mm<byte value="xd"/>AWG 18 = 1,02362 mm</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AWG 24 = 0.205 mm2 (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.258 mm2<byte value="xd"/>AWG 22 = 0.326 mm2<byte value="xd"/>AWG 21 = 0.410 mm2<byte value="xd"/>AWG 20 = 0.518 mm2<byte value="xd"/>AWG 19 = 0.653 mm2<byte value="xd"/>AWG 18 = 0.823 mm2</source>
        <extracomment>A caption&apos;s tooltip: the American Wire Gauge sizes, one a line. Write the numbers and the unit as your language writes them (&quot;mm²&quot;); keep &quot;AWG&quot; and &quot;cat5/cat5e&quot;.</extracomment>
        <translation>AWG 24 = 0,205 mm² (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,258 mm²<byte value="xd"/>AWG 22 = 0,326 mm²<byte value="xd"/>AWG 21 = 0,410 mm²<byte value="xd"/>AWG 20 = 0,518 mm²<byte value="xd"/>AWG 19 = 0,653 mm²<byte value="xd"/>AWG 18 = 0,823 mm²</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Current (A):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Strom (A):</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Cable diameter (mm):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Durchmesser (mm):</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Total cable length (m):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one. The length is the whole run, out and back, not the one-way length some formulas double.</extracomment>
        <translation>Gesamtlänge (m):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total cable length, out and back.</source>
        <extracomment>The length caption&apos;s tooltip, which a screen reader says with the field.</extracomment>
        <translation>Gesamte Leitungslänge, Hin- und Rückleiter.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cable area (mm2):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Querschnitt (mm²):</translation>
    </message>
</context>
</TS>
