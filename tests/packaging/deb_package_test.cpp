// The Debian package holds the installed files with the program in /usr/games, describes
// itself as a game with the libraries it needs, passes lintian, and runs from a tree it is
// unpacked into, so nothing on the system changes.

#include "packaging_support.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace packaging;

class DebPackageTest : public QObject {
    Q_OBJECT

    QTemporaryDir work_;
    QString package_;
    QString program_;

    static QString architecture()
    {
        return support::run("dpkg", {"--print-architecture"}).output.trimmed();
    }

    // Nothing tells Qt which display or platform to use.
    static QProcessEnvironment withoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(variable);
        return environment;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work_.isValid());
        const support::Finished pack = support::run(
            CPACK_COMMAND, {"--config", BUILD_DIR "/CPackConfig.cmake", "-B", work_.path()});
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.all()));
        package_ = work_.filePath("trundlex_" TRUNDLEX_VERSION "_" + architecture() + ".deb");
        QVERIFY2(QFile::exists(package_), qPrintable(pack.all()));
        const QString root = work_.filePath("root");
        const support::Finished unpack = support::run("dpkg-deb", {"--extract", package_, root});
        QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.all()));
        program_ = root + "/usr/games/trundlex";
    }

    // Debian's policy puts a game's program in /usr/games.
    void holdsTheInstalledFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("the program") << "games/trundlex";
        for (const QString& file : installedDataFiles())
            QTest::newRow(qPrintable(file)) << file;
    }

    // Each line of the listing ends with the path, as ./usr/bin/trundlex.
    void holdsTheInstalledFiles()
    {
        QFETCH(QString, file);
        const support::Finished listing = support::run("dpkg-deb", {"--contents", package_});
        QCOMPARE(listing.exitCode, 0);
        QVERIFY2(listing.output.contains(" ./usr/" + file + "\n"), qPrintable(listing.all()));
    }

    void controlFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("name") << "Package"
                              << "^trundlex$";
        QTest::newRow("version") << "Version"
                                 << "^" + QRegularExpression::escape(TRUNDLEX_VERSION) + "$";
        QTest::newRow("architecture") << "Architecture"
                                      << "^" + architecture() + "$";
        QTest::newRow("section") << "Section"
                                 << "^games$";
        QTest::newRow("maintainer") << "Maintainer"
                                    << "^[^<>]+ <[^<>@]+@[^<>@]+>$";
        QTest::newRow("summary and story") << "Description"
                                           << "^Steer a snail out of a maze before time runs "
                                              "out\\n .*Quillory";
        QTest::newRow("C library") << "Depends"
                                   << "(^|, )libc6 \\(>= [^)]+\\)";
        QTest::newRow("Qt widgets") << "Depends"
                                    << "(^|, )libqt6widgets6 \\(>= [^)]+\\)";
        QTest::newRow("home page") << "Homepage"
                                   << "^https://github\\.com/trundlex/trundlex$";
        QTest::newRow("Wayland") << "Recommends"
                                 << "(^|, )qt6-wayland$";
    }

    void controlFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        const support::Finished value = support::run("dpkg-deb", {"--field", package_, field});
        QCOMPARE(value.exitCode, 0);
        QVERIFY2(QRegularExpression(pattern).match(value.output.trimmed()).hasMatch(),
                 qPrintable(field + ": " + value.output));
    }

    // Errors and warnings fail; notes about what could be smaller do not.
    void lintianFindsNothingWrong()
    {
        const support::Finished lint =
            support::run("lintian", {"--fail-on", "error,warning", "--info", package_});
        QVERIFY2(lint.exitCode == 0, qPrintable(lint.all()));
    }

    // Still running after a second and a half: it found its libraries and Qt plugins and
    // is showing its first screen, on the platform Qt's own option names.
    void runsFromTheUnpackedTree()
    {
        QProcess game;
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.setProcessEnvironment(withoutDisplay());
        game.start(program_, {"-platform", "offscreen"});
        QVERIFY2(game.waitForStarted(), qPrintable(game.errorString()));
        const bool ended = game.waitForFinished(1500);
        game.kill();
        game.waitForFinished();
        QVERIFY2(!ended, qPrintable(game.readAll()));
    }
};

QTEST_GUILESS_MAIN(DebPackageTest)
#include "deb_package_test.moc"
