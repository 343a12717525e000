// The View menu's drag modes and the drag steps of the drawing area, without widgets.
#include "view/ViewCommands.h"

#include "model/Cls1.h"
#include "model/Cls8.h"
#include "view/Cls4.h"
#include "view/DrawingMessages.h"

#include <cmath>
#include <exception>

namespace {

int32_t RoundedSize(float v)
{
    if (!std::isfinite(v))
        return 0;
    return static_cast<int32_t>(std::nearbyint(v));
}

bool Finite(float a, float b)
{
    return std::isfinite(a) && std::isfinite(b);
}

} // namespace

void SetMoveMode(ViewState& view)
{
    view.mbolMoveMode = true;
    view.mbolZoomMode = false;
    view.mbolRotateMode = false;
}

void SetZoomMode(ViewState& view)
{
    view.mbolZoomMode = true;
    view.mbolMoveMode = false;
    view.mbolRotateMode = false;
}

void SetRotateMode(ViewState& view, int32_t axisMode)
{
    g_TrackballAxisMode = axisMode;
    view.mbolRotateMode = true;
    view.mbolZoomMode = false;
    view.mbolMoveMode = false;
}

void ClearDragModes(ViewState& view)
{
    view.mbolMoveMode = false;
    view.mbolZoomMode = false;
    view.mbolRotateMode = false;
}

void ViewMouseDown(ViewState& view, int32_t buttons, float x, float y)
{
    if (buttons != ViewButtonLeft || !Finite(x, y))
        return;
    view.msngLastX = x;
    view.msngLastY = y;
}

void ComposeTrackballStep(ViewState& view)
{
    Module1::AddQuats(view.msngLastQuat, view.msngCurQuat, view.msngCurQuat);
}

ViewRedraw ViewDragStep(ViewState& view, Cls4& camera, int32_t buttons, float x, float y,
                        float width, float height)
{
    view.mlngDrawWidth = RoundedSize(width);
    view.mlngDrawHeight = RoundedSize(height);
    if (buttons != ViewButtonLeft)
        return ViewRedraw::None;
    // Every step divides by the area's size; a collapsed area (or a position
    // that is no number) would put infinities or NaN into the camera or the
    // rotation, and they would stay there for good.
    const float w = static_cast<float>(view.mlngDrawWidth);
    const float h = static_cast<float>(view.mlngDrawHeight);
    if (w <= 0.0f || h <= 0.0f || !Finite(x, y))
        return ViewRedraw::None;

    if (view.mbolZoomMode) {
        const float f = 1.0f - (view.msngLastY - y) / h;
        view.msngZoom = f;
        view.msngLastX = x;
        view.msngLastY = y;
        camera.Zoom(f);
        return ViewRedraw::Repaint;
    }
    if (view.mbolRotateMode) {
        const float p1x = (2.0f * view.msngLastX - w) / w;
        const float p1y = (h - 2.0f * view.msngLastY) / h;
        const float p2x = (2.0f * x - w) / w;
        const float p2y = (h - 2.0f * y) / h;
        Module1::Trackball(view.msngLastQuat, p1x, p1y, p2x, p2y);
        view.mbolTrackball = true;
        ComposeTrackballStep(view);
        view.msngLastX = x;
        view.msngLastY = y;
        return ViewRedraw::Rebuild;
    }
    if (view.mbolMoveMode) {
        const float dx = (x - view.msngLastX) / w;
        const float dy = (view.msngLastY - y) / h;
        camera.MoveView(dx, dy);
        view.msngLastX = x;
        view.msngLastY = y;
        return ViewRedraw::Repaint;
    }
    return ViewRedraw::None;
}

void ApplyIsoView(ViewState& view, Cls8& scene)
{
    scene.RotRoll = 0.0f;
    scene.RotPitch = -15.0f;
    scene.RotYaw = 45.0f;
    view.mbolTrackball = false;
}

bool FitCameraToScene(Cls4& camera, Cls8& scene)
{
    if (scene.FunSurfs.Count() == 0)
        return false;
    std::shared_ptr<Cls1> box;
    {
        // What the graphs' boxes raise is theirs: the drawing of the same
        // unchanged graphs has shown it already.
        DrawingMessageScope scope;
        try {
            box = SceneBoxByGraph(scene, 0);
        } catch (const std::exception&) {
            box = nullptr;
        }
        ShowMessages(scope.Finish());
    }
    if (!box)
        return false;
    const float bounds[6] = {box->MinX, box->MinY, box->MinZ, box->MaxX, box->MaxY, box->MaxZ};
    for (float b : bounds) {
        if (!std::isfinite(b))
            return false;
    }
    camera.ZoomAll(box->MinX, box->MinY, box->MinZ, box->MaxX, box->MaxY, box->MaxZ);
    camera.Zoom(2.0f);
    return true;
}
