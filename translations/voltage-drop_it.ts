<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>command line</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+48"/>
        <source>or %1</source>
        <extracomment>The end of the list of materials in --help: &quot;copper, …, iron or lead&quot;; %1 is &quot;lead&quot;.</extracomment>
        <translation>o %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Scrive la caduta di tensione per questo materiale conduttore (%1) invece di aprire la finestra; richiede --current, --length e --diameter o --area.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <extracomment>The value&apos;s name in --help: &quot;--material &lt;name&gt;&quot;.</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The load current in amperes.</source>
        <translation>La corrente di carico in ampere.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The total cable length, out and back, in metres.</source>
        <translation>La lunghezza totale del cavo, andata e ritorno, in metri.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Il diametro del conduttore in millimetri.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>La sezione del conduttore in millimetri quadrati.</translation>
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
        <translation>Calcola la caduta di tensione lungo un cavo. Senza opzioni apre la finestra
del calcolatore; con --material, --current, --length e --diameter o --area
scrive la riga del risultato che la finestra mostrerebbe, in inglese e con
il punto decimale in ogni lingua, per gli script.
I numeri si leggono allo stesso modo in ogni lingua: punto o virgola decimale,
senza separatore delle migliaia; uno che la finestra leggerebbe diversamente
viene rifiutato.

Sono accettate anche le opzioni standard di Qt (-platform, -style,
-reverse ...).</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>write error: %1</source>
        <translation>errore di scrittura: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Provare «%1 --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2 is not a number</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given.</extracomment>
        <translation>%1 %2 non è un numero</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 %2 has thousands separators, which are not read here: write %3</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, %3 the same number without thousands separators.</extracomment>
        <translation>%1 %2 contiene separatori delle migliaia, che qui non si leggono: scriva %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is read here as %3, but in your language as %4: write %3 or %4, whichever you mean</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, which the command line reads as %3 and the window in the user&apos;s language as %4.</extracomment>
        <translation>%1 %2 qui si legge come %3, ma nella sua lingua come %4: scriva %3 o %4, secondo ciò che intende</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing %1</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>give --diameter or --area, not both</source>
        <translation>indicare --diameter o --area, non entrambi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing --diameter or --area</source>
        <translation>manca --diameter o --area</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown material %1</source>
        <translation>materiale sconosciuto %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/text/CommandLine.cpp" line="+35"/>
        <source>missing value after %1</source>
        <extracomment>After &quot;voltage-drop: &quot; on standard error; %1 is the option, quoted (&apos;--current&apos;).</extracomment>
        <translation>valore mancante dopo %1</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unexpected value after %1</source>
        <translation>valore inatteso dopo %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
</context>
<context>
    <name>error messages</name>
    <message>
        <location filename="../platform/qt/src/display/QtMessages.cpp" line="+76"/>
        <source>could not connect to an X display</source>
        <translation>impossibile connettersi a uno schermo X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>could not connect to the X display %1</source>
        <translation>impossibile connettersi allo schermo X %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland display %1 does not answer</source>
        <translation>lo schermo Wayland %1 non risponde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the Wayland display %1 does not exist</source>
        <translation>lo schermo Wayland %1 non esiste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>could not load Qt&apos;s platform plugin %1</source>
        <translation>impossibile caricare il plugin di piattaforma %1 di Qt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt has no platform plugin %1</source>
        <translation>Qt non ha il plugin di piattaforma %1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>xcb takes no options such as %1; -display names the X display</source>
        <extracomment>%1 is what was given after &quot;xcb:&quot;, such as display=:9.</extracomment>
        <translation>xcb non accetta opzioni come %1; -display indica lo schermo X</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>né DISPLAY né WAYLAND_DISPLAY è impostata</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+65"/>
        <source>no display to open the window on: %1</source>
        <extracomment>The line the program ends with when it cannot show its window; %1 says why, one reason after another, separated by &quot;; &quot;.</extracomment>
        <translation>nessuno schermo su cui aprire la finestra: %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the Wayland display %1 cannot be found: XDG_RUNTIME_DIR is not set</source>
        <extracomment>%1 is the name of a Wayland display, such as wayland-0.</extracomment>
        <translation>impossibile trovare lo schermo Wayland %1: XDG_RUNTIME_DIR non è impostata</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>the platform has no screen</source>
        <translation>la piattaforma non ha uno schermo</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>lost the display: the %1 connection broke</source>
        <translation>schermo perso: la connessione %1 si è interrotta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>nessuno schermo su cui aprire la finestra: la piattaforma %1 non mostra finestre</translation>
    </message>
    <message>
        <location filename="../platform/common/Report.cpp" line="+17"/>
        <source>an exception of unknown type</source>
        <translation>un’eccezione di tipo sconosciuto</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unhandled %1</source>
        <extracomment>The first line of the report of an error the program did not handle, in a message box and on standard error; %1 names the error, as the program&apos;s developers wrote it.</extracomment>
        <translation>Non gestito: %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/display/QtSettings.cpp" line="+33"/>
        <source>%1 %2 is not usable and was ignored</source>
        <extracomment>A warning as the program starts; %1 is an environment variable or a Qt option, %2 its value. The program goes on without it.</extracomment>
        <translation>%1 %2 non è utilizzabile ed è stato ignorato</translation>
    </message>
</context>
<context>
    <name>menus</name>
    <message>
        <location filename="../menus/MainMenuBar.cpp" line="+51"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
</context>
<context>
    <name>screen reader</name>
    <message>
        <location filename="../platform/qt/src/widgets/LineEdit.cpp" line="+114"/>
        <source>Invalid entry</source>
        <extracomment>Said of a number field whose text is not a number.</extracomment>
        <translation>Valore non valido</translation>
    </message>
    <message>
        <location filename="../window/Design.cpp" line="+48"/>
        <source>AWG 24 = 0.51054 millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.57404 millimetres<byte value="xd"/>AWG 22 = 0.64516 millimetres<byte value="xd"/>AWG 21 = 0.7239 millimetres<byte value="xd"/>AWG 20 = 0.8128 millimetres<byte value="xd"/>AWG 19 = 0.91186 millimetres<byte value="xd"/>AWG 18 = 1.02362 millimetres</source>
        <extracomment>The diameter&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,51054 millimetri (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,57404 millimetri<byte value="xd"/>AWG 22 = 0,64516 millimetri<byte value="xd"/>AWG 21 = 0,7239 millimetri<byte value="xd"/>AWG 20 = 0,8128 millimetri<byte value="xd"/>AWG 19 = 0,91186 millimetri<byte value="xd"/>AWG 18 = 1,02362 millimetri</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AWG 24 = 0.205 square millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.258 square millimetres<byte value="xd"/>AWG 22 = 0.326 square millimetres<byte value="xd"/>AWG 21 = 0.410 square millimetres<byte value="xd"/>AWG 20 = 0.518 square millimetres<byte value="xd"/>AWG 19 = 0.653 square millimetres<byte value="xd"/>AWG 18 = 0.823 square millimetres</source>
        <extracomment>The cross-section&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,205 millimetri quadrati (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,258 millimetri quadrati<byte value="xd"/>AWG 22 = 0,326 millimetri quadrati<byte value="xd"/>AWG 21 = 0,410 millimetri quadrati<byte value="xd"/>AWG 20 = 0,518 millimetri quadrati<byte value="xd"/>AWG 19 = 0,653 millimetri quadrati<byte value="xd"/>AWG 18 = 0,823 millimetri quadrati</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Material</source>
        <extracomment>What a screen reader calls the material list.</extracomment>
        <translation>Materiale</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current in amperes</source>
        <extracomment>The current field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Corrente in ampere</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copy it with Ctrl+Shift+C</source>
        <extracomment>Said after the result line; the key as it is.</extracomment>
        <translation>Per copiare: Ctrl+Maiusc+C</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Resistivity</source>
        <extracomment>Said before the new resistivity when the material changes.</extracomment>
        <translation>Resistività</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+24"/>
        <source>Wire sizes: Ctrl+F1</source>
        <extracomment>Said with the diameter and cross-section fields: the key that reads the wire table.</extracomment>
        <translation>Tabella AWG: Ctrl+F1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Cable diameter in millimetres</source>
        <extracomment>The diameter field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Diametro in millimetri</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Total cable length in metres</source>
        <extracomment>The length field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Lunghezza totale in metri</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cable area in square millimetres</source>
        <extracomment>The cross-section field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Sezione in millimetri quadrati</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="+43"/>
        <source>Voltage drop = %1 volts</source>
        <extracomment>The result line as a screen reader says it; %1 is the drop, a number or &quot;infinity&quot;.</extracomment>
        <translation>Caduta di tensione = %1 volt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>minus %1</source>
        <extracomment>A negative drop, or infinity, as a screen reader says it; %1 is the number.</extracomment>
        <translation>meno %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>infinity</source>
        <extracomment>An infinite drop (no cross-section), as a screen reader says it.</extracomment>
        <translation>infinito</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Voltage drop = not a number</source>
        <extracomment>The result line for a drop that is no number (0 × ∞), as a screen reader says it.</extracomment>
        <translation>Caduta di tensione = non è un numero</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/widgets/Label.cpp" line="+53"/>
        <location filename="../platform/web/src/widgets/Label.cpp" line="+38"/>
        <source>Copied: %1</source>
        <extracomment>Said when Ctrl+Shift+C copied the result line; %1 is the line, its unit in words.</extracomment>
        <translation>Copiato: %1</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="-158"/>
        <location filename="../window/Design.cpp" line="-129"/>
        <source>Voltage Drop Calculator</source>
        <extracomment>The window&apos;s title, about 300 pixels wide, and the program&apos;s name in the desktop&apos;s menus.</extracomment>
        <translation>Calcolo della caduta di tensione</translation>
    </message>
    <message>
        <location filename="../calc/Materials.h" line="+20"/>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aluminium</source>
        <translation>Alluminio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lead</source>
        <extracomment>The metal lead (Pb), a conductor material; not a lead wire.</extracomment>
        <translation>Piombo</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="-24"/>
        <source>Voltage drop = %1V</source>
        <extracomment>The result line, in bold, 256 pixels wide; %1 is the drop in volts.</extracomment>
        <translation>Caduta di tensione = %1 V</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <extracomment>The formula line, in small italics, 256 pixels wide; %1 is the material&apos;s resistivity.</extracomment>
        <translation>ΔU (20&#xa0;°C) = ( Lunghezza × Corrente × %1 ) / Sezione</translation>
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
        <translation>Corrente (A):</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Cable diameter (mm):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Diametro (mm):</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Total cable length (m):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one. The length is the whole run, out and back, not the one-way length some formulas double.</extracomment>
        <translation>Lunghezza totale (m):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total cable length, out and back.</source>
        <extracomment>The length caption&apos;s tooltip, which a screen reader says with the field.</extracomment>
        <translation>Lunghezza totale del cavo, andata e ritorno.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cable area (mm2):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Sezione (mm²):</translation>
    </message>
</context>
</TS>
