#pragma once
// View state of the main window's drawing area: the drag modes, the view
// rotation (Euler angles of the shown scene or the trackball quaternion) and
// the last mouse step. The main window and the display-list builder share it.
#include "view/Trackball.h"

#include <cstdint>

struct ViewState {
    bool mbolMoveMode = false;   // a left drag pans
    bool mbolZoomMode = false;   // a left drag zooms
    bool mbolRotateMode = false; // a left drag rotates through the trackball
    // True: the view rotation comes from msngCurQuat; False: from RotRoll,
    // RotPitch and RotYaw of g_ShownGraphs (and each build overwrites
    // msngCurQuat with that rotation, so a drag starts from what is shown).
    bool mbolTrackball = false;
    Vec4 msngCurQuat{0.0f, 0.0f, 0.0f, 1.0f};
    Vec4 msngLastQuat{0.0f, 0.0f, 0.0f, 0.0f};
    float msngLastX = 0.0f;
    float msngLastY = 0.0f;
    int32_t mlngDrawWidth = 0;
    int32_t mlngDrawHeight = 0;
    float msngZoom = 1.0f;

    // Start state of the main window: no drag mode, Euler rotation,
    // identity quaternion, zoom 1.
    void Reset();
};

extern ViewState g_View;

// The rotation block of every scene list: the matrix to hand to
// glMultMatrixf. With view.mbolTrackball it comes from view.msngCurQuat;
// otherwise from roll about z, then pitch about x, then yaw about y
// (degrees), and view.msngCurQuat is set to that rotation.
void BuildViewRotation(ViewState& view, float rollDeg, float pitchDeg, float yawDeg, Mat16& m);
