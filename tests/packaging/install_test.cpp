// Installing into an empty prefix puts the program, its desktop entry, its AppStream
// metadata, its icons and its manual page where desktops look for them; each passes its
// validator, and the tool that builds software centres' catalogues lists the game.

#include "packaging_support.h"

#include <QDir>
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
        const support::Finished install =
            support::run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", prefix_.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.all()));
    }

    void installsEveryFile_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : installedDataFiles())
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
        const support::Finished check = support::run(
            "desktop-file-validate", {installed("share/applications/" + appId + ".desktop")});
        QVERIFY2(check.exitCode == 0 && check.all().isEmpty(), qPrintable(check.all()));
    }

    // Validates the metadata as installed, together with the desktop entry it launches.
    void metainfoValidates()
    {
        const support::Finished check =
            support::run("appstreamcli", {"validate-tree", "--no-net", prefix_.path()});
        QVERIFY2(check.exitCode == 0, qPrintable(check.all()));
    }

    // The desktop entry and the metadata speak each language the game speaks.
    void everyLanguageOfTheGame()
    {
        QFile entryFile(installed("share/applications/" + appId + ".desktop"));
        QFile metainfoFile(installed("share/metainfo/" + appId + ".metainfo.xml"));
        QVERIFY(entryFile.open(QIODevice::ReadOnly) && metainfoFile.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(entryFile.readAll());
        const QString metainfo = QString::fromUtf8(metainfoFile.readAll());
        // en.ts holds English's plural forms alone.
        QStringList languages = QDir(TRANSLATIONS).entryList({"*.ts"});
        languages.removeOne("en.ts");
        QCOMPARE(languages.size(), 10);
        const qsizetype translated = metainfo.count("xml:lang=\"de\"");
        QVERIFY(translated >= 3);
        for (QString language : languages) {
            language.chop(3);
            for (const char* key : {"GenericName", "Comment", "Keywords"})
                QVERIFY2(entry.contains(QString("\n%1[%2]=").arg(key, language)), key);
            QCOMPARE(metainfo.count(QString("xml:lang=\"%1\"").arg(language)), translated);
        }
    }

    // No validator follows the entry's icon name to the theme.
    void desktopEntryNamesTheInstalledIcon()
    {
        QFile entry(installed("share/applications/" + appId + ".desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY(QString::fromUtf8(entry.readAll()).split('\n').contains("Icon=" + appId));
    }

    // Catalogues want an icon of 64 by 64 at least. The catalogue is compressed.
    void softwareCentresListTheGameWithItsIcon()
    {
        QTemporaryDir catalogue;
        const support::Finished compose =
            support::run("appstreamcli", {"compose", "--no-net", "--prefix=/", "--origin=trundlex",
                                          "--result-root=" + catalogue.path(), prefix_.path()});
        QVERIFY2(compose.exitCode == 0, qPrintable(compose.all()));
        const support::Finished listing = support::run(
            "gzip", {"-dc", catalogue.filePath("share/swcatalog/xml/trundlex.xml.gz")});
        QVERIFY2(listing.output.contains("<id>" + appId + "</id>"), qPrintable(listing.all()));
        QVERIFY2(listing.output.contains(R"(<icon type="cached" width="64" height="64">)"),
                 qPrintable(listing.all()));
    }

    // Each size is the icon file's colour image of 32 or, where 32 does not divide the size,
    // 16 pixels, every pixel made a square of whole pixels.
    void iconsAreTheColourImagesEnlarged_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("imageInIconFile");
        QTest::newRow("16 by 16") << 16 << 2;
        QTest::newRow("32 by 32, not the black and white one") << 32 << 1;
        QTest::newRow("48 by 48, from 16") << 48 << 2;
        QTest::newRow("64 by 64") << 64 << 1;
        QTest::newRow("128 by 128") << 128 << 1;
        QTest::newRow("256 by 256") << 256 << 1;
    }

    void iconsAreTheColourImagesEnlarged()
    {
        QFETCH(int, size);
        QFETCH(int, imageInIconFile);
        const QImage png(installed(iconFile(size)));
        QCOMPARE(png.size(), QSize(size, size));
        QImageReader iconFile(APP_ICON);
        QVERIFY(iconFile.jumpToImage(imageInIconFile));
        const QImage drawn = iconFile.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32),
                 drawn.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "install_test.moc"
