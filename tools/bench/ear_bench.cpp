// How soon the Orca screen reader says where a step took the snail: from each of 20 arrow
// key releases on level 1 to the sentence in Orca's log. Run under with-desktop.sh and
// with-screen-reader.sh, with the game's path; prints a Markdown table.

#include "support/speech_log.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int steps = 20;

bool press(const QString& key)
{
    return QProcess::execute("xdotool", {"key", key}) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    support::SpeechLog log;
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    game.setProcessEnvironment(environment);
    game.start(app.arguments().value(1), {});
    if (!log.open() || !log.hear("Level 2 push button.", 20000) || !press("alt+1") ||
        !log.hear("Level 1, 30 seconds.", 5000)) {
        std::fprintf(stderr, "The game was not heard to open level 1\n");
        return 1;
    }
    // Along the first row, where every step moves.
    std::vector<double> ms;
    for (int i = 0; i < steps; ++i) {
        const double released = support::msOfTheDay();
        if (!press(i % 2 ? "Right" : "Left"))
            return 1;
        const auto heard = log.hear(i % 2 ? "Right." : "Left.", 2000);
        if (!heard) {
            std::fprintf(stderr, "Step %d was not heard\n", i + 1);
            return 1;
        }
        ms.push_back(heard->at - released);
    }
    game.kill();
    game.waitForFinished();
    std::ranges::sort(ms);
    const double median = ms[ms.size() / 2];
    std::printf("| Figure | trundlex | target | met |\n|---|---:|---|---|\n");
    std::printf("| key release to spoken sentence, median of %d | %.0f ms | under 100 ms | %s |\n",
                steps, median, median < 100 ? "yes" : "**no**");
    std::printf("| key release to spoken sentence, worst | %.0f ms | - | - |\n", ms.back());
    return 0;
}
