<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>platform</name>
    <message>
        <source>Voltage Drop Calculator</source>
        <translation>Calculadora de caída de tensión</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Escribir la caída de tensión para este material conductor (%1) en lugar de abrir la ventana; requiere --current, --length y --diameter o --area.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>The load current in amperes.</source>
        <translation>La corriente de carga en amperios.</translation>
    </message>
    <message>
        <source>The total cable length, out and back, in metres.</source>
        <translation>La longitud total del cable, ida y vuelta, en metros.</translation>
    </message>
    <message>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>El diámetro del conductor en milímetros.</translation>
    </message>
    <message>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>La sección del conductor en milímetros cuadrados.</translation>
    </message>
    <message>
        <source>Computes the voltage drop along a cable run. Without options it opens the
calculator window; with --material, --current, --length and --diameter or
--area it prints the result line the window would show for those inputs,
in English and with a decimal point in every language, for scripts.
Numbers are read as the window reads them, with a decimal point or comma.

Qt&apos;s standard options (-platform, -style, -reverse ...) are accepted too.</source>
        <translation>Calcula la caída de tensión a lo largo de un cable. Sin opciones abre la
ventana de la calculadora; con --material, --current, --length y --diameter
o --area escribe la línea de resultado que mostraría la ventana, en inglés
y con punto decimal en todos los idiomas, para los scripts.
Los números se leen como en la ventana, con punto o coma decimal.

También se aceptan las opciones estándar de Qt (-platform, -style, -reverse ...).</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>error de escritura: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>give --diameter or --area, not both</source>
        <translation>indique --diameter o --area, no ambos</translation>
    </message>
    <message>
        <source>missing --diameter or --area</source>
        <translation>falta --diameter o --area</translation>
    </message>
    <message>
        <source>unknown material %1</source>
        <translation>material desconocido %1</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomo</translation>
    </message>
    <message>
        <source>Voltage drop = %1V</source>
        <translation>Caída de tensión = %1 V</translation>
    </message>
    <message>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <translation>ΔU (20°C) = ( Longitud x Corriente x %1 ) / Sección</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecciona&amp;r todo</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>falta el valor después de %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Corriente (A):</translation>
    </message>
    <message>
        <source>Current in amperes</source>
        <translation>Corriente en amperios</translation>
    </message>
    <message>
        <source>Copy it with Ctrl+Shift+C</source>
        <translation>Cópielo con Ctrl+Mayús+C</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Resistividad</translation>
    </message>
    <message>
        <source>Cable diameter (mm):</source>
        <translation>Diámetro (mm):</translation>
    </message>
    <message>
        <source>Wire sizes: Ctrl+F1</source>
        <translation>Calibres AWG: Ctrl+F1</translation>
    </message>
    <message>
        <source>Cable diameter in millimetres</source>
        <translation>Diámetro en milímetros</translation>
    </message>
    <message>
        <source>Total cable length (m):</source>
        <translation>Longitud total (m):</translation>
    </message>
    <message>
        <source>Total cable length, out and back.</source>
        <translation>Longitud total del cable, ida y vuelta.</translation>
    </message>
    <message>
        <source>Total cable length in metres</source>
        <translation>Longitud total en metros</translation>
    </message>
    <message>
        <source>Cable area (mm2):</source>
        <translation>Sección (mm²):</translation>
    </message>
    <message>
        <source>Cable area in square millimetres</source>
        <translation>Sección en milímetros cuadrados</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>o %1</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>no está definida ni DISPLAY ni WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no display to open the window on: %1</source>
        <translation>no hay pantalla en la que abrir la ventana: %1</translation>
    </message>
    <message>
        <source>lost the display: the %1 connection broke</source>
        <translation>se perdió la pantalla: la conexión %1 se cortó</translation>
    </message>
    <message>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>no hay pantalla en la que abrir la ventana: la plataforma %1 no muestra ventanas</translation>
    </message>
    <message>
        <source>Unhandled %1</source>
        <translation>Sin tratar: %1</translation>
    </message>
</context>
</TS>
