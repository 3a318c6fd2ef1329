<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方：%1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション「%1」です。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>不明なオプション：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」の後に値がありません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」の後に不要な値があります。</translation>
    </message>
</context>
<context>
    <name>Quillory</name>
    <message>
        <source>Maze - Level 1</source>
        <translation>迷路 - レベル 1</translation>
    </message>
    <message>
        <source>Maze - Level 2</source>
        <translation>迷路 - レベル 2</translation>
    </message>
    <message>
        <source>Maze - Level 3</source>
        <translation>迷路 - レベル 3</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Up = Up Arrow</source>
        <translation>上 = ↑ キー</translation>
    </message>
    <message>
        <source>Down = Down Arrow</source>
        <translation>下 = ↓ キー</translation>
    </message>
    <message>
        <source>Left = Left Arrow</source>
        <translation>左 = ← キー</translation>
    </message>
    <message>
        <source>Right = Right Arrow</source>
        <translation>右 = → キー</translation>
    </message>
    <message>
        <source>This game is based upon the adventure of &quot;Tiblo The Stuck Snail&quot; and you must help him out with the use of the arrow keys. </source>
        <translation>このゲームは「動けなくなったカタツムリのティブロ」のお話。矢印キーで助け出してね。</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>メニュー(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Maze</source>
        <translation>迷路</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>レベル &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>レベル &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>レベル &amp;3</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>遊び方(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>ゲームについて(&amp;A)</translation>
    </message>
    <message>
        <source>Maze - Instrutions</source>
        <translation>迷路 - 遊び方</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>Each level is the same maze but the higher the level is the less time you have to resucue Tiblo.</source>
        <translation>どのレベルも同じ迷路だけど、レベルが上がるほどティブロを助ける時間は短くなるよ。</translation>
    </message>
    <message>
        <source>REMEMBER TIBLOS LIFE IS IN YOUR HANDS!!!</source>
        <translation>わすれないで。ティブロの命はきみにかかっている！！！</translation>
    </message>
    <message>
        <source>Maze - About</source>
        <translation>迷路 - ゲームについて</translation>
    </message>
    <message>
        <source>Quillory was made by the Trundlex team.</source>
        <translation>Quillory の作者：Trundlex チーム</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>おめでとう</translation>
    </message>
    <message>
        <source>YOU WON</source>
        <translation>ゴール！</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>YOU LOST</source>
        <translation>時間切れ！</translation>
    </message>
    <message>
        <source>© 2026 The Trundlex developers</source>
        <translation>© 2026 Trundlex 開発チーム</translation>
    </message>
    <message>
        <source>no display can be reached; start the game from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland). Qt reported:</source>
        <translation>ディスプレイに接続できません。デスクトップのセッションから起動するか、DISPLAY (X11) または WAYLAND_DISPLAY (Wayland) を設定してください。Qt の報告：</translation>
    </message>
    <message>
        <source>Steer Tiblo the snail out of a maze before time runs out.</source>
        <translation>時間切れになる前に、カタツムリのティブロを迷路から出してあげよう。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>不要な引数「%1」があります。</translation>
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
        <translation>進める方向：%1。</translation>
    </message>
    <message>
        <source>Wall.</source>
        <translation>壁。</translation>
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
        <translation>壁</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>picture</comment>
        <translation>出口</translation>
    </message>
    <message>
        <source>Snail</source>
        <comment>picture</comment>
        <translation>カタツムリ</translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n seconds. %2</source>
        <translation>
            <numerusform>レベル %1、残り %n 秒。%2</numerusform>
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
            <numerusform>残り %n 秒。</numerusform>
        </translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <translation>ゲームは終わりました。</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>もう一度遊ぶ</translation>
    </message>
    <message>
        <source>%1, button</source>
        <extracomment>What a screen reader says of the button the focus comes to: &quot;Level 2, button&quot;.</extracomment>
        <translation>%1、ボタン</translation>
    </message>
</context>
</TS>
