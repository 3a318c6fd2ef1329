#include "support/desktop.h"

#include "support/process.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace support {

std::unique_ptr<Desktop> openSway();
std::unique_ptr<Desktop> openWeston();

namespace {

// An X server with a window manager, driven through xdotool.
class X11Desktop : public XInputDesktop {
public:
    QString name() const override { return "X11"; }

    void launch(QProcess& game, const QString& program, QProcessEnvironment environment) override
    {
        environment.insert("QT_QPA_PLATFORM", "xcb");
        game.setProcessEnvironment(environment);
        game.start(program, {});
    }

    QList<Window> windows() override
    {
        const QString active = outputOf("xdotool", {"getactivewindow"}).trimmed();
        QList<Window> shown;
        const QStringList ids =
            outputOf("xdotool", {"search", "--onlyvisible", "--classname", windowClass()})
                .split('\n', Qt::SkipEmptyParts);
        for (const QString& id : ids) {
            const QString info = outputOf("xwininfo", {"-id", id});
            if (!info.contains("IsViewable"))
                continue;
            const auto field = [&info](const QString& name) {
                return QRegularExpression(name + R"(:\s+(-?\d+))").match(info).captured(1).toInt();
            };
            Window window;
            window.id = id;
            window.caption =
                QRegularExpression(R"(Window id: \S+ "(.*)\"\n)").match(info).captured(1);
            window.clientArea =
                QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                      field("Width"), field("Height"));
            window.active = id == active;
            window.urgent = outputOf("xprop", {"-id", id, "_NET_WM_STATE"})
                                .contains("_NET_WM_STATE_DEMANDS_ATTENTION");
            shown << window;
        }
        return shown;
    }

    bool close(const Window& window) override
    {
        return run("wmctrl", {"-i", "-c", window.id}).succeeded();
    }

    bool place(const Window& window, const QRect& clientArea) override
    {
        return xdotool({"windowmove", "--sync", window.id, QString::number(clientArea.x()),
                        QString::number(clientArea.y()), "windowsize", "--sync", window.id,
                        QString::number(clientArea.width()), QString::number(clientArea.height())});
    }

    QImage screenshot(const Window& window) override
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(window.id.toULongLong())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // Qt takes the resolution from the X resources, where desktops put it.
    bool setResolution(int dpi) override
    {
        return run("xprop", {"-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                             QString("Xft.dpi:\t%1\n").arg(dpi)})
            .succeeded();
    }

protected:
    virtual QString windowClass() const { return "^trundlex$"; }
};

// Windows as Wine gives it, on the same X server: the program is the Windows executable,
// its windows X11 windows named after its file.
class WineDesktop : public X11Desktop {
public:
    QString name() const override { return "Wine"; }

    void launch(QProcess& game, const QString& program, QProcessEnvironment environment) override
    {
        game.setProcessEnvironment(environment);
        game.start("wine", {program});
    }

    // As the display settings of Windows set it, for the user.
    bool setResolution(int dpi) override
    {
        return run("wine", {"reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t",
                            "REG_DWORD", "/d", QString::number(dpi), "/f"})
            .succeeded();
    }

protected:
    QString windowClass() const override { return "^quillory\\.exe$"; }
};

} // namespace

bool xdotool(const QStringList& arguments)
{
    const bool done = run("xdotool", arguments).succeeded();
    QTest::qWait(50);
    return done;
}

bool activate(QWidget* window)
{
    return xdotool({"windowactivate", "--sync", QString::number(window->winId())}) &&
           QTest::qWaitForWindowActive(window);
}

bool XInputDesktop::type(const QStringList& keys)
{
    return xdotool(QStringList{"key"} + keys);
}

bool XInputDesktop::hold(const QString& key, int milliseconds)
{
    return xdotool({"keydown", key, "sleep", QString::number(milliseconds / 1000.0), "keyup", key});
}

// The pointer must have arrived before the button goes down: a frame the game draws itself
// acts only where it saw the pointer enter.
bool XInputDesktop::click(const Window& window, QPoint at)
{
    const QPoint point = window.clientArea.topLeft() + at;
    return xdotool({"mousemove", QString::number(point.x()), QString::number(point.y()), "sleep",
                    "0.1", "click", "1"});
}

bool XInputDesktop::drag(const Window& window, QPoint from, QPoint to)
{
    const QPoint start = window.clientArea.topLeft() + from;
    const QPoint end = window.clientArea.topLeft() + to;
    return xdotool({"mousemove", QString::number(start.x()), QString::number(start.y()), "sleep",
                    "0.1", "mousedown", "1", "mousemove", QString::number(end.x()),
                    QString::number(end.y()), "mouseup", "1"});
}

std::unique_ptr<Desktop> openDesktop()
{
    const QString desktop = qEnvironmentVariable("TRUNDLEX_DESKTOP", "x11");
    if (desktop == "sway")
        return openSway();
    if (desktop == "weston")
        return openWeston();
    if (desktop == "wine")
        return std::make_unique<WineDesktop>();
    return std::make_unique<X11Desktop>();
}

} // namespace support
