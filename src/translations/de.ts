<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe samt den Optionen von Qt an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation an.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach „%1“ fehlt ein Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Labyrinth – Level 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Labyrinth – Level 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Labyrinth – Level 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>Hoch = Pfeil ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>Runter = Pfeil ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>Links = Pfeil ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>Rechts = Pfeil →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Dieses Spiel erzählt vom Abenteuer „Tiblo, die festsitzende Schnecke“, und du hilfst ihm mit den Pfeiltasten heraus.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labyrinth</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Level &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Level &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Level &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Labyrinth – Anleitung</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>Jedes Level ist dasselbe Labyrinth, aber je höher das Level, desto weniger Zeit hast du, um Tiblo zu retten.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>DENK DRAN: TIBLOS LEBEN LIEGT IN DEINEN HÄNDEN!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Labyrinth – Info</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory ist ein Spiel vom Trundlex-Team.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>Verloren!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 Die Trundlex-Entwickler</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>kein Bildschirm erreichbar; starte das Spiel aus einer Desktop-Sitzung oder setze DISPLAY (X11) oder WAYLAND_DISPLAY (Wayland). Qt meldete:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Führe Tiblo, die Schnecke, aus dem Labyrinth, bevor die Zeit abläuft.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>left</source>
        <translation>nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>right</source>
        <translation>nach rechts</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Frei: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Mauer.</translation>
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
        <translation>Mauer</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Schnecke</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Level %1, %n Sekunde. %2</numerusform>
            <numerusform>Level %1, %n Sekunden. %2</numerusform>
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
            <numerusform>%n Sekunde.</numerusform>
            <numerusform>%n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>Das Spiel ist zu Ende.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Noch einmal spielen</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, Schaltfläche</translation>
    </message>
</context>
</TS>
