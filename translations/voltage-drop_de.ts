<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>platform</name>
    <message>
        <source>Voltage Drop Calculator</source>
        <translation>Spannungsfall-Rechner</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Den Spannungsfall für diesen Leiterwerkstoff (%1) ausgeben, statt das Fenster zu öffnen; braucht --current, --length und --diameter oder --area.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>The load current in amperes.</source>
        <translation>Der Laststrom in Ampere.</translation>
    </message>
    <message>
        <source>The total cable length, out and back, in metres.</source>
        <translation>Die gesamte Leitungslänge, Hin- und Rückleiter, in Metern.</translation>
    </message>
    <message>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Der Leiterdurchmesser in Millimetern.</translation>
    </message>
    <message>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>Der Leiterquerschnitt in Quadratmillimetern.</translation>
    </message>
    <message>
        <source>Computes the voltage drop along a cable run. Without options it opens the
calculator window; with --material, --current, --length and --diameter or
--area it prints the result line the window would show for those inputs,
in English and with a decimal point in every language, for scripts.
Numbers are read as the window reads them, with a decimal point or comma.

Qt&apos;s standard options (-platform, -style, -reverse ...) are accepted too.</source>
        <translation>Berechnet den Spannungsfall auf einer Leitung. Ohne Optionen öffnet es das
Rechnerfenster; mit --material, --current, --length und --diameter oder
--area gibt es die Ergebniszeile aus, die das Fenster zeigen würde, in jeder
Sprache auf Englisch und mit Dezimalpunkt, für Skripte.
Zahlen werden wie im Fenster gelesen, mit Dezimalpunkt oder -komma.

Qts Standardoptionen (-platform, -style, -reverse ...) werden auch angenommen.</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>Schreibfehler: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ zeigt mehr Informationen.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>give --diameter or --area, not both</source>
        <translation>--diameter oder --area angeben, nicht beides</translation>
    </message>
    <message>
        <source>missing --diameter or --area</source>
        <translation>--diameter oder --area fehlt</translation>
    </message>
    <message>
        <source>unknown material %1</source>
        <translation>unbekannter Werkstoff %1</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Voltage drop = %1V</source>
        <translation>Spannungsfall = %1 V</translation>
    </message>
    <message>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <translation>ΔU (20°C) = ( Länge x Strom x %1 ) / Querschnitt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>A&amp;usschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>fehlender Wert nach %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Werkstoff</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Strom (A):</translation>
    </message>
    <message>
        <source>Current in amperes</source>
        <translation>Strom in Ampere</translation>
    </message>
    <message>
        <source>Copy it with Ctrl+Shift+C</source>
        <translation>Kopieren mit Strg+Umschalt+C</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Spezifischer Widerstand</translation>
    </message>
    <message>
        <source>Cable diameter (mm):</source>
        <translation>Durchmesser (mm):</translation>
    </message>
    <message>
        <source>Wire sizes: Ctrl+F1</source>
        <translation>Drahtgrößen: Strg+F1</translation>
    </message>
    <message>
        <source>Cable diameter in millimetres</source>
        <translation>Durchmesser in Millimetern</translation>
    </message>
    <message>
        <source>Total cable length (m):</source>
        <translation>Leitungslänge (m):</translation>
    </message>
    <message>
        <source>Total cable length, out and back.</source>
        <translation>Gesamte Leitungslänge, Hin- und Rückleiter.</translation>
    </message>
    <message>
        <source>Total cable length in metres</source>
        <translation>Leitungslänge in Metern</translation>
    </message>
    <message>
        <source>Cable area (mm2):</source>
        <translation>Querschnitt (mm²):</translation>
    </message>
    <message>
        <source>Cable area in square millimetres</source>
        <translation>Querschnitt in Quadratmillimetern</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>oder %1</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>no display to open the window on: %1</source>
        <translation>keine Anzeige, um das Fenster zu öffnen: %1</translation>
    </message>
    <message>
        <source>lost the display: the %1 connection broke</source>
        <translation>Anzeige verloren: die %1-Verbindung ist abgebrochen</translation>
    </message>
    <message>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>keine Anzeige, um das Fenster zu öffnen: die Plattform %1 zeigt keine Fenster</translation>
    </message>
    <message>
        <source>Unhandled %1</source>
        <translation>Unbehandelt: %1</translation>
    </message>
</context>
</TS>
