// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "horalux_version.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

// By hand rather than through QCommandLineParser: that one wants a
// QCoreApplication for its help and would have to declare Qt's own options,
// only for QApplication to parse them again.
namespace {

// Qt's own options, which QApplication reads; each takes one word, or
// "=value" where Qt allows it.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "name",          "style",
    "stylesheet",
};
constexpr std::string_view kQtOptionsWithEquals[] = {"style", "stylesheet", "qmljsdebugger"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb"};

template <std::size_t N>
bool among(std::string_view name, const std::string_view (&names)[N])
{
    for (std::string_view candidate : names) {
        if (candidate == name)
            return true;
    }
    return false;
}

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

constexpr const char kHelp[] = "Usage: horalux [--help | --version | Qt's options]\n"
                               "A small desktop world clock.\n"
                               "\n"
                               "  -h, --help     show this help and exit\n"
                               "  -v, --version  show the version and exit\n"
                               "\n"
                               "Qt's own options, such as -platform NAME, -display DISPLAY and -style STYLE,\n"
                               "are understood. The clock needs a display: an X11 or Wayland session\n"
                               "(DISPLAY or WAYLAND_DISPLAY), or a Qt platform named by QT_QPA_PLATFORM.\n";

int misuse(const char *what, const char *argument)
{
    std::fprintf(stderr, "horalux: %s '%s' (horalux --help lists the options)\n", what, argument);
    return 2;
}

} // namespace

std::optional<int> answerBeforeStart(int argc, const char *const *argv)
{
    bool displayNamed = false;
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (argument[0] != '-' || argument[1] == '\0')
            return misuse("unexpected argument", argument);
        // Qt takes "--platform" for "-platform".
        std::string_view option(argument + (argument[1] == '-' ? 2 : 1));
        if (option == "h" || option == "help" || option == "?") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (option == "v" || option == "version") {
            std::printf("Horalux %s\n", horalux_version::Dotted);
            return 0;
        }
        if (among(option, kQtFlags))
            continue;
        const std::size_t equals = option.find('=');
        if (equals != std::string_view::npos && among(option.substr(0, equals), kQtOptionsWithEquals))
            continue;
        if (!among(option, kQtOptionsWithValue))
            return misuse("unknown option", argument);
        if (i + 1 >= argc)
            return misuse("no value after", argument);
        const char *value = argv[++i];
        if ((option == "platform" || option == "display") && *value)
            displayNamed = true;
    }
    if (!displayNamed && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY") && !isSet("QT_QPA_PLATFORM")) {
        std::fputs("horalux: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; "
                   "start the clock in a desktop session\n",
                   stderr);
        return 1;
    }
    return std::nullopt;
}
