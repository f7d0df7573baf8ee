<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>platform</name>
    <message>
        <source>Voltage Drop Calculator</source>
        <translation>Calculadora de queda de tensão</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Escrever a queda de tensão para este material condutor (%1) em vez de abrir a janela; requer --current, --length e --diameter ou --area.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>The load current in amperes.</source>
        <translation>A corrente de carga em ampères.</translation>
    </message>
    <message>
        <source>The total cable length, out and back, in metres.</source>
        <translation>O comprimento total do cabo, ida e volta, em metros.</translation>
    </message>
    <message>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>O diâmetro do condutor em milímetros.</translation>
    </message>
    <message>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>A seção do condutor em milímetros quadrados.</translation>
    </message>
    <message>
        <source>Computes the voltage drop along a cable run. Without options it opens the
calculator window; with --material, --current, --length and --diameter or
--area it prints the result line the window would show for those inputs,
in English and with a decimal point in every language, for scripts.
Numbers are read as the window reads them, with a decimal point or comma.

Qt&apos;s standard options (-platform, -style, -reverse ...) are accepted too.</source>
        <translation>Calcula a queda de tensão ao longo de um cabo. Sem opções, abre a janela da
calculadora; com --material, --current, --length e --diameter ou --area,
escreve a linha de resultado que a janela mostraria, em inglês e com ponto
decimal em qualquer idioma, para scripts.
Os números são lidos como na janela, com ponto ou vírgula decimal.

As opções padrão do Qt (-platform, -style, -reverse ...) também são aceitas.</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>erro de escrita: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Tente &quot;%1 --help&quot; para mais informações.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>give --diameter or --area, not both</source>
        <translation>informe --diameter ou --area, não ambos</translation>
    </message>
    <message>
        <source>missing --diameter or --area</source>
        <translation>falta --diameter ou --area</translation>
    </message>
    <message>
        <source>unknown material %1</source>
        <translation>material desconhecido %1</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Alumínio</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Ouro</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Chumbo</translation>
    </message>
    <message>
        <source>Voltage drop = %1V</source>
        <translation>Queda de tensão = %1 V</translation>
    </message>
    <message>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <translation>ΔU (20°C) = ( Comprimento x Corrente x %1 ) / Seção</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>falta o valor após %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Entrada inválida</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Corrente (A):</translation>
    </message>
    <message>
        <source>Current in amperes</source>
        <translation>Corrente em ampères</translation>
    </message>
    <message>
        <source>Copy it with Ctrl+Shift+C</source>
        <translation>Copie com Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Resistividade</translation>
    </message>
    <message>
        <source>Cable diameter (mm):</source>
        <translation>Diâmetro (mm):</translation>
    </message>
    <message>
        <source>Wire sizes: Ctrl+F1</source>
        <translation>Bitolas AWG: Ctrl+F1</translation>
    </message>
    <message>
        <source>Cable diameter in millimetres</source>
        <translation>Diâmetro em milímetros</translation>
    </message>
    <message>
        <source>Total cable length (m):</source>
        <translation>Comprimento total (m):</translation>
    </message>
    <message>
        <source>Total cable length, out and back.</source>
        <translation>Comprimento total do cabo, ida e volta.</translation>
    </message>
    <message>
        <source>Total cable length in metres</source>
        <translation>Comprimento total em metros</translation>
    </message>
    <message>
        <source>Cable area (mm2):</source>
        <translation>Seção (mm²):</translation>
    </message>
    <message>
        <source>Cable area in square millimetres</source>
        <translation>Seção em milímetros quadrados</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>ou %1</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nem DISPLAY nem WAYLAND_DISPLAY está definida</translation>
    </message>
    <message>
        <source>no display to open the window on: %1</source>
        <translation>nenhuma tela onde abrir a janela: %1</translation>
    </message>
    <message>
        <source>lost the display: the %1 connection broke</source>
        <translation>tela perdida: a conexão %1 caiu</translation>
    </message>
    <message>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>nenhuma tela onde abrir a janela: a plataforma %1 não mostra janelas</translation>
    </message>
    <message>
        <source>Unhandled %1</source>
        <translation>Não tratado: %1</translation>
    </message>
</context>
</TS>
