#include "runtime/app_icon.h"

#include <QDir>
#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPixmap>

namespace rt {

namespace {

// Reads each size from the executable only when it is asked for, and keeps none: X11 takes
// every size for every window it shows, but the game need not hold them meanwhile, and
// other platforms never ask. The sizes are drawn at whole pixels, so each is shown as
// drawn, whatever the mode.
class StoredSizesIconEngine : public QIconEngine {
public:
    StoredSizesIconEngine()
    {
        for (const QFileInfo& file : QDir(":/icons").entryInfoList())
            files_.insert(file.baseName().toInt(), file.filePath());
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : files_.keys())
            sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = sideFor(size);
        return {side, side};
    }

    // Read as an image, not as a pixmap, which Qt would keep in its pixmap cache; and left in
    // the format it is read in, the one X11 takes, so that no size is copied on the way.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(QImage(files_.value(sideFor(size))), Qt::NoFormatConversion);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QIconEngine* clone() const override { return new StoredSizesIconEngine(*this); }

private:
    // The largest size that fits, else the smallest there is.
    int sideFor(const QSize& size) const
    {
        const auto above = files_.upperBound(qMin(size.width(), size.height()));
        return above == files_.begin() ? above.key() : std::prev(above).key();
    }

    QMap<int, QString> files_; // by the length of a side, which names the file
};

} // namespace

QIcon appIcon()
{
    return QIcon(new StoredSizesIconEngine);
}

} // namespace rt
