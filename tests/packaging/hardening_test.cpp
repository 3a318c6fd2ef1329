// The release build carries the hardening of the distributions that harden most, as
// hardening-check reads it from the executable, and leaves the builder's own flags alone.
//
// Two of hardening-check's lines need something the game's executable does not have.
// Stack clash probes show only in a function that takes stack space of a size known at
// run time, which the game has none of: a probe built with the same flags has. Control-flow
// protection marks each object, but the linker drops the mark from an executable unless
// every object carries it, and Debian 12's C library links start files that do not: the
// game's library, all its code but `main`, shows the mark. Checked libc calls show only
// where the compiler knew a buffer's size; the copies the game makes inside Qt's and the
// standard library's containers have sizes known only at run time, and stay unchecked.

#include "packaging_support.h"

#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace packaging;

class HardeningTest : public QObject {
    Q_OBJECT

    QHash<QString, QString> reports_;

    // A report line reads " Stack protected: yes".
    QString verdict(const QString& binary, const QString& property) const
    {
        const QRegularExpression line("^ " + QRegularExpression::escape(property) + ": (.*)$",
                                      QRegularExpression::MultilineOption);
        return line.match(reports_[binary]).captured(1);
    }

private slots:
    // hardening-check's exit status counts the lines that need what the executable lacks.
    void initTestCase()
    {
        for (const QString binary : {TRUNDLEX_PATH, HARDENING_PROBE_PATH, GAME_LIBRARY_PATH}) {
            const support::Finished check = support::run("hardening-check", {"--verbose", binary});
            QVERIFY2(check.exitCode != -1, qPrintable(check.all()));
            reports_.insert(binary, check.output);
        }
    }

    void protections_data()
    {
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("property");
        QTest::newRow("PIE") << TRUNDLEX_PATH << "Position Independent Executable";
        QTest::newRow("stack protector") << TRUNDLEX_PATH << "Stack protected";
        QTest::newRow("RELRO") << TRUNDLEX_PATH << "Read-only relocations";
        QTest::newRow("BIND_NOW") << TRUNDLEX_PATH << "Immediate binding";
        QTest::newRow("fortified libc calls") << TRUNDLEX_PATH << "Fortify Source functions";
        QTest::newRow("stack clash") << HARDENING_PROBE_PATH << "Stack clash protection";
        QTest::newRow("control flow") << GAME_LIBRARY_PATH << "Control flow integrity";
    }

    void protections()
    {
        QFETCH(QString, binary);
        QFETCH(QString, property);
        QVERIFY2(verdict(binary, property).startsWith("yes"), qPrintable(reports_[binary]));
    }

    // Each unchecked call listed under the verdict reads "\tunprotected: memcpy".
    void gameCallsUncheckedOnlyCopiesOfUnknownSize()
    {
        const QRegularExpression unchecked("\\tunprotected: (\\w+)");
        for (const auto& call : unchecked.globalMatch(reports_[TRUNDLEX_PATH]))
            QVERIFY2(QStringList({"memcpy", "memmove"}).contains(call.captured(1)),
                     qPrintable(reports_[TRUNDLEX_PATH]));
    }

    // A distribution's own level of checked libc calls, given as the build's flags, is the
    // one the compiler gets, and only once: twice would warn in every file.
    void buildersFortifyLevelWins()
    {
        QTemporaryDir build;
        QVERIFY(build.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CXXFLAGS", "-D_FORTIFY_SOURCE=3");
        const support::Finished configure =
            support::run(CMAKE_COMMAND,
                         {"-S", SOURCE_DIR, "-B", build.path(), "-G", CMAKE_GENERATOR,
                          "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DBUILD_TESTING=OFF"},
                         environment);
        QVERIFY2(configure.exitCode == 0, qPrintable(configure.all()));
        const support::Finished compile = support::run(
            CMAKE_COMMAND, {"--build", build.path(), "--target", "trundlex-core", "--verbose"});
        QVERIFY2(compile.exitCode == 0, qPrintable(compile.all()));
        QVERIFY2(!compile.output.contains("redefined"), qPrintable(compile.all()));
        const QStringList compilations =
            compile.output.split('\n').filter(QRegularExpression(" -c \\S+\\.cpp$"));
        QVERIFY(!compilations.isEmpty());
        for (const QString& command : compilations)
            QVERIFY2(command.count("_FORTIFY_SOURCE") == 1, qPrintable(command));
    }
};

QTEST_GUILESS_MAIN(HardeningTest)
#include "hardening_test.moc"
