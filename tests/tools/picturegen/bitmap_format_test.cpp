// Every bitmap of the game is a plain uncompressed Windows bitmap that any reader can load.

#include <QTest>

#include "picture_files.h"

using namespace picturefiles;

class BitmapFormatTest : public QObject {
    Q_OBJECT

private slots:
    void headers_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::newRow("TitleBackdrop") << "TitleBackdrop.bmp" << 582 << 491 << 24;
        QTest::newRow("SnailLeft") << "SnailLeft.bmp" << 36 << 30 << 24;
        QTest::newRow("SnailRight") << "SnailRight.bmp" << 36 << 30 << 24;
        QTest::newRow("LetterE") << "LetterE.bmp" << 36 << 30 << 32;
        QTest::newRow("LetterN") << "LetterN.bmp" << 36 << 30 << 32;
        QTest::newRow("LetterD") << "LetterD.bmp" << 36 << 30 << 32;
    }

    // The headers, then rows padded with zeros to whole 4-byte words, and nothing after them.
    void headers()
    {
        QFETCH(QString, fileName);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bitsPerPixel);
        const BitmapFile bmp = readBitmap(picturePath(fileName));
        const int rowBytes = (width * bitsPerPixel / 8 + 3) / 4 * 4;
        const int fileSize = 54 + rowBytes * height;

        QCOMPARE(bmp.bytes.size(), fileSize);
        QCOMPARE(bmp.signature, QByteArray("BM"));
        QCOMPARE(bmp.fileSize, std::uint32_t(fileSize));
        QCOMPARE(bmp.reserved, 0u);
        QCOMPARE(bmp.dataOffset, 54u);

        QCOMPARE(bmp.info.headerSize, 40u);
        QCOMPARE(bmp.info.width, width);
        QCOMPARE(bmp.info.height, height); // positive: rows stored bottom-up
        QCOMPARE(bmp.info.planes, 1);
        QCOMPARE(bmp.info.bitsPerPixel, bitsPerPixel);
        QCOMPARE(bmp.info.compression, 0u); // no compression
        QCOMPARE(bmp.info.imageSize, std::uint32_t(fileSize - 54));
        QCOMPARE(bmp.info.coloursUsed, 0u); // and no colour table
        QCOMPARE(bmp.info.coloursImportant, 0u);
        QCOMPARE(bmp.info.xPixelsPerMetre, 3780);
        QCOMPARE(bmp.info.yPixelsPerMetre, 3780);

        QCOMPARE(bmp.pixels.rowBytes(), rowBytes);
        QVERIFY(bmp.pixels.paddingIsZero());
    }
};

QTEST_GUILESS_MAIN(BitmapFormatTest)
#include "bitmap_format_test.moc"
