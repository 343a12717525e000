#pragma once
// The application's title: the main window's caption and the title of every
// message box the program gives the application's name.
#include <QString>

inline QString AppTitle()
{
    return QStringLiteral("Curvarium");
}
