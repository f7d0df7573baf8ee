<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>platform</name>
    <message>
        <source>Voltage Drop Calculator</source>
        <translation>Calcolo della caduta di tensione</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Scrive la caduta di tensione per questo materiale conduttore (%1) invece di aprire la finestra; richiede --current, --length e --diameter o --area.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>The load current in amperes.</source>
        <translation>La corrente di carico in ampere.</translation>
    </message>
    <message>
        <source>The total cable length, out and back, in metres.</source>
        <translation>La lunghezza totale del cavo, andata e ritorno, in metri.</translation>
    </message>
    <message>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Il diametro del conduttore in millimetri.</translation>
    </message>
    <message>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>La sezione del conduttore in millimetri quadrati.</translation>
    </message>
    <message>
        <source>Computes the voltage drop along a cable run. Without options it opens the
calculator window; with --material, --current, --length and --diameter or
--area it prints the result line the window would show for those inputs,
in English and with a decimal point in every language, for scripts.
Numbers are read as the window reads them, with a decimal point or comma.

Qt&apos;s standard options (-platform, -style, -reverse ...) are accepted too.</source>
        <translation>Calcola la caduta di tensione lungo un cavo. Senza opzioni apre la finestra
del calcolatore; con --material, --current, --length e --diameter o --area
scrive la riga del risultato che la finestra mostrerebbe, in inglese e con
il punto decimale in ogni lingua, per gli script.
I numeri si leggono come nella finestra, con il punto o la virgola decimale.

Sono accettate anche le opzioni standard di Qt (-platform, -style, -reverse ...).</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>errore di scrittura: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Provare «%1 --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>give --diameter or --area, not both</source>
        <translation>indicare --diameter o --area, non entrambi</translation>
    </message>
    <message>
        <source>missing --diameter or --area</source>
        <translation>manca --diameter o --area</translation>
    </message>
    <message>
        <source>unknown material %1</source>
        <translation>materiale sconosciuto %1</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Alluminio</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Piombo</translation>
    </message>
    <message>
        <source>Voltage drop = %1V</source>
        <translation>Caduta di tensione = %1 V</translation>
    </message>
    <message>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <translation>ΔU (20°C) = ( Lunghezza x Corrente x %1 ) / Sezione</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>valore mancante dopo %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Valore non valido</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Corrente (A):</translation>
    </message>
    <message>
        <source>Current in amperes</source>
        <translation>Corrente in ampere</translation>
    </message>
    <message>
        <source>Copy it with Ctrl+Shift+C</source>
        <translation>Copialo con Ctrl+Maiusc+C</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Resistività</translation>
    </message>
    <message>
        <source>Cable diameter (mm):</source>
        <translation>Diametro (mm):</translation>
    </message>
    <message>
        <source>Wire sizes: Ctrl+F1</source>
        <translation>Sezioni AWG: Ctrl+F1</translation>
    </message>
    <message>
        <source>Cable diameter in millimetres</source>
        <translation>Diametro in millimetri</translation>
    </message>
    <message>
        <source>Total cable length (m):</source>
        <translation>Lunghezza totale (m):</translation>
    </message>
    <message>
        <source>Total cable length, out and back.</source>
        <translation>Lunghezza totale del cavo, andata e ritorno.</translation>
    </message>
    <message>
        <source>Total cable length in metres</source>
        <translation>Lunghezza totale in metri</translation>
    </message>
    <message>
        <source>Cable area (mm2):</source>
        <translation>Sezione (mm²):</translation>
    </message>
    <message>
        <source>Cable area in square millimetres</source>
        <translation>Sezione in millimetri quadrati</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>o %1</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>né DISPLAY né WAYLAND_DISPLAY è impostata</translation>
    </message>
    <message>
        <source>no display to open the window on: %1</source>
        <translation>nessuno schermo su cui aprire la finestra: %1</translation>
    </message>
    <message>
        <source>lost the display: the %1 connection broke</source>
        <translation>schermo perso: la connessione %1 si è interrotta</translation>
    </message>
    <message>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>nessuno schermo su cui aprire la finestra: la piattaforma %1 non mostra finestre</translation>
    </message>
    <message>
        <source>Unhandled %1</source>
        <translation>Non gestito: %1</translation>
    </message>
</context>
</TS>
