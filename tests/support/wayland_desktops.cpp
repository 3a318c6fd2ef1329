#include "support/desktop.h"

#include "support/process.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

#include <grp.h>
#include <unistd.h>

namespace support {

namespace {

// The game as a Wayland session starts it: no X display to fall back on, and no platform
// named, so the toolkit picks Wayland by itself.
void startInWaylandSession(QProcess& game, const QString& program, QProcessEnvironment environment)
{
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("DISPLAY");
    environment.insert("XDG_SESSION_TYPE", "wayland");
    game.setProcessEnvironment(environment);
    game.start(program, {});
}

// sway without a screen: windows from its tree, keys through a virtual keyboard (wtype),
// pictures through grim. It gives no pointer, so nothing is clicked.
class SwayDesktop : public Desktop {
public:
    QString name() const override { return "sway"; }

    // sway runs as an ordinary user, and so does the game: as root, a copy of it that
    // the user nobody can read, since the build may lie where only root can. Its session's
    // folder is the one that holds the compositor's socket.
    void launch(QProcess& game, const QString& program, QProcessEnvironment environment) override
    {
        environment.insert("XDG_RUNTIME_DIR",
                           QFileInfo(qEnvironmentVariable("WAYLAND_DISPLAY")).path());
        if (geteuid() != 0) {
            startInWaylandSession(game, program, environment);
            return;
        }
        const QString copy = folder.filePath("trundlex");
        QFile::remove(copy);
        QFile::copy(program, copy);
        QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFile::ReadOther |
                                                 QFile::ExeOther);
        game.setChildProcessModifier([] {
            const gid_t nobody = 65534;
            if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
                _exit(127);
        });
        startInWaylandSession(game, copy, environment);
    }

    QList<Window> windows() override
    {
        QList<Window> shown;
        collect(QJsonDocument::fromJson(outputOf("swaymsg", {"-t", "get_tree"}).toUtf8()).object(),
                shown);
        return shown;
    }

    bool type(const QStringList& keys) override
    {
        QStringList arguments{"-d", "10"};
        for (const QString& key : keys) {
            QStringList parts = key.split('+');
            const QString last = parts.takeLast();
            for (const QString& modifier : parts)
                arguments << "-M" << modifier;
            arguments << "-k" << last;
            for (const QString& modifier : parts)
                arguments << "-m" << modifier;
        }
        return wtype(arguments);
    }

    bool hold(const QString& key, int milliseconds) override
    {
        return wtype({"-P", key, "-s", QString::number(milliseconds), "-p", key});
    }

    bool click(const Window&, QPoint) override { return false; }

    bool close(const Window& window) override
    {
        return run("swaymsg", {QString("[con_id=%1]").arg(window.id), "kill"}).succeeded();
    }

    bool place(const Window&, const QRect&) override { return false; }

    QImage screenshot(const Window& window) override
    {
        const QRect& area = window.clientArea;
        const QString geometry =
            QString("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
        const QString file = folder.filePath("screenshot.png");
        QFile::remove(file);
        run("grim", {"-g", geometry, file});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

private:
    static bool wtype(const QStringList& arguments) { return run("wtype", arguments).succeeded(); }

    QTemporaryDir folder;

    // Windows that are shown are in the tree; hidden ones are not.
    static void collect(const QJsonObject& node, QList<Window>& shown)
    {
        if (node["app_id"].toString() == TRUNDLEX_APP_ID) {
            const QJsonObject frame = node["rect"].toObject();
            const QJsonObject client = node["window_rect"].toObject();
            Window window;
            window.id = QString::number(node["id"].toInt());
            window.caption = node["name"].toString();
            window.clientArea = QRect(frame["x"].toInt() + client["x"].toInt(),
                                      frame["y"].toInt() + client["y"].toInt(),
                                      client["width"].toInt(), client["height"].toInt());
            window.active = node["focused"].toBool();
            window.urgent = node["urgent"].toBool();
            shown << window;
        }
        for (const char* children : {"nodes", "floating_nodes"}) {
            for (const QJsonValue child : node[children].toArray())
                collect(child.toObject(), shown);
        }
    }
};

// weston in a window of an X server, its output at the X screen's top left corner:
// windows from its scene graph, the keyboard's way from its protocol log, keys, clicks and
// pictures through the X server. The game draws
// its own window frames here.
class WestonDesktop : public XInputDesktop {
public:
    WestonDesktop()
    {
        protocolLog.start("weston-debug", {"proto"});
        protocolLog.waitForStarted();
        parkPointer();
    }

    ~WestonDesktop() override
    {
        protocolLog.kill();
        protocolLog.waitForFinished();
    }

    QString name() const override { return "weston"; }

    void launch(QProcess& game, const QString& program, QProcessEnvironment environment) override
    {
        startInWaylandSession(game, program, environment);
    }

    QList<Window> windows() override
    {
        followKeyboard();
        static const QRegularExpression view(
            QString(
                R"(role xdg_toplevel, PID \d+, surface ID (\d+), top-level window '(.*)' of )") +
            QRegularExpression::escape(TRUNDLEX_APP_ID) +
            R"(, .*\n.*\n\s*\[opaque: \((\d+), (\d+)\) -> )"
            R"(\((\d+), (\d+)\)\])");
        QList<Window> shown;
        auto found = view.globalMatch(outputOf("weston-debug", {"scene-graph"}));
        while (found.hasNext()) {
            const QRegularExpressionMatch match = found.next();
            const auto at = [&match](int field) { return match.captured(field).toInt(); };
            Window window;
            window.id = match.captured(1);
            window.caption = match.captured(2);
            // The frame the game draws is see-through; the client area is opaque.
            window.clientArea = QRect(QPoint(at(3), at(4)), QPoint(at(5) - 1, at(6) - 1));
            window.active = window.id == keyboardSurface;
            shown << window;
        }
        return shown;
    }

    // The close button of the frame the game draws: 18 pixels square, its right edge 8
    // pixels inside the frame's, in the middle of the 30-pixel title bar.
    bool close(const Window& window) override
    {
        const int frameRight = window.clientArea.width() + 3;
        return click(window, QPoint(frameRight - 8 - 9, -30 + 15));
    }

    // weston follows the X pointer only by how far it moves, from where it last entered
    // weston's window; so the pointer leaves the window, past its bottom right corner, and
    // comes back in where it is to click.
    bool click(const Window& window, QPoint at) override
    {
        return xdotool({"mousemove", "1290", "1030"}) && XInputDesktop::click(window, at) &&
               parkPointer();
    }

    bool place(const Window&, const QRect&) override { return false; }

    QImage screenshot(const Window& window) override
    {
        const QRect& area = window.clientArea;
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

private:
    // weston draws its pointer over the windows, and places each new window at random but
    // never on its output's last column or row: there the pointer hides nothing.
    static bool parkPointer() { return xdotool({"mousemove", "1279", "1023"}); }

    // Reads what the protocol log has written since, for the surface that has the keyboard.
    void followKeyboard()
    {
        // The test's own waits may have read some of it already.
        protocolLog.waitForReadyRead(0);
        unread += protocolLog.readAllStandardOutput();
        static const QRegularExpression change(
            R"(wl_keyboard@\d+\.(enter|leave)\(\d+, wl_surface@(\d+))");
        const qsizetype end = unread.lastIndexOf('\n') + 1;
        auto found = change.globalMatch(QString::fromUtf8(unread.left(end)));
        unread.remove(0, end);
        while (found.hasNext()) {
            const QRegularExpressionMatch match = found.next();
            if (match.captured(1) == "enter")
                keyboardSurface = match.captured(2);
            else if (match.captured(2) == keyboardSurface)
                keyboardSurface.clear();
        }
    }

    QProcess protocolLog;
    QByteArray unread;
    QString keyboardSurface;
};

} // namespace

std::unique_ptr<Desktop> openSway()
{
    return std::make_unique<SwayDesktop>();
}

std::unique_ptr<Desktop> openWeston()
{
    return std::make_unique<WestonDesktop>();
}

} // namespace support
