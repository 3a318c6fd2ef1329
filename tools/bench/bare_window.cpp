// The least a Qt Widgets program can do: open one empty window. The benchmarks set the
// game beside it.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
