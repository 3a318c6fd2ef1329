#pragma once

// A screen design is plain data: the window's properties and its controls, with all
// positions and sizes in twips (15 twips make one pixel).

#include <cstdint>
#include <string_view>
#include <vector>

namespace rt {

// 0x00BBGGRR, or a system colour: high bit set, low byte the system colour index.
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour black = 0x00000000;
inline constexpr Colour white = 0x00FFFFFF;
inline constexpr Colour windowBackground = 0x80000005;
inline constexpr Colour menuText = 0x80000007;
inline constexpr Colour windowText = 0x80000008;
inline constexpr Colour highlightText = 0x8000000E;
inline constexpr Colour buttonFace = 0x8000000F;
} // namespace colour

enum class Kind { Button, Label, PictureBox, Image, Rectangle, Line, Timer };

enum class Align { Left, Centre };

// An empty face is the platform's default screen font, a plain sans-serif at 8 point.
struct Font {
    std::string_view face{};
    double points = 8;
    bool bold = false;
};

struct ControlDesign {
    Kind kind = Kind::Label;
    std::string_view name{};
    int index = -1;               // element index in a control array, -1 for a plain control
    std::string_view container{}; // the picture box holding this control, if any
    // A line runs from (left, top) to (left + width, top + height).
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string_view caption{};
    Colour back = colour::buttonFace;
    Colour fore = colour::windowText;
    Font font{};
    std::string_view picture{};
    // What screen readers call a picture box, which shows no text of its own, marked with
    // NCP_; they learn nothing of a picture box without one.
    std::string_view accessibleName{};
    Align align = Align::Left;
    int lineWidth = 1; // pixels
    bool visible = true;
    bool enabled = true; // for a timer: ticking from the moment the screen loads
    int tabIndex = -1;   // -1 for controls that have no tab position
    int interval = 0;    // timer interval in milliseconds
};

// How a screen reader presents a window as it appears: a window by its title and the
// control that has the focus; a dialog with the sentences it shows too; an alert with them
// as news.
enum class ReadAs { Window, Dialog, Alert };

struct ScreenDesign {
    std::string_view caption{};
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Colour back = colour::buttonFace;
    std::string_view picture{};
    bool keyPreview = false;
    ReadAs readAs = ReadAs::Window;
    // Picture boxes and buttons stand above the other kinds; within each group the
    // list runs front-most first.
    std::vector<ControlDesign> controls{};
};

} // namespace rt
