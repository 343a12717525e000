#pragma once
// Small building steps the graph dialogs share: named widgets, caption and
// control rows, the explicit-hide check and the warning box.
#include "platform/MessageBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace GraphDialog {

template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QLabel* MakeLabel(const char* name, const QString& caption)
{
    return Named(new QLabel(caption), name);
}

inline QLineEdit* MakeText(const char* name)
{
    return Named(new QLineEdit, name);
}

inline QRadioButton* MakeOption(const char* name, const QString& caption)
{
    return Named(new QRadioButton(caption), name);
}

// A row "caption [control]" in a grid.
inline void Row(QGridLayout* grid, int row, QWidget* label, QWidget* control)
{
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

// True unless the widget was hidden explicitly (independent of the tab that
// happens to be open and of whether the dialog is on screen).
inline bool IsShown(const QWidget* widget)
{
    return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden());
}

// "确定" (Command1, the default button) and "取消" (Command2).
inline void MakeOkCancel(QPushButton*& ok, QPushButton*& cancel)
{
    ok = Named(new QPushButton(QStringLiteral("确定")), "Command1");
    cancel = Named(new QPushButton(QStringLiteral("取消")), "Command2");
    ok->setDefault(true);
}

// OK and Cancel at the right of a row, for the foot of a dialog.
inline QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

// The tabs above, OK and Cancel at the bottom right.
inline void LayOutTabsAndButtons(QWidget* dialog, QTabWidget* tabs, QPushButton* ok,
                                 QPushButton* cancel)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(tabs);
    layout->addLayout(ButtonRow(ok, cancel));
}

inline void Warn(const QString& text)
{
    ShowMessage(text, QStringLiteral("注意"), MsgIcon::Warning);
}

} // namespace GraphDialog
