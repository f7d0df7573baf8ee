<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>command line</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+48"/>
        <source>or %1</source>
        <extracomment>The end of the list of materials in --help: &quot;copper, …, iron or lead&quot;; %1 is &quot;lead&quot;.</extracomment>
        <translation>ou %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Afficher la chute de tension pour ce matériau conducteur (%1) au lieu d’ouvrir la fenêtre&#x202f;; requiert --current, --length et --diameter ou --area.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>name</source>
        <extracomment>The value&apos;s name in --help: &quot;--material &lt;name&gt;&quot;.</extracomment>
        <translation>nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The load current in amperes.</source>
        <translation>Le courant de charge en ampères.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The total cable length, out and back, in metres.</source>
        <translation>La longueur totale du câble, aller et retour, en mètres.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Le diamètre du conducteur en millimètres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>La section du conducteur en millimètres carrés.</translation>
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
        <translation>Calcule la chute de tension le long d’un câble. Sans option, il ouvre la
fenêtre du calculateur&#x202f;; avec --material, --current, --length et --diameter
ou --area, il affiche la ligne de résultat que la fenêtre montrerait, en
anglais et avec un point décimal dans toutes les langues, pour les scripts.
Les nombres sont lus de la même façon dans toutes les langues&#x202f;: un point
ou une virgule décimale, sans séparateur de milliers&#x202f;; un nombre que la
fenêtre lirait autrement est refusé.

Les options standard de Qt (-platform, -style, -reverse ...) sont aussi
acceptées.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>write error: %1</source>
        <translation>erreur d’écriture&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez «&#x202f;%1 --help&#x202f;» pour plus d’informations.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2 is not a number</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given.</extracomment>
        <translation>%1 %2 n’est pas un nombre</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 %2 has thousands separators, which are not read here: write %3</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, %3 the same number without thousands separators.</extracomment>
        <translation>%1 %2 contient des séparateurs de milliers, qui ne sont pas lus ici&#x202f;: écrivez %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is read here as %3, but in your language as %4: write %3 or %4, whichever you mean</source>
        <extracomment>An error of the command line: %1 is the option, %2 its value as given, which the command line reads as %3 and the window in the user&apos;s language as %4.</extracomment>
        <translation>%1 %2 est lu ici comme %3, mais dans votre langue comme %4&#x202f;: écrivez %3 ou %4, selon ce que vous voulez dire</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>give --diameter or --area, not both</source>
        <translation>donnez --diameter ou --area, pas les deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing --diameter or --area</source>
        <translation>--diameter ou --area manquant</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown material %1</source>
        <translation>matériau inconnu %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/text/CommandLine.cpp" line="+35"/>
        <source>missing value after %1</source>
        <extracomment>After &quot;voltage-drop: &quot; on standard error; %1 is the option, quoted (&apos;--current&apos;).</extracomment>
        <translation>valeur manquante après %1</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>unexpected value after %1</source>
        <translation>valeur inattendue après %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
</context>
<context>
    <name>error messages</name>
    <message>
        <location filename="../platform/qt/src/display/QtMessages.cpp" line="+76"/>
        <source>could not connect to an X display</source>
        <translation>impossible de se connecter à un affichage X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>could not connect to the X display %1</source>
        <translation>impossible de se connecter à l’affichage X %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the Wayland display %1 does not answer</source>
        <translation>l’affichage Wayland %1 ne répond pas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the Wayland display %1 does not exist</source>
        <translation>l’affichage Wayland %1 n’existe pas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>could not load Qt&apos;s platform plugin %1</source>
        <translation>impossible de charger le module de plateforme %1 de Qt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Qt has no platform plugin %1</source>
        <translation>Qt n’a pas de module de plateforme %1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>xcb takes no options such as %1; -display names the X display</source>
        <extracomment>%1 is what was given after &quot;xcb:&quot;, such as display=:9.</extracomment>
        <translation>xcb n’accepte pas d’option telle que %1 ; -display désigne l’affichage X</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+65"/>
        <source>no display to open the window on: %1</source>
        <extracomment>The line the program ends with when it cannot show its window; %1 says why, one reason after another, separated by &quot;; &quot;.</extracomment>
        <translation>aucun affichage où ouvrir la fenêtre&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the Wayland display %1 cannot be found: XDG_RUNTIME_DIR is not set</source>
        <extracomment>%1 is the name of a Wayland display, such as wayland-0.</extracomment>
        <translation>l’affichage Wayland %1 est introuvable : XDG_RUNTIME_DIR n’est pas défini</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>the platform has no screen</source>
        <translation>la plateforme n’a pas d’écran</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>lost the display: the %1 connection broke</source>
        <translation>affichage perdu&#xa0;: la connexion %1 a été coupée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>aucun affichage où ouvrir la fenêtre&#xa0;: la plateforme %1 n’affiche pas de fenêtre</translation>
    </message>
    <message>
        <location filename="../platform/common/Report.cpp" line="+17"/>
        <source>an exception of unknown type</source>
        <translation>une exception de type inconnu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unhandled %1</source>
        <extracomment>The first line of the report of an error the program did not handle, in a message box and on standard error; %1 names the error, as the program&apos;s developers wrote it.</extracomment>
        <translation>Non traité&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/display/QtSettings.cpp" line="+33"/>
        <source>%1 %2 is not usable and was ignored</source>
        <extracomment>A warning as the program starts; %1 is an environment variable or a Qt option, %2 its value. The program goes on without it.</extracomment>
        <translation>%1 %2 n’est pas utilisable et a été ignoré</translation>
    </message>
</context>
<context>
    <name>menus</name>
    <message>
        <location filename="../menus/MainMenuBar.cpp" line="+51"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select &amp;All</source>
        <translation>Tout sé&amp;lectionner</translation>
    </message>
</context>
<context>
    <name>screen reader</name>
    <message>
        <location filename="../platform/qt/src/widgets/LineEdit.cpp" line="+114"/>
        <source>Invalid entry</source>
        <extracomment>Said of a number field whose text is not a number.</extracomment>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <location filename="../window/Design.cpp" line="+48"/>
        <source>AWG 24 = 0.51054 millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.57404 millimetres<byte value="xd"/>AWG 22 = 0.64516 millimetres<byte value="xd"/>AWG 21 = 0.7239 millimetres<byte value="xd"/>AWG 20 = 0.8128 millimetres<byte value="xd"/>AWG 19 = 0.91186 millimetres<byte value="xd"/>AWG 18 = 1.02362 millimetres</source>
        <extracomment>The diameter&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,51054 millimètres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,57404 millimètres<byte value="xd"/>AWG 22 = 0,64516 millimètres<byte value="xd"/>AWG 21 = 0,7239 millimètres<byte value="xd"/>AWG 20 = 0,8128 millimètres<byte value="xd"/>AWG 19 = 0,91186 millimètres<byte value="xd"/>AWG 18 = 1,02362 millimètres</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>AWG 24 = 0.205 square millimetres (cat5/cat5e)<byte value="xd"/>AWG 23 = 0.258 square millimetres<byte value="xd"/>AWG 22 = 0.326 square millimetres<byte value="xd"/>AWG 21 = 0.410 square millimetres<byte value="xd"/>AWG 20 = 0.518 square millimetres<byte value="xd"/>AWG 19 = 0.653 square millimetres<byte value="xd"/>AWG 18 = 0.823 square millimetres</source>
        <extracomment>The cross-section&apos;s wire table as a screen reader says it: the table above with the unit in words.</extracomment>
        <translation>AWG 24 = 0,205 millimètres carrés (cat5/cat5e)<byte value="xd"/>AWG 23 = 0,258 millimètres carrés<byte value="xd"/>AWG 22 = 0,326 millimètres carrés<byte value="xd"/>AWG 21 = 0,410 millimètres carrés<byte value="xd"/>AWG 20 = 0,518 millimètres carrés<byte value="xd"/>AWG 19 = 0,653 millimètres carrés<byte value="xd"/>AWG 18 = 0,823 millimètres carrés</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Material</source>
        <extracomment>What a screen reader calls the material list.</extracomment>
        <translation>Matériau</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Current in amperes</source>
        <extracomment>The current field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Courant en ampères</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copy it with Ctrl+Shift+C</source>
        <extracomment>Said after the result line; the key as it is.</extracomment>
        <translation>Copier avec Ctrl+Maj+C</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Resistivity</source>
        <extracomment>Said before the new resistivity when the material changes.</extracomment>
        <translation>Résistivité</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+24"/>
        <source>Wire sizes: Ctrl+F1</source>
        <extracomment>Said with the diameter and cross-section fields: the key that reads the wire table.</extracomment>
        <translation>Calibres AWG&#xa0;: Ctrl+F1</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Cable diameter in millimetres</source>
        <extracomment>The diameter field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Diamètre en millimètres</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Total cable length in metres</source>
        <extracomment>The length field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Longueur totale en mètres</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cable area in square millimetres</source>
        <extracomment>The cross-section field&apos;s name as a screen reader says it: the unit in words.</extracomment>
        <translation>Section en millimètres carrés</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="+43"/>
        <source>Voltage drop = %1 volts</source>
        <extracomment>The result line as a screen reader says it; %1 is the drop, a number or &quot;infinity&quot;.</extracomment>
        <translation>Chute de tension = %1 volts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>minus %1</source>
        <extracomment>A negative drop, or infinity, as a screen reader says it; %1 is the number.</extracomment>
        <translation>moins %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>infinity</source>
        <extracomment>An infinite drop (no cross-section), as a screen reader says it.</extracomment>
        <translation>infini</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Voltage drop = not a number</source>
        <extracomment>The result line for a drop that is no number (0 × ∞), as a screen reader says it.</extracomment>
        <translation>La chute de tension n’est pas un nombre</translation>
    </message>
    <message>
        <location filename="../platform/qt/src/widgets/Label.cpp" line="+53"/>
        <location filename="../platform/web/src/widgets/Label.cpp" line="+38"/>
        <source>Copied: %1</source>
        <extracomment>Said when Ctrl+Shift+C copied the result line; %1 is the line, its unit in words.</extracomment>
        <translation>Copié&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="-158"/>
        <location filename="../window/Design.cpp" line="-129"/>
        <source>Voltage Drop Calculator</source>
        <extracomment>The window&apos;s title, about 300 pixels wide, and the program&apos;s name in the desktop&apos;s menus.</extracomment>
        <translation>Calculateur de chute de tension</translation>
    </message>
    <message>
        <location filename="../calc/Materials.h" line="+20"/>
        <source>Copper</source>
        <translation>Cuivre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iron</source>
        <translation>Fer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lead</source>
        <extracomment>The metal lead (Pb), a conductor material; not a lead wire.</extracomment>
        <translation>Plomb</translation>
    </message>
    <message>
        <location filename="../calc/VoltageDrop.h" line="-24"/>
        <source>Voltage drop = %1V</source>
        <extracomment>The result line, in bold, 256 pixels wide; %1 is the drop in volts.</extracomment>
        <translation>Chute de tension = %1 V</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <extracomment>The formula line, in small italics, 256 pixels wide; %1 is the material&apos;s resistivity.</extracomment>
        <translation>ΔU (20&#xa0;°C) = ( Longueur × Courant × %1 ) / Section</translation>
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
        <translation>Courant (A)&#xa0;:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Cable diameter (mm):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Diamètre (mm)&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Total cable length (m):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one. The length is the whole run, out and back, not the one-way length some formulas double.</extracomment>
        <translation>Longueur totale (m)&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total cable length, out and back.</source>
        <extracomment>The length caption&apos;s tooltip, which a screen reader says with the field.</extracomment>
        <translation>Longueur totale du câble, aller et retour.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cable area (mm2):</source>
        <extracomment>A field&apos;s caption, 142 pixels wide: the window widens for a longer one.</extracomment>
        <translation>Section (mm²)&#xa0;:</translation>
    </message>
</context>
</TS>
