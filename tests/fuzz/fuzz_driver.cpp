// Plays long random sequences of events against the real screens and a model of the
// game, and stops at the first difference with the shortest sequence that shows it.
//
//     game_fuzz [--events N] [--seeds 1,2,3]
//
// The events are shared out over the seeds; the same seeds and count play the same
// events again. It runs on Qt's offscreen platform whatever the environment says.

#include "generator.h"
#include "session.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

struct Options {
    long events = 3000;
    std::vector<std::uint32_t> seeds = {1};
};

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--events") {
            options.events = std::atol(argv[i + 1]);
        } else if (name == "--seeds") {
            options.seeds.clear();
            std::istringstream list(argv[i + 1]);
            for (std::string seed; std::getline(list, seed, ',');)
                options.seeds.push_back(std::uint32_t(std::stoul(seed)));
        }
    }
    return options;
}

// What a run went through, to show that it reached the corners of the game.
struct Tally {
    long events = 0;
    long games = 0;
    long wins = 0;
    long losses = 0;
    long handOvers = 0;
    long frameCloses = 0;

    void count(const Event& event, const model::Game& before, const model::Game& after)
    {
        ++events;
        wins += shown(model::Screen::Won, before, after);
        losses += shown(model::Screen::Lost, before, after);
        handOvers += before.state(model::Screen::Splash).splash.timer1 &&
                     !after.state(model::Screen::Splash).splash.timer1;
        frameCloses += event.action == Event::Action::Close;
    }

    static bool shown(model::Screen screen, const model::Game& before, const model::Game& after)
    {
        return after.active() == screen && before.active() != screen;
    }
};

// A replay from a fresh start-up; events whose target is gone are passed over.
std::optional<Mismatch> replay(const std::vector<Event>& events)
{
    Session session;
    if (auto mismatch = session.compare())
        return mismatch;
    for (const Event& event : events) {
        if (session.model().ended())
            session.restart();
        if (!canHappen(event, session.model()))
            continue;
        if (auto mismatch = session.play(event))
            return mismatch;
    }
    return std::nullopt;
}

std::vector<Event> without(const std::vector<Event>& events, std::size_t start, std::size_t count)
{
    std::vector<Event> rest(events.begin(), events.begin() + long(start));
    rest.insert(rest.end(), events.begin() + long(std::min(start + count, events.size())),
                events.end());
    return rest;
}

// Delta debugging: drop ever smaller parts of the events while the same difference
// shows; then try dropping each run of a few neighbours, which the parts may straddle.
std::vector<Event> shrink(std::vector<Event> events, const std::string& what)
{
    const auto stillShows = [&](const std::vector<Event>& candidate) {
        const auto mismatch = replay(candidate);
        return mismatch && mismatch->what == what;
    };
    std::size_t parts = 2;
    while (events.size() >= 2) {
        const std::size_t size = (events.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < events.size() && !reduced; start += size) {
            std::vector<Event> rest = without(events, start, size);
            if (stillShows(rest)) {
                events = std::move(rest);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
            }
        }
        if (!reduced) {
            if (parts >= events.size())
                break;
            parts = std::min(parts * 2, events.size());
        }
    }
    for (std::size_t run = 4; run >= 2; --run) {
        for (std::size_t start = 0; start + run <= events.size();) {
            if (std::vector<Event> rest = without(events, start, run); stillShows(rest))
                events = std::move(rest);
            else
                ++start;
        }
    }
    return events;
}

void print(const std::vector<Event>& events)
{
    for (std::size_t i = 0; i < events.size(); ++i)
        std::cout << "  " << i + 1 << ". " << describe(events[i]) << "\n";
}

// The events of the game under way, for a report when a sanitizer stops the program.
const std::vector<Event>* currentGame = nullptr;
std::uint32_t currentSeed = 0;

[[maybe_unused]] void reportCurrentGame()
{
    if (!currentGame)
        return;
    std::cout << "Stopped during seed " << currentSeed << "; the events of its last game:\n";
    print(*currentGame);
    std::cout.flush();
}

int report(std::uint32_t seed, long index, const Mismatch& mismatch, const std::vector<Event>& game,
           long perSeed)
{
    std::cout << "DIFFERENCE with seed " << seed << " at event " << index << ": " << mismatch.what
              << ": expected \"" << mismatch.expected << "\", got \"" << mismatch.actual << "\"\n";
    const auto again = replay(game);
    if (!again || again->what != mismatch.what) {
        std::cout << "It does not show again from start-up; the events of its game:\n";
        print(game);
    } else {
        const std::vector<Event> shortest = shrink(game, mismatch.what);
        std::cout << "Shortest sequence from start-up that still shows it (" << shortest.size()
                  << " of " << game.size() << " events):\n";
        print(shortest);
    }
    std::cout << "Play it again with: game_fuzz --events " << perSeed << " --seeds " << seed
              << "\n";
    return EXIT_FAILURE;
}

int run(const Options& options)
{
    const long perSeed = options.events / long(options.seeds.size());
    Tally total;
    const auto started = std::chrono::steady_clock::now();
    for (std::uint32_t seed : options.seeds) {
        Generator generator(seed);
        Session session;
        std::vector<Event> game;
        currentGame = &game;
        currentSeed = seed;
        ++total.games;
        if (auto mismatch = session.compare())
            return report(seed, 0, *mismatch, game, perSeed);
        for (long index = 1; index <= perSeed; ++index) {
            if (session.model().ended()) {
                session.restart();
                game.clear();
                ++total.games;
            }
            const Event event = generator.next(session.model());
            game.push_back(event);
            const model::Game before = session.model();
            if (auto mismatch = session.play(event))
                return report(seed, index, *mismatch, game, perSeed);
            total.count(event, before, session.model());
        }
    }
    currentGame = nullptr;
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "game_fuzz: " << total.events << " events in " << total.games << " games over "
              << options.seeds.size() << " seeds in " << seconds << " s: " << total.wins
              << " wins, " << total.losses << " losses, " << total.handOvers
              << " splash hand-overs, " << total.frameCloses
              << " frame closes; no difference from the model\n";
    return EXIT_SUCCESS;
}

// The offscreen platform cannot raise a window and says so on every Show.
QtMessageHandler defaultHandler = nullptr;

void quietAboutRaise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != "This plugin does not support raise()")
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    // The model knows the windows as Qt's offscreen platform keeps them: with no window
    // manager, hiding the active window leaves none active.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    defaultHandler = qInstallMessageHandler(quietAboutRaise);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(reportCurrentGame);
#endif
    return run(parse(argc, argv));
}
