// Loads Qt's Chinese translation from the Qt installation.
#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtChineseTranslation(QCoreApplication* app)
{
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
