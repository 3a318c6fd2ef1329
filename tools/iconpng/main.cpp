// Writes the images of an icon file as PNGs in the layout of an icon theme, for desktops
// that look an application's icon up by name and size:
//
//     iconpng ICON THEME_DIR NAME    writes THEME_DIR/<size>x<size>/apps/NAME.png
//
// An icon may hold one size at several colour depths; the image with the most colours
// stands for its size.

#include <QDir>
#include <QImageReader>
#include <QMap>
#include <QSet>

#include <iostream>

namespace {

qsizetype colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

// Keyed by width: icon images are square. Empty when the file cannot be read.
QMap<int, QImage> richestImageOfEachSize(QImageReader& reader)
{
    QMap<int, QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.isNull())
            return {};
        QImage& kept = images[image.width()];
        if (colourCount(image) > colourCount(kept))
            kept = image;
    }
    return images;
}

bool writeIntoTheme(const QImage& image, const QString& themeDir, const QString& name)
{
    const QString dir =
        QString("%1/%2x%3/apps").arg(themeDir).arg(image.width()).arg(image.height());
    return QDir().mkpath(dir) && image.save(dir + '/' + name + ".png");
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::cerr << "usage: iconpng ICON THEME_DIR NAME\n";
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QMap<int, QImage> images = richestImageOfEachSize(reader);
    if (images.isEmpty()) {
        std::cerr << "iconpng: cannot read " << argv[1] << ": "
                  << reader.errorString().toStdString() << '\n';
        return 1;
    }
    for (const QImage& image : images) {
        if (!writeIntoTheme(image, QString::fromLocal8Bit(argv[2]),
                            QString::fromLocal8Bit(argv[3]))) {
            std::cerr << "iconpng: cannot write into " << argv[2] << '\n';
            return 1;
        }
    }
    return 0;
}
