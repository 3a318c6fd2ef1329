#pragma once

namespace rt {

// Virtual-key codes of the arrow keys, as key-release handlers receive them.
inline constexpr int keyLeft = 37;
inline constexpr int keyUp = 38;
inline constexpr int keyRight = 39;
inline constexpr int keyDown = 40;

} // namespace rt
