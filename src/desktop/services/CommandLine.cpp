#include "services/CommandLine.h"

#include <QDir>

namespace vantrel::desktop {

CommandLine CommandLine::parse(const QStringList& args, const QString& startFolder) {
    CommandLine line;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--screenshot") && hasValue) {
            line.screenshot = args[++i];
        } else if (arg == QLatin1String("--open") && hasValue) {
            line.open = args[++i];
        } else if (arg == QLatin1String("--tab") && hasValue) {
            line.tab = args[++i].toInt() - 1;
        } else if (arg == QLatin1String("--click") && hasValue) {
            line.click = args[++i];
        } else if (arg == QLatin1String("--select") && hasValue) {
            line.select = args[++i];
        } else if (arg == QLatin1String("--export-forms") && hasValue) {
            line.exportForms = args[++i];
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.help = true;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            line.error = QStringLiteral("unknown argument %1").arg(arg);
            return line;
        } else if (!line.file.isEmpty()) {
            line.error = QStringLiteral("only one scenario file can be opened: %1").arg(arg);
            return line;
        } else {
            line.file = QDir::cleanPath(QDir(startFolder).absoluteFilePath(arg));
        }
    }
    return line;
}

const char* CommandLine::usage() {
    return "Usage: vantrel [FILE.scn] [--screenshot FILE [--open SCENARIO] [--tab N] [--select LIST=ITEM]\n"
           "                                 [--click BUTTON]] [--export-forms FILE]\n"
           "  Starts the editor; FILE.scn, when given, is opened at once from its own folder.\n"
           "  The settings file vantrel.cfg is the one in the current folder when there is one,\n"
           "  otherwise the one in the user's configuration folder (vantrel/vantrel.cfg).\n"
           "  --screenshot FILE  saves a picture of the screen, the main window filling it, to FILE\n"
           "                     (PNG) and quits.\n"
           "  --open SCENARIO    first opens SCENARIO (relative to the scenario folder) as the\n"
           "                     load window would, for the picture.\n"
           "  --tab N            shows tab N (1 to 3) for the picture.\n"
           "  --select LIST=ITEM picks the item of the main window's list of that name\n"
           "                     (ShipName=GL-02, ...) for the picture, as a person would.\n"
           "  --click BUTTON     presses the main window's button or menu command of that name\n"
           "                     (Command1, Menu12, ...) for the picture, as a person would.\n"
           "  --export-forms FILE writes where the controls of every window lie, as the Windows\n"
           "                     program places them, to FILE and quits; with FILE.scn open when\n"
           "                     one is given.";
}

} // namespace vantrel::desktop
