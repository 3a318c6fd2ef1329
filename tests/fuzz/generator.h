#pragma once

#include "events.h"
#include "model.h"

#include <cstdint>
#include <optional>
#include <random>

// Draws the next event for a modelled state: arrow keys most of all, and half of them
// on the way out of the maze, so that levels get won as well as lost.
class Generator {
public:
    explicit Generator(std::uint32_t seed)
        : random_(seed)
    {
    }

    Event next(const model::Game& game);

private:
    using Maker = std::optional<Event> (Generator::*)(const model::Game&);
    struct Choice {
        double weight;
        Maker make;
        bool arrows = false; // weighs more while a maze screen has the keyboard
    };
    static const std::vector<Choice> choices;

    std::optional<Event> arrowRelease(const model::Game& game);
    std::optional<Event> arrowType(const model::Game& game);
    std::optional<Event> arrowPress(const model::Game& game);
    std::optional<Event> autoRepeatRelease(const model::Game& game);
    std::optional<Event> otherType(const model::Game& game);
    std::optional<Event> otherPress(const model::Game& game);
    std::optional<Event> otherRelease(const model::Game& game);
    std::optional<Event> accelerator(const model::Game& game);
    std::optional<Event> click(const model::Game& game);
    std::optional<Event> mouseClick(const model::Game& game);
    std::optional<Event> boxClick(const model::Game& game);
    std::optional<Event> tick(const model::Game& game);
    std::optional<Event> close(const model::Game& game);
    std::optional<Event> activate(const model::Game& game);

    model::Key arrow(const model::Game& game);
    int someModifiers();
    std::optional<Event> button(const model::Game& game, Event::Action action);
    bool chance(double probability);
    template<class T> const T& pick(const std::vector<T>& from);

    std::mt19937 random_;
};
