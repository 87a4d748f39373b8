// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "horalux_version.h"

#include <xcb/xcb.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
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

// The value of Qt's option -name (or --name) on a command line that
// answerBeforeStart let through; nullptr when it is not given.
const char *qtOption(int argc, const char *const *argv, std::string_view name)
{
    const char *found = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        const char *argument = argv[i];
        std::string_view option(argument + (argument[1] == '-' ? 2 : 1));
        if (among(option, kQtOptionsWithValue)) {
            if (option == name)
                found = argv[i + 1];
            ++i;
        }
    }
    return found;
}

const char *whyNotOpened(int error)
{
    switch (error) {
    case XCB_CONN_CLOSED_PARSE_ERR: return "not a display name";
    case XCB_CONN_CLOSED_INVALID_SCREEN: return "no such screen";
    default: return "no X server answers there, or it refuses this user";
    }
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

std::string askedPlatform(int argc, const char *const *argv)
{
    if (const char *named = qtOption(argc, argv, "platform"))
        return named;
    return isSet("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : std::string();
}

std::optional<int> answerUnreachableDisplay(int argc, const char *const *argv)
{
    std::string platform = askedPlatform(argc, argv);
    if (platform.empty())
        platform = "xcb";
    // "xcb:arguments" is still xcb; a list ("xcb;offscreen") lets Qt fall back.
    platform = platform.substr(0, platform.find(':'));
    for (char &c : platform)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (platform != "xcb")
        return std::nullopt;
    const char *display = qtOption(argc, argv, "display");
    if (!display || !*display)
        display = std::getenv("DISPLAY");
    xcb_connection_t *connection = xcb_connect(display && *display ? display : nullptr, nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (!error)
        return std::nullopt;
    if (display && *display)
        std::fprintf(stderr, "horalux: cannot open display %s: %s\n", display, whyNotOpened(error));
    else
        std::fputs("horalux: cannot open an X display: DISPLAY is not set\n", stderr);
    return 1;
}
