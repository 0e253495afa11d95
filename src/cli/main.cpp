// Entry point of the command-line tool: the program's engine and settings without its window.
#include "cli/clicommands.h"
#include "cli/commandline.h"
#include "settings/settings.h"
#include "usb/trace.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // The engine's log panel is a widget that is never shown; no display is needed for it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // Must precede every settings access: these names locate the store the program uses.
    nameSettingsStore();
    writeDefaultSettings();

    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLine commandLine;
    QString error;
    if (!parseCommandLine(QCoreApplication::arguments().mid(1), &commandLine, &error)) {
        err << "orv-rdm-cli: " << error << "\n\n" << usageText();
        return CliExit::Usage;
    }
    if (commandLine.helpRequested) {
        out << usageText();
        return CliExit::Success;
    }
    if (commandLine.trace)
        enableTrace();
    return runCommand(commandLine, out, err);
}
