#pragma once

namespace rt {
class Registry;
}

namespace screens {

// Makes all nine screens of the game known to the registry.
void addAll(rt::Registry& registry);

} // namespace screens
