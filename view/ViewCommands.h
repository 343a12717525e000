#pragma once
// The View menu's drag modes and the drag steps of the drawing area, without
// any widget: the main window's mouse handling turns events into these calls
// and redraws as the returned action says.
//
// Positions and sizes are in device pixels of the drawing area, y growing
// downwards. Button masks: 1 left, 2 right, 4 middle, or-ed together.
#include "view/ViewState.h"

#include <cstdint>

class Cls4;
class Cls8;

enum ViewButtonMask : int32_t {
    ViewButtonLeft = 1,
    ViewButtonRight = 2,
    ViewButtonMiddle = 4,
};

// What the caller has to do after a step.
enum class ViewRedraw {
    None,    // nothing changed
    Repaint, // the camera changed: replay the lists (Display)
    Rebuild, // the rotation changed: BuildDisplayLists, then Display
};

// The mode commands. Each sets one mode and clears the other two; the rotate
// commands also set g_TrackballAxisMode (TrackballAxisFree, TrackballAxisZ,
// TrackballAxisX or TrackballAxisY).
void SetMoveMode(ViewState& view);
void SetZoomMode(ViewState& view);
void SetRotateMode(ViewState& view, int32_t axisMode);
// The Open command's reset: no drag mode.
void ClearDragModes(ViewState& view);

// A button went down at (x, y): the left button alone starts a drag there.
void ViewMouseDown(ViewState& view, int32_t buttons, float x, float y);

// One mouse move. Stores the area's size, then, with the left button alone
// held, carries out the step of the current mode:
// - zoom: factor 1 - (lastY - y) / height into msngZoom and g_Camera.Zoom;
// - rotate: the trackball rotation of the move (msngLastQuat) composed into
//   msngCurQuat, and mbolTrackball set;
// - move: the camera panned by the move as a fraction of the area.
// An area with no width or height (minimised, not laid out yet) takes no
// step, since every step divides by its size.
ViewRedraw ViewDragStep(ViewState& view, Cls4& camera, int32_t buttons, float x, float y,
                        float width, float height);

// The trackball step: msngLastQuat applied on top of msngCurQuat.
void ComposeTrackballStep(ViewState& view);

// ISO view: roll 0, pitch -15, yaw 45 on the scene and the rotation handed
// back to those angles. The caller rebuilds the lists.
void ApplyIsoView(ViewState& view, Cls8& scene);

// Fit: the camera's view volume twice the largest extent of the scene's box
// (step 0), centred on it. False, with the camera unchanged, for an empty
// scene or a box that cannot be had or holds no finite size. A message the
// boxing raises is shown only if not shown before for the same graph.
bool FitCameraToScene(Cls4& camera, Cls8& scene);
