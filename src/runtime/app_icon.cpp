#include "runtime/app_icon.h"

#include <QDirIterator>
#include <QIconEngine>
#include <QImageReader>
#include <QMap>
#include <QPainter>
#include <QPixmap>

namespace rt {

namespace {

// Reads each size from the executable when it is asked for, and keeps none: X11 takes every
// size for every window it shows, but the game need not hold them all meanwhile. The sizes
// are drawn at whole pixels, so each is shown as drawn, whatever the mode.
class StoredSizesIconEngine : public QIconEngine {
public:
    StoredSizesIconEngine()
    {
        QDirIterator files(":/icons", QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            files_.insert(QImageReader(file).size().width(), file); // square
        }
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

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap(files_.value(sideFor(size)));
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

    QMap<int, QString> files_; // by the length of a side
};

} // namespace

QIcon appIcon()
{
    return QIcon(new StoredSizesIconEngine);
}

} // namespace rt
