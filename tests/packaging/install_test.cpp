// Installing into an empty prefix puts the program, its desktop entry, its AppStream
// metadata and its icons where desktops look for them, and each passes its validator.

#include "packaging_support.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace packaging;

class InstallTest : public QObject {
    Q_OBJECT

    QTemporaryDir prefix_;

    QString installed(const QString& file) const { return prefix_.filePath(file); }

private slots:
    void initTestCase()
    {
        QVERIFY(prefix_.isValid());
        const CommandResult install =
            runCommand(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", prefix_.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    void installsEveryFile_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : installedFiles())
            QTest::newRow(qPrintable(file)) << file;
    }

    void installsEveryFile()
    {
        QFETCH(QString, file);
        QVERIFY(QFileInfo(installed(file)).isFile());
    }

    void programIsExecutable() { QVERIFY(QFileInfo(installed("bin/trundlex")).isExecutable()); }

    // Warnings and hints count as failures too.
    void desktopEntryValidates()
    {
        const CommandResult check = runCommand(
            "desktop-file-validate", {installed("share/applications/" + appId + ".desktop")});
        QVERIFY2(check.exitCode == 0 && check.output.isEmpty(), qPrintable(check.output));
    }

    // Validates the metadata as installed, together with the desktop entry it launches.
    void metainfoValidates()
    {
        const CommandResult check =
            runCommand("appstreamcli", {"validate-tree", "--no-net", prefix_.path()});
        QVERIFY2(check.exitCode == 0, qPrintable(check.output));
    }

    // No validator follows the entry's icon name to the theme.
    void desktopEntryNamesTheInstalledIcon()
    {
        QFile entry(installed("share/applications/" + appId + ".desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY(QString::fromUtf8(entry.readAll()).split('\n').contains("Icon=" + appId));
    }

    void iconsAreTheColourImages_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("imageInIconFile");
        QTest::newRow("16 by 16") << 16 << 2;
        QTest::newRow("32 by 32, not the black and white one") << 32 << 1;
    }

    void iconsAreTheColourImages()
    {
        QFETCH(int, size);
        QFETCH(int, imageInIconFile);
        const QImage png(installed(iconFile(size)));
        QCOMPARE(png.size(), QSize(size, size));
        QImageReader iconFile(APP_ICON);
        QVERIFY(iconFile.jumpToImage(imageInIconFile));
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32),
                 iconFile.read().convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "install_test.moc"
