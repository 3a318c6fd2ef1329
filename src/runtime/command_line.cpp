#include "runtime/command_line.h"

#include "runtime/language.h"
#include "runtime/platform.h"
#include "runtime/text.h"

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

// The parser's own words in the game's answers, translated with the game's texts.
[[maybe_unused]] const char* const parserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

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
    useThePlayersLanguage();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        translated(NC_("Quillory", "Steer Tiblo the snail out of a maze before time runs out.")));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    acceptQtOptions(parser);
    // Answered here, not by the parser's own process(): on Windows that answers in a message
    // box wherever it finds no console, as when the output goes into a pipe.
    const QString name = QCoreApplication::applicationName();
    QString problem;
    if (!parser.parse(QCoreApplication::arguments()))
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = translated(NC_("Quillory", "Unexpected argument '%1'."))
                      .arg(parser.positionalArguments().first());
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(name), qUtf8Printable(problem));
        return 1;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qUtf8Printable(name), TRUNDLEX_VERSION);
        return 0;
    }
    // --help-all too: the game's help is all there is to say.
    if (parser.isSet(help) || parser.isSet("help-all")) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    return std::nullopt;
}

} // namespace rt
