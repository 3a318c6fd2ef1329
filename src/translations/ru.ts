<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показать справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показать справку вместе с параметрами Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показать сведения о версии.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Нет значения после «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Лишнее значение после «%1».</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>Лабиринт – Уровень 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>Лабиринт – Уровень 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>Лабиринт – Уровень 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>Вверх = ↑</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>Вниз = ↓</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>Влево = ←</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>Вправо = →</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>Эта игра рассказывает о приключениях «Тибло, застрявшей улитки». Помоги ему выбраться с помощью клавиш со стрелками.</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Меню</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>Лабиринт</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Уровень &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Уровень &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Уровень &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Об игре</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>Лабиринт – Правила</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>На каждом уровне тот же лабиринт, но чем выше уровень, тем меньше у тебя времени, чтобы спасти Тибло.</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>ПОМНИ: ЖИЗНЬ ТИБЛО В ТВОИХ РУКАХ!!!</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>Лабиринт – Об игре</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory создала команда Trundlex.</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>ПОБЕДА!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>НЕУДАЧА!</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 Разработчики Trundlex</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>нет доступного экрана; запусти игру из сеанса рабочего стола или задай DISPLAY (X11) или WAYLAND_DISPLAY (Wayland). Qt сообщил:</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>Выведи улитку Тибло из лабиринта, пока не кончилось время.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Лишний аргумент «%1».</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>up</source>
        <translation>вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>down</source>
        <translation>вниз</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>left</source>
        <translation>влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>right</source>
        <translation>вправо</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>Свободно: %1.</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>Стена.</translation>
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
        <translation>Стена</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>Улитка</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>Уровень %1, %n секунда. %2</numerusform>
            <numerusform>Уровень %1, %n секунды. %2</numerusform>
            <numerusform>Уровень %1, %n секунд. %2</numerusform>
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
            <numerusform>%n секунда.</numerusform>
            <numerusform>%n секунды.</numerusform>
            <numerusform>%n секунд.</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>Игра окончена.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Играть снова</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1, кнопка</translation>
    </message>
</context>
</TS>
