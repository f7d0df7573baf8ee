<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>platform</name>
    <message>
        <source>Voltage Drop Calculator</source>
        <translation>Calcul de chute de tension</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Print the voltage drop for this conductor material (%1) instead of opening the window; needs --current, --length and --diameter or --area.</source>
        <translation>Afficher la chute de tension pour ce matériau conducteur (%1) au lieu d’ouvrir la fenêtre ; requiert --current, --length et --diameter ou --area.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>The load current in amperes.</source>
        <translation>Le courant de charge en ampères.</translation>
    </message>
    <message>
        <source>The total cable length, out and back, in metres.</source>
        <translation>La longueur totale du câble, aller et retour, en mètres.</translation>
    </message>
    <message>
        <source>The conductor&apos;s diameter in millimetres.</source>
        <translation>Le diamètre du conducteur en millimètres.</translation>
    </message>
    <message>
        <source>The conductor&apos;s cross-section in square millimetres.</source>
        <translation>La section du conducteur en millimètres carrés.</translation>
    </message>
    <message>
        <source>Computes the voltage drop along a cable run. Without options it opens the
calculator window; with --material, --current, --length and --diameter or
--area it prints the result line the window would show for those inputs,
in English and with a decimal point in every language, for scripts.
Numbers are read as the window reads them, with a decimal point or comma.

Qt&apos;s standard options (-platform, -style, -reverse ...) are accepted too.</source>
        <translation>Calcule la chute de tension le long d’un câble. Sans option, il ouvre la
fenêtre du calculateur ; avec --material, --current, --length et --diameter
ou --area, il affiche la ligne de résultat que la fenêtre montrerait, en
anglais et avec un point décimal dans toutes les langues, pour les scripts.
Les nombres sont lus comme dans la fenêtre, avec un point ou une virgule.

Les options standard de Qt (-platform, -style, -reverse ...) sont aussi acceptées.</translation>
    </message>
    <message>
        <source>write error: %1</source>
        <translation>erreur d’écriture : %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez « %1 --help » pour plus d’informations.</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>give --diameter or --area, not both</source>
        <translation>donnez --diameter ou --area, pas les deux</translation>
    </message>
    <message>
        <source>missing --diameter or --area</source>
        <translation>--diameter ou --area manquant</translation>
    </message>
    <message>
        <source>unknown material %1</source>
        <translation>matériau inconnu %1</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomb</translation>
    </message>
    <message>
        <source>Voltage drop = %1V</source>
        <translation>Chute de tension = %1 V</translation>
    </message>
    <message>
        <source>Vd (20°C) = ( Length x Current x %1 ) / Area</source>
        <translation>ΔU (20°C) = ( Longueur x Courant x %1 ) / Section</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout sé&amp;lectionner</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>valeur manquante après %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>Invalid entry</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Current (A):</source>
        <translation>Courant (A) :</translation>
    </message>
    <message>
        <source>Current in amperes</source>
        <translation>Courant en ampères</translation>
    </message>
    <message>
        <source>Copy it with Ctrl+Shift+C</source>
        <translation>Copier avec Ctrl+Maj+C</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Résistivité</translation>
    </message>
    <message>
        <source>Cable diameter (mm):</source>
        <translation>Diamètre (mm) :</translation>
    </message>
    <message>
        <source>Wire sizes: Ctrl+F1</source>
        <translation>Calibres AWG : Ctrl+F1</translation>
    </message>
    <message>
        <source>Cable diameter in millimetres</source>
        <translation>Diamètre en millimètres</translation>
    </message>
    <message>
        <source>Total cable length (m):</source>
        <translation>Longueur totale (m) :</translation>
    </message>
    <message>
        <source>Total cable length, out and back.</source>
        <translation>Longueur totale du câble, aller et retour.</translation>
    </message>
    <message>
        <source>Total cable length in metres</source>
        <translation>Longueur totale en mètres</translation>
    </message>
    <message>
        <source>Cable area (mm2):</source>
        <translation>Section (mm²) :</translation>
    </message>
    <message>
        <source>Cable area in square millimetres</source>
        <translation>Section en millimètres carrés</translation>
    </message>
    <message>
        <source>or %1</source>
        <translation>ou %1</translation>
    </message>
    <message>
        <source>neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
    <message>
        <source>no display to open the window on: %1</source>
        <translation>aucun affichage où ouvrir la fenêtre : %1</translation>
    </message>
    <message>
        <source>lost the display: the %1 connection broke</source>
        <translation>affichage perdu : la connexion %1 a été coupée</translation>
    </message>
    <message>
        <source>no display to open the window on: the %1 platform shows no window</source>
        <translation>aucun affichage où ouvrir la fenêtre : la plateforme %1 n’affiche pas de fenêtre</translation>
    </message>
    <message>
        <source>Unhandled %1</source>
        <translation>Non traité : %1</translation>
    </message>
</context>
</TS>
