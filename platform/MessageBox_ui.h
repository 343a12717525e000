#pragma once
// Backs ShowMessage with QMessageBox; the program calls this once at start.
void InstallQtMessageBoxes();
