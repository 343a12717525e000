#pragma once
// Files that belong beside the program (the help file, the demonstration
// documents, the README that serves as home page). An installed program
// keeps them next to its executable; a program run from its build folder
// finds them in the source tree, a few folders above the executable.
#include <QString>

// The folder of the executable, without a trailing separator.
QString ProgramFolder();

// The first existing path of `name` in the program folder or in one of its
// three parent folders; the path in the program folder when none exists.
QString ProgramDataPath(const QString& name);
