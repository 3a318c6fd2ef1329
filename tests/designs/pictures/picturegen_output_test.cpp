// The committed pictures are exactly what the generator draws from its data.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "picture_files.h"

namespace {

const QStringList pictureFiles = {
    "TitleBackdrop.bmp", "SnailLeft.bmp", "SnailRight.bmp", "LetterE.bmp",
    "LetterN.bmp",       "LetterD.bmp",   "AppIcon.ico",
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class PicturegenOutputTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir outputDir_;

private slots:
    void initTestCase()
    {
        QVERIFY(outputDir_.isValid());
        QProcess generator;
        generator.start(QStringLiteral(PICTUREGEN_PATH), {outputDir_.path()});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(generator.exitCode(), 0);
    }

    void writesExactlyThePictureFiles()
    {
        QStringList written = QDir(outputDir_.path()).entryList(QDir::Files, QDir::Name);
        QStringList expected = pictureFiles;
        expected.sort();
        QCOMPARE(written, expected);
    }

    void committedFileMatches_data()
    {
        QTest::addColumn<QString>("fileName");
        for (const QString& name : pictureFiles)
            QTest::newRow(qPrintable(name)) << name;
    }

    void committedFileMatches()
    {
        QFETCH(QString, fileName);
        const QByteArray generated = contents(outputDir_.filePath(fileName));
        const QByteArray committed = contents(picturefiles::picturePath(fileName));
        QVERIFY(!generated.isEmpty());
        QCOMPARE(committed.size(), generated.size());
        QVERIFY2(committed == generated, "the committed file differs from the generator's");
    }

    void runsAgainWithTheSameBytes()
    {
        QTemporaryDir secondDir;
        QCOMPARE(QProcess::execute(QStringLiteral(PICTUREGEN_PATH), {secondDir.path()}), 0);
        for (const QString& name : pictureFiles)
            QCOMPARE(contents(secondDir.filePath(name)), contents(outputDir_.filePath(name)));
    }

    void refusesAMissingArgument()
    {
        QProcess generator;
        generator.start(QStringLiteral(PICTUREGEN_PATH), {});
        QVERIFY(generator.waitForFinished(60000));
        QVERIFY(generator.exitCode() != 0);
    }
};

QTEST_GUILESS_MAIN(PicturegenOutputTest)
#include "picturegen_output_test.moc"
