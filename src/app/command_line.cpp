#include "app/command_line.h"

#include <algorithm>
#include <span>
#include <string_view>

#ifndef TIVORUM_VERSION
#error "TIVORUM_VERSION comes from the project version"
#endif

namespace tivorum {

namespace {

// Options QApplication and its platform plugins take; Qt also accepts them
// with two dashes.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "geometry",
    "title",           "icon",
    "display",         "name",
    "visual",          "session",
    "style",           "stylesheet",
};
constexpr std::string_view kQtFlags[] = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "testability",
};

bool listed(std::span<const std::string_view> names, std::string_view name) {
  return std::ranges::find(names, name) != names.end();
}

std::string helpText() {
  return "Usage: tivorum [OPTION]...\n"
         "A desktop printing calculator with a paper tape and loan, annuity,\n"
         "investment, interest, dividend, currency, pricing and geometry modules.\n"
         "\n"
         "  -h, --help       show this help and exit\n"
         "  -v, --version    show the version and exit\n"
         "\n"
         "Qt's own options are accepted as well, among them -platform NAME,\n"
         "-display DISPLAY, -style NAME and -reverse.\n"
         "\n"
         "Settings are kept in CUSTOM.INI beside the program, or in\n"
         "$XDG_CONFIG_HOME/tivorum/ (~/.config/tivorum/) for an installed copy;\n"
         "the tape is kept between runs in tape.journal beside CUSTOM.INI, or in\n"
         "$XDG_STATE_HOME/tivorum/ (~/.local/state/tivorum/) for an installed copy;\n"
         "the tape printed to file is appended to CALCULAT.TXT in the working folder.\n";
}

CommandLine usageError(std::string message) {
  return {CommandLine::Action::Error,
          "tivorum: " + message + "\nTry 'tivorum --help' for more information.\n", 2};
}

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") return {CommandLine::Action::Help, helpText(), 0};
    if (arg == "-v" || arg == "--version") {
      return {CommandLine::Action::Version, "tivorum " TIVORUM_VERSION "\n", 0};
    }
    if (arg.size() < 2 || arg[0] != '-') {
      return usageError("unexpected argument '" + std::string(arg) + "'");
    }
    std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    const auto equals = name.find('=');
    const bool hasValue = equals != std::string_view::npos;
    if (hasValue) name = name.substr(0, equals);
    if (listed(kQtOptionsWithValue, name)) {
      if (hasValue) continue;
      if (i + 1 >= argc) return usageError("option '" + std::string(arg) + "' needs a value");
      ++i;
      continue;
    }
    if (listed(kQtFlags, name) && !hasValue) continue;
    return usageError("unknown option '" + std::string(arg) + "'");
  }
  return {};
}

}  // namespace tivorum
