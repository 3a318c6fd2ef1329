// Peak resident memory of the game once the player has been to every screen: each one
// is loaded and shown in turn and has drawn itself. Two parts of it are reported too: the
// pictures, as the bytes they take decoded, four for each pixel, since the game keeps
// them decoded once it has drawn them; and the windows' own pixels, four bytes for each,
// which every window keeps for as long as it exists, hidden or not.

#include "designs/designs.h"
#include "game_probes.h"
#include "readings.h"
#include "runtime/application.h"
#include "runtime/form.h"
#include "runtime/registry.h"
#include "runtime/widgets.h"
#include "screens/screens.h"

#include <QApplication>
#include <QWidget>

#include <set>
#include <string_view>

namespace {

// Every picture the designs draw, the backdrop of a screen or the picture of a control.
std::set<std::string_view> pictureNames()
{
    std::set<std::string_view> names;
    for (designs::DesignFunction design : designs::all) {
        names.insert(design().picture);
        for (const rt::ControlDesign& control : design().controls)
            names.insert(control.picture);
    }
    names.erase(std::string_view());
    return names;
}

double decodedPictureBytes()
{
    double bytes = 0;
    for (std::string_view name : pictureNames()) {
        const QPixmap& picture = rt::picture(name);
        bytes += double(picture.width()) * picture.height() * 4;
    }
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::setUpApplication(app);
    rt::Registry registry([] {});
    screens::addAll(registry);
    double windowPixelBytes = 0;
    for (designs::DesignFunction design : designs::all) {
        const QWidget* window = bench::showScreen(registry, design().name).window();
        windowPixelBytes += double(window->width()) * window->height() * 4;
    }
    bench::report("peak_resident_kb", double(bench::peakResidentKb()));
    bench::report("window_pixel_bytes", windowPixelBytes);
    bench::report("picture_count", double(pictureNames().size()));
    bench::report("picture_bytes", decodedPictureBytes());
    return 0;
}
