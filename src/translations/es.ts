<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Laberinto – Nivel 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Laberinto – Nivel 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Laberinto – Nivel 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>Arriba = ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>Abajo = ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>Izquierda = ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>Derecha = →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Este juego se basa en la aventura de «Tiblo, el caracol atascado», y tienes que ayudarle a salir con las teclas de flecha.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Laberinto</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Nivel &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Nivel &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Nivel &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Laberinto – Cómo jugar</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>Cada nivel es el mismo laberinto, pero cuanto más alto es el nivel, menos tiempo tienes para rescatar a Tiblo.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>¡¡¡RECUERDA: LA VIDA DE TIBLO ESTÁ EN TUS MANOS!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Laberinto – Acerca de</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory es obra del equipo de Trundlex.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>¡VICTORIA!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>¡DERROTA!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 El equipo de Trundlex</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>no se puede acceder a ninguna pantalla; inicia el juego desde una sesión de escritorio o define DISPLAY (X11) o WAYLAND_DISPLAY (Wayland). Qt informó:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Saca al caracol Tiblo del laberinto antes de que se acabe el tiempo.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Libre: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Pared.</translation>
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
        <translation>Pared</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Caracol</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Nivel %1, %n segundo. %2</numerusform>
            <numerusform>Nivel %1, %n segundos. %2</numerusform>
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
            <numerusform>%n segundo.</numerusform>
            <numerusform>%n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>La partida ha terminado.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, botón</translation>
    </message>
</context>
</TS>
