// Tests of the open and save file dialogs (cFileDlg).
#include "platform/FileDialog_ui.h"
#include "platform/AppTitle.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStandardPaths>

namespace {
struct Answering {
    explicit Answering(FileDialogAnswer answer)
    {
        m_previous = SetFileDialogHandler([this, answer](const FileDialogRequest& r) {
            asked = r;
            return answer;
        });
    }
    ~Answering() { SetFileDialogHandler(m_previous); }
    FileDialogRequest asked;
    FileDialogHandler m_previous;
};
const QChar NUL(0);
} // namespace

TEST(FileDialog, FilterLookupFindsPairs)
{
    const QString converted = cFileDlg::ConvertFilter("AVI Files|*.avi|All:*.*");
    EXPECT_EQ(converted, QString("AVI Files") + NUL + "*.avi" + NUL + "All" + NUL + "*.*" + NUL + NUL);
    EXPECT_EQ(cFileDlg::FilterLookup(converted, 1), QString("AVI Files") + NUL + "*.avi");
    EXPECT_EQ(cFileDlg::FilterLookup(converted, 2), QString("All") + NUL + "*.*");
    EXPECT_EQ(cFileDlg::FilterLookup(converted, 0), QString());
    EXPECT_EQ(cFileDlg::FilterLookup(converted, 9), QString());
    EXPECT_EQ(cFileDlg::FilterLookup(QString(NUL), 1), QString());
}

TEST(FileDialog, FreshInstance)
{
    cFileDlg dlg;
    EXPECT_EQ(dlg.OwnerHwnd, nullptr);
    EXPECT_EQ(dlg.InitDirectory, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(dlg.DlgTitle, AppTitle());
    EXPECT_TRUE(dlg.OverwritePrompt);
    EXPECT_TRUE(dlg.FileMustExist);
    EXPECT_FALSE(dlg.ReadOnly());
}

TEST(FileDialog, SaveConfirmedAndCancelled)
{
    cFileDlg dlg;
    dlg.Filter = "AVI Files|*.avi";
    dlg.DefaultExt = "avi";
    dlg.DlgTitle = "保存动画";
    {
        Answering answer({true, "/tmp/films/clip.avi", 1});
        QString name = "untitled.avi", title;
        ASSERT_TRUE(dlg.VBGetSaveFileName(name, &title));
        EXPECT_TRUE(answer.asked.save);
        EXPECT_EQ(answer.asked.fileName, QString("untitled.avi"));
        EXPECT_EQ(answer.asked.defaultExt, QString("avi"));
        EXPECT_EQ(answer.asked.title, QString("保存动画"));
        EXPECT_TRUE(answer.asked.overwritePrompt);
        EXPECT_EQ(name, QString("/tmp/films/clip.avi"));
        EXPECT_EQ(title, QString("clip.avi"));
        EXPECT_EQ(dlg.FilterIndex, 1);
        EXPECT_EQ(dlg.Filter, QString("AVI Files") + NUL + "*.avi");
        EXPECT_EQ(dlg.Flags, cFileDlg::FlagOverwritePrompt | cFileDlg::FlagHideReadOnly);
    }
    {
        Answering answer({false, {}, 0});
        QString name = "x.avi", title;
        EXPECT_FALSE(dlg.VBGetSaveFileName(name, &title));
        EXPECT_EQ(name, QString(NUL));
        EXPECT_EQ(title, QString(NUL));
        EXPECT_EQ(dlg.FilterIndex, 0);
        EXPECT_EQ(dlg.Flags, 0);
    }
    {
        Answering answer({false, {}, 0});
        QString name;
        EXPECT_FALSE(dlg.VBGetOpenFileName(name));
        EXPECT_EQ(dlg.FilterIndex, -1);
    }
}
