// View state of the drawing area: drag modes, view rotation and the last mouse step.
#include "view/ViewState.h"

ViewState g_View;

void ViewState::Reset()
{
    *this = ViewState{};
    Module1::Trackball(msngCurQuat, 0.0f, 0.0f, 0.0f, 0.0f);
}

void BuildViewRotation(ViewState& view, float rollDeg, float pitchDeg, float yawDeg, Mat16& m)
{
    if (view.mbolTrackball) {
        Module1::BuildRotMatrix(m, view.msngCurQuat);
        return;
    }
    auto radians = [](float deg) { return static_cast<float>(deg * 3.1416 / 180.0); };
    const float roll = radians(rollDeg);
    const float pitch = radians(pitchDeg);
    const float yaw = radians(yawDeg);

    Vec4 axis{0.0f, 0.0f, 1.0f, 0.0f};
    Vec4 a{}, b{}, c{};
    Module1::AxisToQuat(axis, roll, a);
    axis = {1.0f, 0.0f, 0.0f, 0.0f};
    Module1::AxisToQuat(axis, pitch, b);
    Module1::AddQuats(a, b, b);
    axis = {0.0f, 1.0f, 0.0f, 0.0f};
    Module1::AxisToQuat(axis, yaw, c);
    Module1::AddQuats(b, c, c);
    Module1::BuildRotMatrix(m, c);
    Module1::VecCopy4(c, view.msngCurQuat);
}
