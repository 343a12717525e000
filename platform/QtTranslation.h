#pragma once
// Qt's own Chinese translation (qtbase_zh_CN from the Qt installation), so
// the standard buttons and the file, colour and print dialogs speak the
// program's language.
class QCoreApplication;

// Loads and installs the translation into `app`; false when it is not
// installed on this system (Qt's English texts remain).
bool InstallQtChineseTranslation(QCoreApplication* app);
