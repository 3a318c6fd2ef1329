<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda das opções de linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções próprias do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações da versão.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de “%1”.</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Labirinto – Fase 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Labirinto – Fase 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Labirinto – Fase 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>Cima = ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>Baixo = ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>Esquerda = ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>Direita = →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Este jogo se baseia na aventura de “Tiblo, o Caracol Preso”, e você precisa ajudá-lo a sair usando as teclas de seta.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Labirinto</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Fase &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Fase &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Fase &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Sob&amp;re</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Labirinto – Instruções</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>Cada fase é o mesmo labirinto, mas quanto mais alta a fase, menos tempo você tem para salvar o Tiblo.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>LEMBRE-SE: A VIDA DO TIBLO ESTÁ EM SUAS MÃOS!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Labirinto – Sobre</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory foi feito pela equipe Trundlex.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>VITÓRIA!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>DERROTA!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 A equipe do Trundlex</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>nenhuma tela disponível; inicie o jogo a partir de uma sessão de desktop ou defina DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland). O Qt informou:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Guie o caracol Tiblo para fora do labirinto antes que o tempo acabe.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>up</source>
        <translation>para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>down</source>
        <translation>para baixo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Para a esquerda</translation>
    </message>
    <message>
        <source>left</source>
        <translation>para a esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Para a direita</translation>
    </message>
    <message>
        <source>right</source>
        <translation>para a direita</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Livre: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Parede.</translation>
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
        <translation>Parede</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Caracol</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Fase %1, %n segundo. %2</numerusform>
            <numerusform>Fase %1, %n segundos. %2</numerusform>
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
        <translation>O jogo terminou.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jogar de novo</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, botão</translation>
    </message>
</context>
</TS>
