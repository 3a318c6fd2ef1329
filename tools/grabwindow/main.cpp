// Saves what a window of the X display shows as a PNG file:
//   grab-window WINDOW-ID FILE.png

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    bool isNumber = false;
    const WId window = argc == 3 ? QString(argv[1]).toULongLong(&isNumber, 0) : 0;
    if (!isNumber) {
        std::fprintf(stderr, "usage: grab-window WINDOW-ID FILE.png\n");
        return 2;
    }
    return QGuiApplication::primaryScreen()->grabWindow(window).save(argv[2]) ? 0 : 1;
}
