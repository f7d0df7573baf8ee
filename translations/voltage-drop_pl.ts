<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>platform</name>
    <message>
        <source>Voltage Drop Calculator</source>
        <translation>Kalkulator spadku napięcia</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokaż wersję i zakończ.</translation>
    </message>
    <message>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Wypisz spadek napięcia dla tego materiału przewodu (%1) zamiast otwierać okno; wymaga --current, --length oraz --diameter lub --area.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>The load current in amperes.</source>
        <translation>Prąd obciążenia w amperach.</translation>
    </message>
    <message>
        <source>The total cable length, out and back, in metres.</source>
        <translation>Całkowita długość kabla, tam i z powrotem, w metrach.</translation>
    </message>
    <message>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Średnica żyły w milimetrach.</translation>
    </message>
    <message>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>Przekrój żyły w milimetrach kwadratowych.</translation>
    </message>
    <message>
        <source>Computes the voltage drop along a cable run. Without options it opens the
calculator window; with --material, --current, --length and --diameter or
--area it prints the result line the window would show for those inputs,
in English and with a decimal point in every language, for scripts.
Numbers are read as the window reads them, with a decimal point or comma.

Qt&apos;s standard options (-platform, -style, -reverse ...) are accepted too.</source>
        <translation>Oblicza spadek napięcia na przewodzie. Bez opcji otwiera okno kalkulatora;
z --material, --current, --length oraz --diameter lub --area wypisuje wiersz
wyniku, który pokazałoby okno, w każdym języku po angielsku i z kropką
dziesiętną, dla skryptów.
Liczby są czytane jak w oknie, z kropką lub przecinkiem dziesiętnym.

Akceptowane są też standardowe opcje Qt (-platform, -style, -reverse ...).</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>błąd zapisu: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Polecenie „%1 --help” pokaże więcej informacji.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>brak %1</translation>
    </message>
    <message>
        <source>give --diameter or --area, not both</source>
        <translation>podaj --diameter lub --area, nie oba</translation>
    </message>
    <message>
        <source>missing --diameter or --area</source>
        <translation>brak --diameter lub --area</translation>
    </message>
    <message>
        <source>unknown material %1</source>
        <translation>nieznany materiał %1</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Miedź</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoto</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebro</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Żelazo</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Ołów</translation>
    </message>
    <message>
        <source>Voltage drop = %1V</source>
        <translation>Spadek napięcia = %1 V</translation>
    </message>
    <message>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <translation>ΔU (20°C) = ( Długość x Prąd x %1 ) / Przekrój</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz wszys&amp;tko</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>brak wartości po %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Nieprawidłowa wartość</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Prąd (A):</translation>
    </message>
    <message>
        <source>Current in amperes</source>
        <translation>Prąd w amperach</translation>
    </message>
    <message>
        <source>Copy it with Ctrl+Shift+C</source>
        <translation>Skopiuj: Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Rezystywność</translation>
    </message>
    <message>
        <source>Cable diameter (mm):</source>
        <translation>Średnica (mm):</translation>
    </message>
    <message>
        <source>Wire sizes: Ctrl+F1</source>
        <translation>Rozmiary AWG: Ctrl+F1</translation>
    </message>
    <message>
        <source>Cable diameter in millimetres</source>
        <translation>Średnica w milimetrach</translation>
    </message>
    <message>
        <source>Total cable length (m):</source>
        <translation>Długość całkowita (m):</translation>
    </message>
    <message>
        <source>Total cable length, out and back.</source>
        <translation>Całkowita długość kabla, tam i z powrotem.</translation>
    </message>
    <message>
        <source>Total cable length in metres</source>
        <translation>Długość całkowita w metrach</translation>
    </message>
    <message>
        <source>Cable area (mm2):</source>
        <translation>Przekrój (mm²):</translation>
    </message>
    <message>
        <source>Cable area in square millimetres</source>
        <translation>Przekrój w milimetrach kwadratowych</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>lub %1</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display to open the window on: %1</source>
        <translation>brak ekranu, na którym można otworzyć okno: %1</translation>
    </message>
    <message>
        <source>lost the display: the %1 connection broke</source>
        <translation>utracono ekran: połączenie %1 zostało zerwane</translation>
    </message>
    <message>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>brak ekranu, na którym można otworzyć okno: platforma %1 nie pokazuje okien</translation>
    </message>
    <message>
        <source>Unhandled %1</source>
        <translation>Nieobsłużone: %1</translation>
    </message>
</context>
</TS>
