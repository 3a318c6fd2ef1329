// The program answers --help and --version and refuses what it does not take, as desktop
// programs do, without a display and without a window; where it finds no display, it says
// what to set. The program is the game built here, or the Windows one under Wine
// (TRUNDLEX_PROGRAM).

#include "packaging_support.h"

#include <QRegularExpression>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

    const QString program = qEnvironmentVariable("TRUNDLEX_PROGRAM", TRUNDLEX_PATH);
    const bool onWindows = program.endsWith(".exe");
    // The name the program goes by in its answers.
    const QString name = onWindows ? "Quillory" : "trundlex";

    // Nothing tells Qt which display or platform to use but the variables given as
    // "NAME=value", if any; Wine draws nothing without one.
    support::Finished run(const QStringList& arguments, const QStringList& variables) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!onWindows) {
            for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(variable);
        }
        for (const QString& variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        if (onWindows)
            return support::run("wine", QStringList{program} + arguments, environment);
        return support::run(program, arguments, environment);
    }

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << QStringList() << 0
                              << "^Usage: \\S*NAME(\\.exe)? \\[options\\]\\n.*\\n  -v, --version ";
        QTest::newRow("version") << QStringList{"--version"} << QStringList() << 0
                                 << "^NAME " + QRegularExpression::escape(TRUNDLEX_VERSION) +
                                        "\\n$";
        QTest::newRow("unknown option") << QStringList{"--level", "3"} << QStringList() << 1
                                        << "^NAME: Unknown option 'level'\\.\\n$";
        QTest::newRow("after Qt's own") << QStringList{"-style", "Fusion", "-x"} << QStringList()
                                        << 1 << "^NAME: Unknown option 'x'\\.\\n$";
        QTest::newRow("argument") << QStringList{"maze.txt"} << QStringList() << 1
                                  << "^NAME: Unexpected argument 'maze\\.txt'\\.\\n$";
        QTest::newRow("help in German")
            << QStringList{"--help"} << QStringList{"LANG=de_DE.UTF-8", "LC_ALL="} << 0
            << "^Aufruf: \\S*NAME(\\.exe)? \\[Optionen\\]\\nFühre Tiblo, die Schnecke, aus dem "
               "Labyrinth, bevor die Zeit abläuft\\.\\n\\nOptionen:\\n.* --help +Zeigt die Hilfe";
        if (onWindows)
            return;
        // What to set, then what Qt found; no advice to reinstall, no abort.
        const QString noDisplay =
            "^NAME: no display can be reached; start the game from a desktop session, or set "
            "DISPLAY \\(X11\\) or WAYLAND_DISPLAY \\(Wayland\\)\\. Qt reported:\\n"
            "qt\\.qpa\\.xcb: could not connect to display %1\\n(?!.*[Rr]einstall)";
        QTest::newRow("no display") << QStringList{} << QStringList{} << 1 << noDisplay.arg("");
        QTest::newRow("a display that is not there")
            << QStringList{} << QStringList{"DISPLAY=:55"} << 1 << noDisplay.arg(":55");
    }

    // A message box would keep the program waiting until the time runs out.
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, variables);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const support::Finished answer = run(arguments, variables);
        const QString text = answer.all().remove('\r');
        QCOMPARE(answer.exitCode, exitCode);
        QVERIFY2(QRegularExpression(output.replace("NAME", name),
                                    QRegularExpression::DotMatchesEverythingOption)
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
    }

    // Where it finds a display the game starts, and what Qt said on the way is passed on.
    void startsOnADisplayItCanReach()
    {
        if (onWindows)
            QSKIP("Windows has its display");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("XDG_RUNTIME_DIR");
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(program, {});
        QTest::qWait(1500);
        QCOMPARE(game.state(), QProcess::Running);
        game.kill();
        const QString said = support::finish(game, 5000).errors;
        QVERIFY2(said.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set") &&
                     !said.contains("display"),
                 qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
