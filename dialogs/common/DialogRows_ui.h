#pragma once
// Small pieces the view settings dialogs build alike.
#include "dialogs/common/DialogWidgets_ui.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

namespace dialogrows {

// Gives a new widget its object name (the name tests and the frame find it by).
using GraphDialog::Named;

// The right-aligned OK / Cancel row at the foot of a dialog: "确定" (the
// default button, named Command1) and "取消" (Command2), wired to the
// dialog's handlers.
template <typename Dialog>
void AddOkCancel(Dialog* dialog, QBoxLayout* layout, QPushButton*& ok, QPushButton*& cancel,
                 void (Dialog::*onOk)(), void (Dialog::*onCancel)())
{
    GraphDialog::MakeOkCancel(ok, cancel);
    layout->addLayout(GraphDialog::ButtonRow(ok, cancel));
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    QObject::connect(cancel, &QPushButton::clicked, dialog, onCancel);
}

} // namespace dialogrows
