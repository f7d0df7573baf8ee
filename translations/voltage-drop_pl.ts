<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>command line</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+48"/>
        <source>or %1</source>
        <extracomment>The end of the list of materials in --help: &quot;copper, …, iron or lead&quot;; %1 is &quot;lead&quot;.</extracomment>
        <translation>lub %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the version and exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Wypisz spadek napięcia dla tego materiału przewodu (%1) zamiast otwierać okno; wymaga --current, --length oraz --diameter lub --area.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <extracomment>The value&apos;s name in --help: &quot;--material &lt;name&gt;&quot;.</extracomment>
        <translation>nazwa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The load current in amperes.</source>
        <translation>Prąd obciążenia w amperach.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The total cable length, out and back, in metres.</source>
        <translation>Całkowita długość przewodu, tam i z powrotem, w metrach.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Średnica żyły w milimetrach.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>Przekrój żyły w milimetrach kwadratowych.</translation>
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
        <translation>Oblicza spadek napięcia na przewodzie. Bez opcji otwiera okno kalkulatora;
z --material, --current, --length oraz --diameter lub --area wypisuje wiersz
wyniku, który pokazałoby okno, w każdym języku po angielsku i z kropką
dziesiętną, dla skryptów.
Liczby są czytane jednakowo w każdym języku: z kropką lub przecinkiem
dziesiętnym, bez separatora tysięcy; liczba, którą okno odczytałoby inaczej,
jest odrzucana.

Akceptowane są też standardowe opcje Qt (-platform, -style, -reverse ...).</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>write error: %1</source>
        <translation>błąd zapisu: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Polecenie „%1 --help” pokaże więcej informacji.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2 is not a number</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given.</extracomment>
        <translation>%1 %2 nie jest liczbą</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 %2 has thousands separators, which are not read here: write %3</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, %3 the same number without thousands separators.</extracomment>
        <translation>%1 %2 zawiera separatory tysięcy, których tu się nie czyta: proszę napisać %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is read here as %3, but in your language as %4: write %3 or %4, whichever you mean</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, which the command line reads as %3 and the window in the user&apos;s language as %4.</extracomment>
        <translation>%1 %2 jest tu czytane jako %3, ale w Twoim języku jako %4: proszę napisać %3 lub %4, zależnie od tego, o co chodzi</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing %1</source>
        <translation>brak %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>give --diameter or --area, not both</source>
        <translation>podaj --diameter albo --area, nie obie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing --diameter or --area</source>
        <translation>brak --diameter lub --area</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown material %1</source>
        <translation>nieznany materiał %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/text/CommandLine.cpp" line="+35"/>
        <source>missing value after %1</source>
        <extracomment>After &quot;voltage-drop: &quot; on standard error; %1 is the option, quoted (&apos;--current&apos;).</extracomment>
        <translation>brak wartości po %1</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unexpected value after %1</source>
        <translation>nieoczekiwana wartość po %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
</context>
<context>
    <name>error messages</name>
    <message>
        <location filename="../platform/qt/src/display/QtMessages.cpp" line="+76"/>
        <source>could not connect to an X display</source>
        <translation>nie można połączyć się z ekranem X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>could not connect to the X display %1</source>
        <translation>nie można połączyć się z ekranem X %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland display %1 does not answer</source>
        <translation>ekran Wayland %1 nie odpowiada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the Wayland display %1 does not exist</source>
        <translation>ekran Wayland %1 nie istnieje</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>could not load Qt&apos;s platform plugin %1</source>
        <translation>nie można wczytać wtyczki platformy Qt %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt has no platform plugin %1</source>
        <translation>Qt nie ma wtyczki platformy %1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>xcb takes no options such as %1; -display names the X display</source>
        <extracomment>%1 is what was given after &quot;xcb:&quot;, such as display=:9.</extracomment>
        <translation>xcb nie przyjmuje opcji takich jak %1; ekran X wskazuje -display</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+65"/>
        <source>no display to open the window on: %1</source>
        <extracomment>The line the program ends with when it cannot show its window; %1 says why, one reason after another, separated by &quot;; &quot;.</extracomment>
        <translation>brak ekranu, na którym można otworzyć okno: %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the Wayland display %1 cannot be found: XDG_RUNTIME_DIR is not set</source>
        <extracomment>%1 is the name of a Wayland display, such as wayland-0.</extracomment>
        <translation>nie można znaleźć ekranu Wayland %1: nie ustawiono XDG_RUNTIME_DIR</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>the platform has no screen</source>
        <translation>platforma nie ma ekranu</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>lost the display: the %1 connection broke</source>
        <translation>utracono ekran: połączenie %1 zostało zerwane</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>brak ekranu, na którym można otworzyć okno: platforma %1 nie pokazuje okien</translation>
    </message>
    <message>
        <location filename="../platform/common/Report.cpp" line="+17"/>
        <source>an exception of unknown type</source>
        <translation>wyjątek nieznanego typu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unhandled %1</source>
        <extracomment>The first line of the report of an error the program did not handle, in a message box and on standard error; %1 names the error, as the program&apos;s developers wrote it.</extracomment>
        <translation>Nieobsłużone: %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/display/QtSettings.cpp" line="+33"/>
        <source>%1 %2 is not usable and was ignored</source>
        <extracomment>A warning as the program starts; %1 is an environment variable or a Qt option, %2 its value. The program goes on without it.</extracomment>
        <translation>%1 %2 nie nadaje się do użycia i został pominięty</translation>
    </message>
</context>
<context>
    <name>menus</name>
    <message>
        <location filename="../menus/MainMenuBar.cpp" line="+51"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select &amp;All</source>
        <translation>Zaznacz wszys&amp;tko</translation>
    </message>
</context>
<context>
    <name>screen reader</name>
    <message>
        <location filename="../platform/qt/src/widgets/LineEdit.cpp" line="+114"/>
        <source>Invalid entry</source>
        <extracomment>Said of a number field whose text is not a number.</extracomment>
        <translation>Nieprawidłowa wartość</translation>
    </message>
    <message>
        <location filename="../window/Design.cpp" line="+48"/>
        <source>AWG 24 = 0.51054 millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.57404 millimetres<byte value="xd"/>AWG 22 = 0.64516 millimetres<byte value="xd"/>AWG 21 = 0.7239 millimetres<byte value="xd"/>AWG 20 = 0.8128 millimetres<byte value="xd"/>AWG 19 = 0.91186 millimetres<byte value="xd"/>AWG 18 = 1.02362 millimetres</source>
        <extracomment>The diameter&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,51054 milimetra (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,57404 milimetra<byte value="xd"/>AWG 22 = 0,64516 milimetra<byte value="xd"/>AWG 21 = 0,7239 milimetra<byte value="xd"/>AWG 20 = 0,8128 milimetra<byte value="xd"/>AWG 19 = 0,91186 milimetra<byte value="xd"/>AWG 18 = 1,02362 milimetra</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AWG 24 = 0.205 square millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.258 square millimetres<byte value="xd"/>AWG 22 = 0.326 square millimetres<byte value="xd"/>AWG 21 = 0.410 square millimetres<byte value="xd"/>AWG 20 = 0.518 square millimetres<byte value="xd"/>AWG 19 = 0.653 square millimetres<byte value="xd"/>AWG 18 = 0.823 square millimetres</source>
        <extracomment>The cross-section&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,205 milimetra kwadratowego (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,258 milimetra kwadratowego<byte value="xd"/>AWG 22 = 0,326 milimetra kwadratowego<byte value="xd"/>AWG 21 = 0,410 milimetra kwadratowego<byte value="xd"/>AWG 20 = 0,518 milimetra kwadratowego<byte value="xd"/>AWG 19 = 0,653 milimetra kwadratowego<byte value="xd"/>AWG 18 = 0,823 milimetra kwadratowego</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Material</source>
        <extracomment>What a screen reader calls the material list.</extracomment>
        <translation>Materiał</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current in amperes</source>
        <extracomment>The current field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Prąd w amperach</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copy it with Ctrl+Shift+C</source>
        <extracomment>Said after the result line; the key as it is.</extracomment>
        <translation>Skopiuj: Ctrl+Shift+C</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Resistivity</source>
        <extracomment>Said before the new resistivity when the material changes.</extracomment>
        <translation>Rezystywność</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+24"/>
        <source>Wire sizes: Ctrl+F1</source>
        <extracomment>Said with the diameter and cross-section fields: the key that reads the wire table.</extracomment>
        <translation>Rozmiary AWG: Ctrl+F1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Cable diameter in millimetres</source>
        <extracomment>The diameter field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Średnica w milimetrach</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Total cable length in metres</source>
        <extracomment>The length field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Długość całkowita w metrach</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cable area in square millimetres</source>
        <extracomment>The cross-section field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Przekrój w milimetrach kwadratowych</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="+43"/>
        <source>Voltage drop = %1 volts</source>
        <extracomment>The result line as a screen reader says it; %1 is the drop, a number or &quot;infinity&quot;.</extracomment>
        <translation>Spadek napięcia = %1 wolta</translation>
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
        <translation>nieskończoność</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Voltage drop = not a number</source>
        <extracomment>The result line for a drop that is no number (0 × ∞), as a screen reader says it.</extracomment>
        <translation>Spadek napięcia nie jest liczbą</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/widgets/Label.cpp" line="+53"/>
        <location filename="../platform/web/src/widgets/Label.cpp" line="+38"/>
        <source>Copied: %1</source>
        <extracomment>Said when Ctrl+Shift+C copied the result line; %1 is the line, its unit in words.</extracomment>
        <translation>Skopiowano: %1</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="-158"/>
        <location filename="../window/Design.cpp" line="-129"/>
        <source>Voltage Drop Calculator</source>
        <extracomment>The window&apos;s title, about 300 pixels wide, and the program&apos;s name in the desktop&apos;s menus.</extracomment>
        <translation>Kalkulator spadku napięcia</translation>
    </message>
    <message>
        <location filename="../calc/Materials.h" line="+20"/>
        <source>Copper</source>
        <translation>Miedź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gold</source>
        <translation>Złoto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Srebro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iron</source>
        <translation>Żelazo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lead</source>
        <extracomment>The metal lead (Pb), a conductor material; not a lead wire.</extracomment>
        <translation>Ołów</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="-24"/>
        <source>Voltage drop = %1V</source>
        <extracomment>The result line, in bold, 256 pixels wide; %1 is the drop in volts.</extracomment>
        <translation>Spadek napięcia = %1 V</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <extracomment>The formula line, in small italics, 256 pixels wide; %1 is the material&apos;s resistivity.</extracomment>
        <translation>ΔU (20&#xa0;°C) = ( Długość × Prąd × %1 ) / Przekrój</translation>
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
        <translation>Prąd (A):</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Cable diameter (mm):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Średnica (mm):</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Total cable length (m):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one. The length is the whole run, out and back, not the one-way length some formulas double.</extracomment>
        <translation>Długość całkowita (m):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total cable length, out and back.</source>
        <extracomment>The length caption&apos;s tooltip, which a screen reader says with the field.</extracomment>
        <translation>Całkowita długość przewodu, tam i z powrotem.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cable area (mm2):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Przekrój (mm²):</translation>
    </message>
</context>
</TS>
