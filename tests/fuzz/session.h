#pragma once

#include "events.h"
#include "model.h"

#include "support/game.h"

#include <memory>
#include <optional>
#include <string>

// The first property in which the real screens differ from the model.
struct Mismatch {
    std::string what;
    std::string expected;
    std::string actual;
};

// The real game and the model side by side, from start-up on. The screens' own timers
// are held back while a session runs: every tick is an event the session delivers, so
// the model sees each one and wall-clock time changes nothing.
class Session {
public:
    Session();

    const model::Game& model() const { return model_; }
    // A fresh game on both sides, after the last one ended.
    void restart();
    // Plays the event on the real screens, then on the model, and compares the two.
    std::optional<Mismatch> play(const Event& event);
    std::optional<Mismatch> compare() const;

private:
    void playOnScreens(const Event& event);
    // The button whose accelerator the event presses, by the model.
    std::optional<std::string_view> acceleratorOf(const Event& event) const;
    std::optional<Mismatch> readPicks(const Event& event, model::Picks& picks) const;

    std::unique_ptr<Game> game_;
    model::Game model_;
};
