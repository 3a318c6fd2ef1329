// The bare window with one line of text in the desktop's default font, the splash's
// copyright line. Beside the bare window it shows what the first text costs any program
// on this platform, before it draws anything of its own.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    // Added once the window is shown, so that it keeps the bare window's size: the frame
    // has as many pixels to fill.
    QLabel line(QStringLiteral("\u00A9 2026 The Trundlex developers"), &window);
    line.show();
    return QApplication::exec();
}
