<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[选项]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示帮助，包括 Qt 专有选项。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”后有多余的值。</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>迷宫 - 第 1 关</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>迷宫 - 第 2 关</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>迷宫 - 第 3 关</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>上 = ↑ 键</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>下 = ↓ 键</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>左 = ← 键</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>右 = → 键</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>这个游戏讲的是“被困住的蜗牛 Tiblo”的冒险故事。你要用方向键帮它逃出去。</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>菜单(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>迷宫</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>第 &amp;1 关</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>第 &amp;2 关</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>第 &amp;3 关</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>玩法说明(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>迷宫 - 玩法说明</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>每一关都是同一个迷宫，但关卡越高，你救出 Tiblo 的时间就越少。</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>记住：Tiblo 的命运就在你手中！！！</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>迷宫 - 关于</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory 出自 Trundlex 团队。</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>恭喜过关</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>你赢了！</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>你输了！</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 Trundlex 开发者</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>无法连接到显示器；请从桌面会话中启动游戏，或设置 DISPLAY (X11) 或 WAYLAND_DISPLAY (Wayland)。Qt 报告：</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>在时间用完之前，带小蜗牛 Tiblo 走出迷宫。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Open: %1.</source>
        <translation>可以走：%1。</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>墙。</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A step and the ways open after it: &quot;Right. Open: up, down.&quot;</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>Each of the last five seconds: &quot;5.&quot;</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Wall</source>
        <comment>picture</comment>
        <translation>墙</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>出口</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>蜗牛</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>第 %1 关，还剩 %n 秒。%2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the ways in a list of open ways: &quot;up, down&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds.</source>
        <translation>
            <numerusform>还剩 %n 秒。</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>游戏已结束。</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>再玩一次</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1，按钮</translation>
    </message>
</context>
</TS>
