#pragma once
// Pieces the main-window Qt tests set up the same way.
#include "app/frmF1_ui.h"

#include <QTemporaryDir>
#include <QtTest>

namespace apptest {

// Points the program's data folder at dir so a run leaves the user's own
// settings alone.
inline void UseDataHome(const QTemporaryDir& dir)
{
    QVERIFY(dir.isValid());
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
}

// The main window loaded with no document and shown; the caller waits for it
// to be exposed.
inline frmF1* ShowMainWindow()
{
    auto* window = new frmF1;
    window->Form_Load(QString());
    window->show();
    return window;
}

} // namespace apptest
