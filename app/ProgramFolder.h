#pragma once
// Files that belong to the program (the help, the demonstration documents,
// the README that serves as home page, the icon). An installed program finds
// them in share/curvarium beside its bin folder; a program run from the build
// folder it was built in finds them in the source tree that build was made
// from. Nothing is searched for by walking up from the program's folder.
#include <QString>

// The folder of the executable, without a trailing separator.
QString ProgramFolder();

// The data folder for a program in `programFolder`: `sourceDir` when the
// program lies in `buildDir` or below it, else `dataDir` relative to the
// parent of `programFolder` (prefix/bin -> prefix/share/curvarium).
QString DataFolderFor(const QString& programFolder, const QString& buildDir,
                      const QString& sourceDir, const QString& dataDir);

// The data folder of this program.
QString DataFolder();

// `name` ('/'-separated, relative) in the data folder.
QString ProgramDataPath(const QString& name);

// The program icon as a file, for the desktop entry: the installed theme
// icon or the source tree's SVG.
QString ProgramIconPath();

// The home and support pages set when the program was configured; empty
// when none was set.
QString ConfiguredHomePage();
QString ConfiguredSupportPage();
