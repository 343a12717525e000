// Qt's own Chinese translation is installed and loaded, so the standard
// buttons of every message box read in Chinese.
#include "platform/QtTranslation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

TEST(QtTranslation, StandardButtonsReadInChinese)
{
    int argc = 1;
    char name[] = "qt_translation_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    // Before: Qt's English.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    ASSERT_TRUE(InstallQtChineseTranslation(&app)) << "qtbase_zh_CN.qm (qt6-translations-l10n)";
    const struct {
        const char* english;
        const char* chinese;
    } buttons[] = {{"&Yes", "是"}, {"&No", "否"}, {"Cancel", "取消"}, {"OK", "确定"}};
    for (const auto& b : buttons) {
        const QString text = QCoreApplication::translate("QPlatformTheme", b.english);
        EXPECT_TRUE(text.startsWith(QString::fromUtf8(b.chinese))) << b.english << " -> "
                                                                  << text.toStdString();
    }
}
