#include "runtime/command_line.h"

#include "runtime/platform.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace rt {

namespace {

// The options Qt's application object takes out of the command line itself: those of
// Qt's core, GUI and widgets libraries and of its X11 platform, with one dash or two.
// clang-format off
const char* const qtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "geometry", "title", "icon", "session", "style", "stylesheet", "display",
    "name", "visual",
};
const char* const qtSwitches[] = {
    "reverse", "testability", "widgetcount", "nograb", "dograb", "qdevel", "qdebug",
};
// clang-format on

void acceptQtOptions(QCommandLineParser& parser)
{
    const auto accept = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : qtOptionsWithValue)
        accept(name, "value");
    for (const char* name : qtSwitches)
        accept(name, QString());
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    if (argc < 2)
        return std::nullopt; // how desktops start the game: nothing to read
    platform::useParentConsole();
    // The parser names the program as the application object does. That object takes
    // options out of the command line it is given, so it gets a copy.
    int count = argc;
    std::vector<char*> arguments(argv, argv + argc + 1);
    const QCoreApplication reader(count, arguments.data());
    QCoreApplication::setApplicationVersion(TRUNDLEX_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("Steer Tiblo the snail out of a maze before time runs out.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    acceptQtOptions(parser);
    // Prints the help, the version or what is wrong, and ends the program, as Qt programs do.
    parser.process(reader);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: Unexpected argument '%s'.\n",
                     qPrintable(QCoreApplication::applicationName()),
                     qPrintable(parser.positionalArguments().first()));
        return 1;
    }
    return std::nullopt;
}

} // namespace rt
