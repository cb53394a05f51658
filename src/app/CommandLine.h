// The command-line modes for translators and automated checks. They need no
// display and never write a language file.
#pragma once

#include <QStringList>

#include <iosfwd>
#include <optional>

// Runs the mode the arguments ask for and returns the exit status; nothing
// when the arguments ask for the window.
//   --check FILE...       0: no errors, 1: errors, 2: unreadable file or bad arguments
//   --render FILE OUT.png [--dpi N]
//                         0: written, 2: unreadable file, bad arguments or unwritable picture
//   --help                0
std::optional<int> RunCommandLine(const QStringList& args, std::ostream& out, std::ostream& err);
// Whether the arguments ask for a mode without a window (so no display is needed).
bool IsCommandLineMode(int argc, char** argv);
// Checks one language/GUI file: prints one line per problem (a file information block the
// language list cannot find is a warning); true when it had no errors.
bool CheckLanguageFile(const QString& fileName, std::ostream& out);
