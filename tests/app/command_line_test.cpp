// The program answers --help and --version and refuses what it does not take, as desktop
// programs do, without a display and without a window. The program is the game built here,
// or the Windows one under Wine (TRUNDLEX_PROGRAM).

#include "packaging_support.h"

#include <QRegularExpression>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

    const QString program = qEnvironmentVariable("TRUNDLEX_PROGRAM", TRUNDLEX_PATH);
    const bool onWindows = program.endsWith(".exe");
    // The name the program goes by in its answers.
    const QString name = onWindows ? "Quillory" : "trundlex";

    // Nothing tells Qt which display or platform to use; Wine draws nothing without one.
    support::Finished run(const QStringList& arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (onWindows)
            return support::run("wine", QStringList{program} + arguments, environment);
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(variable);
        return support::run(program, arguments, environment);
    }

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "^Usage: \\S*NAME(\\.exe)? \\[options\\]\\n.*\\n  -v, --version ";
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "^NAME " + QRegularExpression::escape(TRUNDLEX_VERSION) +
                                        "\\n$";
        QTest::newRow("unknown option")
            << QStringList{"--level", "3"} << 1 << "^NAME: Unknown option 'level'\\.\\n$";
        QTest::newRow("after Qt's own")
            << QStringList{"-style", "Fusion", "-x"} << 1 << "^NAME: Unknown option 'x'\\.\\n$";
        QTest::newRow("argument") << QStringList{"maze.txt"} << 1
                                  << "^NAME: Unexpected argument 'maze\\.txt'\\.\\n$";
    }

    // A message box would keep the program waiting until the time runs out.
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const support::Finished answer = run(arguments);
        const QString text = answer.all().remove('\r');
        QCOMPARE(answer.exitCode, exitCode);
        QVERIFY2(QRegularExpression(output.replace("NAME", name),
                                    QRegularExpression::DotMatchesEverythingOption)
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
