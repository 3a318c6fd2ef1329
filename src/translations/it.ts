<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida alle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, comprese le opzioni proprie di Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca un valore dopo «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo «%1».</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Labirinto – Livello 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Labirinto – Livello 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Labirinto – Livello 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>Su = ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>Giù = ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>Sinistra = ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>Destra = →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Questo gioco si ispira all’avventura di «Tiblo, la lumaca bloccata», e devi aiutarlo a uscirne con i tasti freccia.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labirinto</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Livello &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Livello &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Livello &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Istruzioni</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Crediti</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Labirinto – Istruzioni</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>Ogni livello è lo stesso labirinto, ma più alto è il livello, meno tempo hai per salvare Tiblo.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>RICORDA: LA VITA DI TIBLO È NELLE TUE MANI!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Labirinto – Crediti</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory è stato creato dal team di Trundlex.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>HAI VINTO!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>HAI PERSO!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 Il team di Trundlex</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>nessuno schermo raggiungibile; avvia il gioco da una sessione desktop, oppure imposta DISPLAY (X11) o WAYLAND_DISPLAY (Wayland). Qt ha segnalato:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Porta Tiblo la lumaca fuori dal labirinto prima che scada il tempo.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>up</source>
        <translation>su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>down</source>
        <translation>giù</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Vie libere: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Muro.</translation>
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
        <translation>Muro</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Lumaca</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Livello %1, %n secondo. %2</numerusform>
            <numerusform>Livello %1, %n secondi. %2</numerusform>
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
            <numerusform>%n secondo.</numerusform>
            <numerusform>%n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>La partita è finita.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Gioca ancora</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, pulsante</translation>
    </message>
</context>
</TS>
