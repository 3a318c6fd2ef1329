// Runs the game's benchmarks and a window with one line of text (label_window), the least a
// program that shows text in its first frame can do, on the current display and prints one
// Markdown table: each figure for the game, the one-label window's where it has one, how
// the two compare (a ratio of times, a difference of memory), the target, and whether the
// game meets it. A second table sets the one-label window beside a bare window
// (bare_window) in the same way. The programs it runs sit in its own directory and report
// "figure value" lines.
//
// With "--windows DIR" it measures instead the Windows build in DIR under Wine: how long
// Quillory.exe takes from its start to its first window on view, beside the window with one
// line of text built with the same Qt, and the sizes of the two files.

#include "readings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int startUpRuns = 20;
// A language costs little: telling it from the machine's noise takes more runs.
constexpr int languageRuns = 60;
constexpr int splashMs = 2500;
constexpr int mazeIdleMs = 10'000;
constexpr int wineRuns = 10;

using Readings = std::map<std::string, double, std::less<>>;

struct Finished {
    double startedAtMs;
    Readings readings;
};

double nowMs()
{
    return double(bench::monotonicNs()) / 1e6;
}

// The figures among everything the program wrote: Qt's own messages are lines of more
// than two words.
Readings readingsIn(const std::string& output)
{
    Readings readings;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string figure;
        double value = 0;
        std::string more;
        if (words >> figure >> value && !(words >> more))
            readings[figure] = value;
    }
    return readings;
}

[[noreturn]] void fail(const std::string& program, const std::string& why)
{
    std::fprintf(stderr, "%s: %s\n", program.c_str(), why.c_str());
    std::exit(1);
}

// The environment of this program with the language variables set as given ("LANG=C"),
// or left as they are where none is given.
std::vector<std::string> environmentWith(const std::vector<std::string>& language)
{
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view entry = *variable;
        const bool aboutLanguage = entry.starts_with("LANG=") || entry.starts_with("LC_ALL=") ||
                                   entry.starts_with("LC_MESSAGES=") ||
                                   entry.starts_with("LANGUAGE=");
        if (language.empty() || !aboutLanguage)
            environment.emplace_back(entry);
    }
    environment.insert(environment.end(), language.begin(), language.end());
    return environment;
}

// Starts one of the benchmark programs in the language given, if any, and waits for it to
// end. Its standard output and error go to one pipe; the clock is read last thing before
// the process is spawned.
Finished run(std::vector<std::string> command, const std::vector<std::string>& language = {})
{
    const std::string program = command.front();
    command.front() =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / program).string();
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment = environmentWith(language);
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    int ends[2];
    if (pipe(ends) != 0)
        fail(program, "no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    posix_spawn_file_actions_addclose(&actions, ends[1]);
    pid_t child = 0;
    const double startedAtMs = nowMs();
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        fail(program, "cannot be started");
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);

    std::string output;
    char buffer[4096];
    for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, std::size_t(got));
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail(program, "failed:\n" + output);
    return {startedAtMs, readingsIn(output)};
}

double reading(const Finished& finished, std::string_view figure)
{
    const auto found = finished.readings.find(figure);
    if (found == finished.readings.end())
        fail(std::string(figure), "was not reported");
    return found->second;
}

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values[values.size() / 2];
}

double megabytes(double bytes)
{
    return bytes / (1024 * 1024);
}

struct Row {
    std::string figure;
    double game;
    std::optional<double> reference;
    std::string unit;
    std::string target;
    std::optional<bool> met;
};

// Counts bare, measures with three figures after the point below 10 and one above.
std::string shown(double value, const std::string& unit)
{
    char text[64];
    if (unit.empty())
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, std::fabs(value) < 10 ? "%.3f %s" : "%.1f %s", value,
                      unit.c_str());
    return text;
}

// Times and sizes compare as ratios, memory as the difference.
std::string comparison(const Row& row)
{
    if (!row.reference || *row.reference <= 0.05)
        return "-";
    char text[32];
    if (row.figure.starts_with("peak"))
        std::snprintf(text, sizeof text, "%+.1f MB", row.game - *row.reference);
    else
        std::snprintf(text, sizeof text, "%.2fx", row.game / *row.reference);
    return text;
}

void print(const std::string& program, const std::vector<Row>& rows,
           const std::string& reference = "window with one label")
{
    std::printf("| Figure | %s | %s | against it | target | met |\n", program.c_str(),
                reference.c_str());
    std::printf("|---|---:|---:|---:|---|---|\n");
    for (const Row& row : rows) {
        std::printf("| %s | %s | %s | %s | %s | %s |\n", row.figure.c_str(),
                    shown(row.game, row.unit).c_str(),
                    row.reference ? shown(*row.reference, row.unit).c_str() : "-",
                    comparison(row).c_str(), row.target.c_str(),
                    !row.met   ? "-"
                    : *row.met ? "yes"
                               : "**no**");
    }
}

struct FirstFrame {
    double ms;
    double cpuMs;
    double peakMb;
};

// A benchmark program as it is started: its name, and the language given it, if any.
struct Start {
    std::string program;
    std::vector<std::string> language{};
};

// From the process's start to its first window's first frame, and its peak resident
// memory at that moment: medians over alternate runs of the programs, so that all meet
// the same state of the machine. In the order of the starts.
std::vector<FirstFrame> firstFrames(const std::vector<Start>& starts, int runs = startUpRuns)
{
    std::vector<std::vector<double>> ms(starts.size());
    std::vector<std::vector<double>> cpuMs(starts.size());
    std::vector<std::vector<double>> peakKb(starts.size());
    for (int i = 0; i < runs; ++i) {
        for (std::size_t s = 0; s < starts.size(); ++s) {
            const Finished finished = run({starts[s].program}, starts[s].language);
            ms[s].push_back(reading(finished, "first_frame_at_ms") - finished.startedAtMs);
            cpuMs[s].push_back(reading(finished, "first_frame_cpu_ms"));
            peakKb[s].push_back(reading(finished, "peak_resident_kb"));
        }
    }
    std::vector<FirstFrame> medians;
    for (std::size_t s = 0; s < starts.size(); ++s)
        medians.push_back({median(ms[s]), median(cpuMs[s]), megabytes(median(peakKb[s]) * 1024)});
    return medians;
}

std::vector<Row> firstFrameRows(const FirstFrame& program, const FirstFrame& reference,
                                int count = startUpRuns)
{
    const std::string runs = " (median of " + std::to_string(count) + ")";
    return {
        {"start-up to the first frame" + runs, program.ms, reference.ms, "ms", "-", std::nullopt},
        {"CPU time used by the first frame" + runs, program.cpuMs, reference.cpuMs, "ms", "-",
         std::nullopt},
        {"peak resident memory at the first frame", program.peakMb, reference.peakMb, "MB", "-",
         std::nullopt}};
}

std::vector<Row> memory()
{
    const Finished game = run({"memory_bench"});
    const Finished label = run({"label_window"});
    const double labelPeak = megabytes(reading(label, "peak_resident_kb") * 1024);
    const double pictures = megabytes(reading(game, "picture_bytes"));
    const double limit = 1.25 * labelPeak + pictures;
    char target[160];
    std::snprintf(target, sizeof target,
                  "at most 1.25x the window with one label + %.0f decoded pictures (%.2f MB) = "
                  "%.1f MB",
                  reading(game, "picture_count"), pictures, limit);
    const double peak = megabytes(reading(game, "peak_resident_kb") * 1024);
    return {{"peak resident memory after visiting all nine screens", peak, labelPeak, "MB", target,
             peak <= limit},
            {"of which the pixels of the windows shown at the end (width x height x 4)",
             megabytes(reading(game, "window_pixel_bytes")),
             megabytes(reading(label, "window_pixel_bytes")), "MB", "-", std::nullopt}};
}

double labelIdleCpuMs(int ms)
{
    return reading(run({"label_window", "--stay", std::to_string(ms)}), "idle_cpu_ms");
}

std::vector<Row> idleCost()
{
    const Finished game = run({"idle_bench"});
    const double splash = reading(game, "splash_cpu_ms");
    const double maze = reading(game, "maze_idle_cpu_ms");
    return {{"CPU time of the splash from its first frame to its hand-over", splash,
             labelIdleCpuMs(splashMs), "ms", "under 40 ms", splash < 40},
            {"CPU time of a maze screen left alone for 10 s", maze, labelIdleCpuMs(mazeIdleMs),
             "ms", "under 20 ms", maze < 20}};
}

std::vector<Row> mazePlay()
{
    const Finished game = run({"maze_bench"});
    const double median = reading(game, "key_release_median_ms");
    const double p99 = reading(game, "key_release_p99_ms");
    const double silent = reading(game, "key_releases_without_update");
    std::vector<Row> rows = {
        {"key release to repaint, median of 10,000", median, std::nullopt, "ms", "under 0.5 ms",
         median < 0.5},
        {"key release to repaint, 99th percentile", p99, std::nullopt, "ms", "under 2 ms", p99 < 2},
        {"key release to repaint, worst", reading(game, "key_release_worst_ms"), std::nullopt, "ms",
         "-", std::nullopt},
        {"key releases that brought no repaint", silent, std::nullopt, "", "none", silent == 0},
        {"swipe to repaint, median of 10,000", reading(game, "gesture_median_ms"), std::nullopt,
         "ms", "under 0.5 ms", reading(game, "gesture_median_ms") < 0.5},
        {"swipes that brought no repaint", reading(game, "gestures_without_update"), std::nullopt,
         "", "none", reading(game, "gestures_without_update") == 0},
    };
    for (int seconds : {30, 20, 10}) {
        const double off = reading(game, "countdown_" + std::to_string(seconds) + "s_off_ms");
        rows.push_back({"level of " + std::to_string(seconds) + " s lost late by", off,
                        std::nullopt, "ms", "within 20 ms", std::fabs(off) <= 20});
    }
    return rows;
}

// The windows the window manager looks after, all but those in `old`.
std::vector<Window> newWindows(Display* display, const std::vector<Window>& old)
{
    static const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    std::vector<Window> found;
    if (XGetWindowProperty(display, DefaultRootWindow(display), clientList, 0, 4096, False,
                           XA_WINDOW, &type, &format, &count, &left, &data) == Success &&
        data) {
        const auto* windows = reinterpret_cast<const Window*>(data);
        for (unsigned long i = 0; i < count; ++i) {
            if (std::ranges::find(old, windows[i]) == old.end())
                found.push_back(windows[i]);
        }
        XFree(data);
    }
    return found;
}

// Wine names a program's windows after its file, in small letters.
bool isOnView(Display* display, Window window, const std::string& className)
{
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return false;
    const bool named = className == hint.res_name;
    XFree(hint.res_name);
    XFree(hint.res_class);
    XWindowAttributes attributes{};
    return named && XGetWindowAttributes(display, window, &attributes) &&
           attributes.map_state == IsViewable;
}

// Asks the window to close, as its frame's close button does.
void closeWindow(Display* display, Window window)
{
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
}

// From starting the program under Wine to its first window on view, polled every
// millisecond; then the window is closed, which ends the program. Wine stopped by a signal
// instead may not start the next program for a while.
double msToFirstWindow(Display* display, const std::filesystem::path& program)
{
    std::string className = program.filename().string();
    std::ranges::transform(className, className.begin(), ::tolower);
    const std::vector<Window> before = newWindows(display, {});
    std::string wine = "wine";
    std::string path = program.string();
    char* argv[] = {wine.data(), path.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const double startedAtMs = nowMs();
    if (posix_spawnp(&child, "wine", &actions, nullptr, argv, environ) != 0)
        fail(path, "cannot be started with wine");
    posix_spawn_file_actions_destroy(&actions);
    std::optional<Window> shown;
    double shownAtMs = 0;
    while (!shown && nowMs() - startedAtMs < 30'000) {
        for (Window window : newWindows(display, before)) {
            if (isOnView(display, window, className)) {
                shownAtMs = nowMs();
                shown = window;
            }
        }
        usleep(1000);
    }
    if (shown)
        closeWindow(display, *shown);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !shown || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        fail(path, "showed no window, or did not end when it was closed");
    return shownAtMs - startedAtMs;
}

std::vector<Row> windowsRows(const std::filesystem::path& build)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        fail("--windows", "needs an X display");
    const std::filesystem::path game = build / "Quillory.exe";
    const std::filesystem::path label = build / "label_window.exe";
    // Once each beforehand, so that Wine's own files are read from memory in every run.
    msToFirstWindow(display, game);
    msToFirstWindow(display, label);
    std::vector<double> gameMs;
    std::vector<double> labelMs;
    for (int i = 0; i < wineRuns; ++i) {
        gameMs.push_back(msToFirstWindow(display, game));
        labelMs.push_back(msToFirstWindow(display, label));
    }
    XCloseDisplay(display);
    const double start = median(gameMs);
    const double labelStart = median(labelMs);
    return {{"start to the first window on view (median of " + std::to_string(wineRuns) + ")",
             start, labelStart, "ms", "at most 1.10x the window with one label",
             start <= 1.10 * labelStart},
            {"size of the stripped executable", megabytes(double(file_size(game))),
             megabytes(double(file_size(label))), "MB", "-", std::nullopt}};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--windows") {
        print("Quillory.exe", windowsRows(argv[2]));
        return 0;
    }
    const auto frames = firstFrames({{"trundlex_first_frame"}, {"bare_window"}, {"label_window"}});
    const FirstFrame& game = frames[0];
    const FirstFrame& label = frames[2];
    std::vector<Row> rows = firstFrameRows(game, label);
    rows.front().target = "at most 1.15x the window with one label";
    rows.front().met = game.ms <= 1.15 * label.ms;
    for (const auto& more : {memory(), idleCost(), mazePlay()})
        rows.insert(rows.end(), more.begin(), more.end());
    print("trundlex", rows);
    std::printf(
        "\nWhat the one line of text costs, against a bare window, from the same runs:\n\n");
    print("window with one label", firstFrameRows(label, frames[1]), "bare window");

    std::printf("\nThe game in German (LANG=de_DE.UTF-8) against the game in English (LANG=C), "
                "from runs of their own; the memory a German locale costs any program, which "
                "the window with one label shows in the second table, is the player's:\n\n");
    const std::vector<std::string> german{"LANG=de_DE.UTF-8"};
    const std::vector<std::string> plain{"LANG=C"};
    const auto languages = firstFrames({{"trundlex_first_frame", german},
                                        {"trundlex_first_frame", plain},
                                        {"label_window", german},
                                        {"label_window", plain}},
                                       languageRuns);
    const double localeMb = languages[2].peakMb - languages[3].peakMb;
    std::vector<Row> inGerman = firstFrameRows(languages[0], languages[1], languageRuns);
    inGerman[0].target = "at most 1.03x the game in English";
    inGerman[0].met = languages[0].ms <= 1.03 * languages[1].ms;
    inGerman[2].target = "at most +0.3 MB beyond the locale's";
    inGerman[2].met = languages[0].peakMb - languages[1].peakMb - localeMb <= 0.3;
    print("trundlex in German", inGerman, "trundlex in English");
    std::printf("\n");
    print("window with one label, German locale",
          firstFrameRows(languages[2], languages[3], languageRuns),
          "window with one label, C locale");
    return 0;
}
