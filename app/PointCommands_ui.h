#pragma once
// The Draw menu's point command "点" (mnuDrawPoint): the point dialog
// frmF16 prepared for the document kind, then the new point's list entry,
// ticked, with the view rotation of the document kind.
class QMenu;
class frmF1;

// Adds the "点" item to the Draw menu (as its next item).
void AddDrawPointCommand(frmF1* window, QMenu* drawMenu);

void mnuDrawPoint_Click(frmF1* window);

// View rotation for a new point or animated point: (0, -15, 45) in a 3D
// document, (0, 0, 0) in plane documents.
void PointRotation(float& roll, float& pitch, float& yaw);
