#pragma once
// The application object as the program sets it up before its main window:
// name, icon, Qt's own Chinese texts and the message boxes.
class QApplication;

// Called by main() right after the QApplication is made (tests call it too,
// to see the windows as the program shows them).
void PrepareApplication(QApplication& app);
