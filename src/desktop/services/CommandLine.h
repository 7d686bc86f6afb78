#pragma once

// What the program is asked to do by its command line.

#include <QString>
#include <QStringList>

namespace vantrel::desktop {

struct CommandLine {
    // A scenario file to open at start-up, made absolute against the folder the program was
    // started from (start-up moves to the simulator folder before it is opened).
    QString file;
    // --screenshot FILE [--open SCENARIO] [--tab N] [--select LIST=ITEM] [--click BUTTON]: a
    // picture of the main window filling the screen, then quit.
    QString screenshot;
    QString open;
    int tab = 0;
    QString click;
    QString select;
    // --export-forms FILE: the forms of every window, described for the Windows program.
    QString exportForms;
    bool help = false;
    // Why the arguments were refused; empty when they were taken.
    QString error;

    static CommandLine parse(const QStringList& arguments, const QString& startFolder);
    static const char* usage();
};

} // namespace vantrel::desktop
