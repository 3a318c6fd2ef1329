#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// The desktop the real program runs on in these tests, driven as a person at the keyboard
// and the mouse would: an X server with a window manager, Windows under Wine on one, or a
// Wayland compositor.
namespace support {

// A window of the game on view.
struct Window {
    QString id; // the desktop's own name for it
    QString caption;
    QRect clientArea; // screen coordinates
    bool active = false;
    bool urgent = false;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // Starts the game as a player of this desktop would, in the environment given and the
    // desktop's own.
    virtual void launch(QProcess& game, const QString& program,
                        QProcessEnvironment environment) = 0;
    // The game's windows on view.
    virtual QList<Window> windows() = 0;
    // Keys one after the other, as X names them: "Left", "space", "alt+m".
    virtual bool type(const QStringList& keys) = 0;
    // Holds the key down for the time: it repeats.
    virtual bool hold(const QString& key, int milliseconds) = 0;
    // Clicks a point of the client area; false where the desktop has no pointer.
    virtual bool click(const Window& window, QPoint at) = 0;
    // Drags the mouse from one point of the client area to another, its button held.
    virtual bool drag(const Window& /*window*/, QPoint /*from*/, QPoint /*to*/) { return false; }
    // As the close button of the window's frame does.
    virtual bool close(const Window& window) = 0;
    // Moves and sizes the client area; false where the compositor places windows itself.
    virtual bool place(const Window& window, const QRect& clientArea) = 0;
    virtual QImage screenshot(const Window& window) = 0;
    virtual QString name() const = 0;
    // The resolution the desktop tells programs started from now on, in dots per inch: 144
    // for a desktop scaled to 150 %. False where the desktop has no such setting.
    virtual bool setResolution(int /*dpi*/) { return false; }
};

// A desktop whose keyboard and mouse are an X server's, driven through xdotool.
class XInputDesktop : public Desktop {
public:
    bool type(const QStringList& keys) override;
    bool hold(const QString& key, int milliseconds) override;
    bool click(const Window& window, QPoint at) override;
    bool drag(const Window& window, QPoint from, QPoint to) override;
};

// The desktop TRUNDLEX_DESKTOP names: "x11" (the default), "sway", "weston" or "wine".
std::unique_ptr<Desktop> openDesktop();

// Drives the X server's keyboard, mouse and window manager; then the events it made have
// a moment to reach this program. False when xdotool failed.
bool xdotool(const QStringList& arguments);

// Brings a window of this program to the front with the keyboard, as a click on it would.
bool activate(QWidget* window);

} // namespace support
