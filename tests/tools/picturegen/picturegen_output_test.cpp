// The committed pictures are exactly what the generator draws from its data.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "picture_files.h"
#include "support/process.h"

using namespace picturefiles;

namespace {

// In the order of their names.
const QStringList pictureFiles = {
    "AppIcon.ico",   "LetterD.bmp",    "LetterE.bmp",       "LetterN.bmp",
    "SnailLeft.bmp", "SnailRight.bmp", "TitleBackdrop.bmp",
};

} // namespace

class PicturegenOutputTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir outputDir_;

private slots:
    void initTestCase()
    {
        QVERIFY(outputDir_.isValid());
        QVERIFY(support::run(PICTUREGEN_PATH, {outputDir_.path()}).succeeded());
    }

    void writesExactlyThePictureFiles()
    {
        QCOMPARE(QDir(outputDir_.path()).entryList(QDir::Files, QDir::Name), pictureFiles);
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
        const QByteArray generated = readFile(outputDir_.filePath(fileName));
        const QByteArray committed = readFile(picturePath(fileName));
        QCOMPARE(committed.size(), generated.size());
        QVERIFY2(committed == generated, "the committed file differs from the generator's");
    }

    void runsAgainWithTheSameBytes()
    {
        QTemporaryDir secondDir;
        QVERIFY(support::run(PICTUREGEN_PATH, {secondDir.path()}).succeeded());
        for (const QString& name : pictureFiles)
            QCOMPARE(readFile(secondDir.filePath(name)), readFile(outputDir_.filePath(name)));
    }

    void refusesAMissingArgument()
    {
        const support::Finished generator = support::run(PICTUREGEN_PATH);
        QVERIFY(generator.exitCode > 0);
    }
};

QTEST_GUILESS_MAIN(PicturegenOutputTest)
#include "picturegen_output_test.moc"
