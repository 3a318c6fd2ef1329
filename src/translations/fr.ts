<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Labyrinthe – Niveau 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Labyrinthe – Niveau 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Labyrinthe – Niveau 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>Haut = ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>Bas = ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>Gauche = ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>Droite = →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Ce jeu raconte l’aventure de «&#xa0;Tiblo, l’escargot coincé&#xa0;», et tu dois l’aider à s’en sortir avec les touches fléchées.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labyrinthe</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Niveau &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Niveau &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Niveau &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Labyrinthe – Instructions</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>Chaque niveau est le même labyrinthe, mais plus le niveau est élevé, moins tu as de temps pour sauver Tiblo.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>N’OUBLIE PAS&#xa0;: LA VIE DE TIBLO EST ENTRE TES MAINS&#x202f;!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Labyrinthe – À propos</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory a été créé par l’équipe Trundlex.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>GAGNÉ&#x202f;!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>PERDU&#x202f;!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 L’équipe de Trundlex</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>aucun écran n’est accessible&#x202f;; lance le jeu depuis une session de bureau, ou définis DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland). Qt a signalé&#xa0;:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Guide Tiblo l’escargot hors du labyrinthe avant que le temps ne soit écoulé.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>up</source>
        <translation>en haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>down</source>
        <translation>en bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Libre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Mur.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A step and the ways open after it: &quot;Right. Open: up, down.&quot;</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Each of the last five seconds: &quot;5.&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Wall</source>
        <comment>picture</comment>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Escargot</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Niveau %1, %n seconde. %2</numerusform>
            <numerusform>Niveau %1, %n secondes. %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the ways in a list of open ways: &quot;up, down&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds.</source>
        <translation>
            <numerusform>%n seconde.</numerusform>
            <numerusform>%n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>La partie est terminée.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, bouton</translation>
    </message>
</context>
</TS>
