// Peak resident memory of the game once the player has been to every screen, each reached
// through the game's own handlers: the splash hands over to the level menu, whose buttons
// open the instructions, the about screen and the three levels; the first level is lost,
// the second won; every Menu button leads back. A level stays on screen behind its result,
// as the game leaves it, so the first two are still shown at the end. Also reported: the
// bytes the pictures would take decoded, four for each pixel, which the target allows for
// (the game draws them from their stored rows instead); and the pixels of the windows that
// hold them at the end, four bytes for each.

#include "designs/designs.h"
#include "game_probes.h"
#include "readings.h"
#include "runtime/application.h"
#include "runtime/pictures.h"
#include "runtime/platform.h"
#include "runtime/registry.h"
#include "runtime/screen.h"
#include "screens/screens.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>

namespace {

// What the player does on one screen to open another: click a button, let a timer run
// out, or, with no control named, steer the snail to the exit.
struct Move {
    std::string_view on;
    std::string_view control;
    std::string_view opens;
};

constexpr Move route[] = {
    {"frmSplash", "Timer1", "frmLevel"},   {"frmLevel", "cmdInst", "frmInst"},
    {"frmInst", "cmdMain", "frmLevel"},    {"frmLevel", "cmdAbout", "frmAbout"},
    {"frmAbout", "cmdMain", "frmLevel"},   {"frmLevel", "cmdLevel1", "frmMaze1"},
    {"frmMaze1", "Timer1", "frmLost"},     {"frmLost", "cmdMain", "frmLevel"},
    {"frmLevel", "cmdLevel2", "frmMaze2"}, {"frmMaze2", "", "frmWon"},
    {"frmWon", "cmdMain", "frmLevel"},     {"frmLevel", "cmdLevel3", "frmMAze3"},
    {"frmMAze3", "cmdMenu", "frmLevel"},
};

// From the start cell to the exit, as runs of arrow-key releases.
constexpr std::pair<Qt::Key, int> wayOut[] = {
    {Qt::Key_Left, 6}, {Qt::Key_Down, 4}, {Qt::Key_Left, 5}, {Qt::Key_Up, 1},
    {Qt::Key_Left, 1}, {Qt::Key_Up, 3},   {Qt::Key_Left, 1}};

void perform(const Move& move, rt::Screen& on)
{
    if (move.control.empty()) {
        for (auto [key, times] : wayOut) {
            for (int i = 0; i < times; ++i) {
                // Where the player's key goes: to the control with the focus.
                QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
                QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget()
                                                                    : on.window(),
                                        &release);
            }
        }
        return;
    }
    // The first control of that name: a button may be the one element of its array.
    rt::Control& control = **std::ranges::find_if(
        on.controls(), [&](const auto& each) { return each->name() == move.control; });
    if (control.kind() != rt::Kind::Timer) {
        control.click();
        return;
    }
    while (control.enabled())
        control.tick();
}

// Every picture the designs draw, the backdrop of a screen or the picture of a control.
std::set<std::string_view> pictureNames()
{
    std::set<std::string_view> names;
    for (const designs::Screen& screen : designs::screens) {
        names.insert(screen.design().picture);
        for (const rt::ControlDesign& control : screen.design().controls)
            names.insert(control.picture);
    }
    names.erase(std::string_view());
    return names;
}

double decodedPictureBytes()
{
    double bytes = 0;
    for (std::string_view name : pictureNames()) {
        const QImage& picture = rt::picture(name);
        bytes += double(picture.width()) * picture.height() * 4;
    }
    return bytes;
}

double windowPixelBytes(const rt::Registry& registry)
{
    double bytes = 0;
    for (const std::string& screen : registry.loadedScreens()) {
        const QWidget* window = registry.screen(screen)->window();
        if (window->windowHandle())
            bytes += double(window->width()) * window->height() * 4;
    }
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    rt::Registry registry([] {}, rt::platform::handOverPolicy());
    screens::addAll(registry);
    bench::showScreen(registry, "frmSplash");
    for (const Move& move : route)
        bench::openScreen(registry, move.opens, [&] { perform(move, *registry.screen(move.on)); });
    QCoreApplication::processEvents(); // the window hidden last gives up its pixels
    bench::report("peak_resident_kb", double(bench::peakResidentKb()));
    bench::report("window_pixel_bytes", windowPixelBytes(registry));
    bench::report("picture_count", double(pictureNames().size()));
    bench::report("picture_bytes", decodedPictureBytes());
    return 0;
}
