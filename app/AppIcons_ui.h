#pragma once
// Icons drawn for this program: the SVG files of icons/, built into the
// program as resources and rendered without an image plug-in.
#include <QIcon>
#include <QString>

// icons/<name>.svg at toolbar sizes; an empty icon when there is no such file.
QIcon SvgIcon(const QString& name);

// The program's own icon (window, About box).
QIcon ProgramIcon();
