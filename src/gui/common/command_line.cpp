#include "common/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace zem::gui {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take out of
// the arguments themselves; the program accepts them and leaves them alone.
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "session", "display", "name", "visual",
    "style", "stylesheet", "qmljsdebugger",
};
const char* const kQtFlags[] = {"reverse", "testability", "widgetcount", "sync", "nograb", "dograb"};

void AddHidden(QCommandLineParser& parser, const QString& name, bool takesValue) {
    QCommandLineOption option(name);
    if (takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform offscreen), so one
    // dash starts a long option name here too, never a group of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("P"));
    const QCommandLineOption screenshotDir(QStringLiteral("screenshot-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"));
    const QCommandLineOption darkPalette(QStringLiteral("dark-palette"));
    parser.addOptions({help, version, port, screenshotDir, quitAfterShow, darkPalette});
    for (const char* name : kQtOptionsWithValue) AddHidden(parser, QLatin1String(name), true);
    for (const char* name : kQtFlags) AddHidden(parser, QLatin1String(name), false);

    ParsedCommandLine parsed;
    const bool understood = parser.parse(QStringList{QStringLiteral("zemprog")} + arguments);
    if (parser.isSet(help)) {
        parsed.action = ParsedCommandLine::Action::Help;
    } else if (parser.isSet(version)) {
        parsed.action = ParsedCommandLine::Action::Version;
    } else if (!understood) {
        parsed.action = ParsedCommandLine::Action::Refuse;
        parsed.error = parser.errorText();
    }
    if (parsed.action != ParsedCommandLine::Action::Run) return parsed;

    CommandLine& options = parsed.options;
    // Only the first file is opened: the program holds one document.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) options.file = files.first();
    options.port = parser.value(port);
    options.screenshotDir = parser.value(screenshotDir);
    options.quitAfterShow = parser.isSet(quitAfterShow);
    options.darkPalette = parser.isSet(darkPalette);
    return parsed;
}

QStringList ProgramArguments(int argc, char* argv[]) {
    QStringList arguments;
#ifdef _WIN32
    // argv holds the arguments in the local code page, which cannot spell
    // every file name; the wide command line can, as QApplication reads it.
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
        return arguments;
    }
#endif
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace zem::gui
