#pragma once
// Small pieces the view settings dialogs build alike.
#include <QBoxLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

namespace dialogrows {

// Gives a new widget its object name (the name tests and the frame find it by).
template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The right-aligned OK / Cancel row at the foot of a dialog: "确定" (the
// default button, named Command1) and "取消" (Command2), wired to the
// dialog's handlers.
template <typename Dialog>
void AddOkCancel(Dialog* dialog, QBoxLayout* layout, QPushButton*& ok, QPushButton*& cancel,
                 void (Dialog::*onOk)(), void (Dialog::*onCancel)())
{
    ok = Named(new QPushButton(QStringLiteral("确定")), "Command1");
    ok->setDefault(true);
    cancel = Named(new QPushButton(QStringLiteral("取消")), "Command2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    QObject::connect(cancel, &QPushButton::clicked, dialog, onCancel);
}

} // namespace dialogrows
