<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcje]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami właściwymi dla Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po „%1”.</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Labirynt – Poziom 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Labirynt – Poziom 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Labirynt – Poziom 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>W górę = ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>W dół = ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>W lewo = ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>W prawo = →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Ta gra opowiada o przygodach „Tiblo, ślimaka, który utknął”. Pomóż mu wydostać się za pomocą klawiszy strzałek.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labirynt</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Poziom &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Poziom &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Poziom &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrukcja</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Labirynt – Instrukcja</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>Każdy poziom to ten sam labirynt, ale im wyższy poziom, tym mniej masz czasu na uratowanie Tiblo.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>PAMIĘTAJ: ŻYCIE TIBLO JEST W TWOICH RĘKACH!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Labirynt – O grze</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory stworzył zespół Trundlex.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>WYGRANA!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>PORAŻKA!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 Twórcy Trundlex</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>nie można połączyć się z żadnym ekranem; uruchom grę z sesji pulpitu albo ustaw DISPLAY (X11) lub WAYLAND_DISPLAY (Wayland). Qt zgłosił:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Wyprowadź ślimaka Tiblo z labiryntu, zanim skończy się czas.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>up</source>
        <translation>w górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>down</source>
        <translation>w dół</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>w lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>w prawo</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Droga wolna: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Ściana.</translation>
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
        <translation>Ściana</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Ślimak</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Poziom %1, %n sekunda. %2</numerusform>
            <numerusform>Poziom %1, %n sekundy. %2</numerusform>
            <numerusform>Poziom %1, %n sekund. %2</numerusform>
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
            <numerusform>%n sekunda.</numerusform>
            <numerusform>%n sekundy.</numerusform>
            <numerusform>%n sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>Gra się zakończyła.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Zagraj jeszcze raz</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, przycisk</translation>
    </message>
</context>
</TS>
