<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Gebruik: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opties]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Toont hulp, ook bij de opties van Qt zelf.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont de versie-informatie.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Waarde ontbreekt na ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na ‘%1’.</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Doolhof – Level 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Doolhof – Level 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Doolhof – Level 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>Omhoog = pijl ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>Omlaag = pijl ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>Links = pijl ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>Rechts = pijl →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Dit spel is gebaseerd op het avontuur van ‘Tiblo de vastzittende slak’, en jij helpt hem met de pijltjestoetsen eruit.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Doolhof</translation>
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
        <translation>&amp;Uitleg</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Doolhof – Uitleg</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>Elk level is hetzelfde doolhof, maar hoe hoger het level, hoe minder tijd je hebt om Tiblo te redden.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>ONTHOUD: HET LEVEN VAN TIBLO LIGT IN JOUW HANDEN!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Doolhof – Over</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory is van het Trundlex-team.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>GELUKT!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>VERLOREN!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 De makers van Trundlex</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>geen beeldscherm bereikbaar; start het spel vanuit een bureaubladsessie, of stel DISPLAY (X11) of WAYLAND_DISPLAY (Wayland) in. Qt meldde:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Loods Tiblo de slak uit het doolhof voordat de tijd om is.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>up</source>
        <translation>omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>down</source>
        <translation>omlaag</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Vrij: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Muur.</translation>
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
        <translation>Muur</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Uitgang</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Slak</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Level %1, %n seconde. %2</numerusform>
            <numerusform>Level %1, %n seconden. %2</numerusform>
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
            <numerusform>%n seconden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>Het spel is afgelopen.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Opnieuw spelen</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, knop</translation>
    </message>
</context>
</TS>
