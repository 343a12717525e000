// Renders the program's SVG icons into pixmaps of the sizes the window
// system asks for.
#include "app/AppIcons_ui.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <initializer_list>

namespace {

QIcon Render(const QString& resource, std::initializer_list<int> sizes)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return {};
    QIcon icon;
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon SvgIcon(const QString& name)
{
    return Render(QStringLiteral(":/icons/%1.svg").arg(name), {16, 24, 32});
}

QIcon ProgramIcon()
{
    static const QIcon icon =
        Render(QStringLiteral(":/icons/curvarium.svg"), {16, 24, 32, 48, 64, 128, 256});
    return icon;
}
