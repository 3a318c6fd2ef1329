#pragma once

// Label styles shared by the screen designs.

#include "core/texts.h"
#include "runtime/design.h"

#include <string_view>

namespace designs {

inline constexpr std::string_view copyrightNotice =
    NC_("Quillory", "\u00A9 2026 The Trundlex developers");

inline constexpr rt::Font president(double points)
{
    return {"President", points, true};
}

// The one-line copyright notice every screen carries: white on black, default font.
inline constexpr rt::ControlDesign notice(std::string_view name, float left, float top,
                                          int tabIndex = -1)
{
    return {.kind = rt::Kind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = 2415,
            .height = 255,
            .caption = copyrightNotice,
            .back = rt::colour::black,
            .fore = rt::colour::white,
            .tabIndex = tabIndex};
}

// White text in "President" on the black ground of the information screens.
inline constexpr rt::ControlDesign storyLabel(std::string_view name, float left, float top,
                                              float width, float height, std::string_view text,
                                              double points, rt::Align align, int tabIndex)
{
    return {.kind = rt::Kind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = text,
            .back = rt::colour::menuText,
            .fore = rt::colour::highlightText,
            .font = president(points),
            .align = align,
            .tabIndex = tabIndex};
}

inline constexpr rt::ControlDesign button(std::string_view name, float left, float top, float width,
                                          float height, std::string_view caption, int tabIndex,
                                          int index = -1)
{
    return {.kind = rt::Kind::Button,
            .name = name,
            .index = index,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .tabIndex = tabIndex};
}

} // namespace designs
