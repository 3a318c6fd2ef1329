// The Debian package holds the installed files, describes itself as a game with the
// libraries it needs, and runs from a tree it is unpacked into, so nothing on the system
// changes.

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

    static QString architecture()
    {
        return runCommand("dpkg", {"--print-architecture"}).output.trimmed();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(work_.isValid());
        const CommandResult pack = runCommand(
            CPACK_COMMAND, {"--config", BUILD_DIR "/CPackConfig.cmake", "-B", work_.path()});
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.output));
        package_ = work_.filePath("trundlex_1.0.0_" + architecture() + ".deb");
        QVERIFY2(QFile::exists(package_), qPrintable(pack.output));
    }

    void holdsTheInstalledFiles_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : installedFiles())
            QTest::newRow(qPrintable(file)) << file;
    }

    // Each line of the listing ends with the path, as ./usr/bin/trundlex.
    void holdsTheInstalledFiles()
    {
        QFETCH(QString, file);
        const CommandResult listing = runCommand("dpkg-deb", {"--contents", package_});
        QCOMPARE(listing.exitCode, 0);
        QVERIFY2(listing.output.contains(" ./usr/" + file + "\n"), qPrintable(listing.output));
    }

    void controlFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("name") << "Package"
                              << "^trundlex$";
        QTest::newRow("version") << "Version"
                                 << "^1\\.0\\.0$";
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
    }

    void controlFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        const CommandResult value = runCommand("dpkg-deb", {"--field", package_, field});
        QCOMPARE(value.exitCode, 0);
        QVERIFY2(QRegularExpression(pattern).match(value.output.trimmed()).hasMatch(),
                 qPrintable(field + ": " + value.output));
    }

    // Still running after a second and a half: it found its libraries and Qt plugins and
    // is showing its first screen.
    void runsFromTheUnpackedTree()
    {
        const QString root = work_.filePath("root");
        const CommandResult unpack = runCommand("dpkg-deb", {"--extract", package_, root});
        QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));

        QProcess game;
        game.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        game.setProcessEnvironment(environment);
        game.start(root + "/usr/bin/trundlex", {});
        QVERIFY2(game.waitForStarted(), qPrintable(game.errorString()));
        const bool ended = game.waitForFinished(1500);
        game.kill();
        game.waitForFinished();
        QVERIFY2(!ended, qPrintable(game.readAll()));
    }
};

QTEST_GUILESS_MAIN(DebPackageTest)
#include "deb_package_test.moc"
