#pragma once
// The scene's display lists and the frame display.
//
// List 900 holds the still scene; for an animated scene list 1000 + k holds
// frame k (k = 1 .. g_FrameCount + 1), compiled from animation step k - 1.
// A frame replays one list; all drawing cost is paid when the lists are
// built. The builder and the frame display need the drawing area's context
// to be current (DrawingArea makes it so; tests may use any context).
#include "model/Cls1.h"

#include <cstdint>
#include <memory>

constexpr int32_t kStillSceneList = 900;
constexpr int32_t kFrameListBase = 1000;

// Box of the still scene (step 0) as the builder last obtained it; created
// on first use, replaced at every build of a still 2D or shown-axes scene.
std::shared_ptr<Cls1>& SceneBox();
#define g_SceneBox (SceneBox())

// The list a frame shows: 900 for a still scene, whatever the frame; for an
// animated scene 1000 + lngAnimStep, and frame 1 (list 1001) while the
// current frame is 0 (the frame export starts there). A step past the last
// compiled frame (the frame count was lowered) shows the last frame, never
// an empty list.
int32_t SceneListFor(bool animated, int32_t curFrame, int32_t lngAnimStep, int32_t frameCount);

// Start state of a new context: white clear colour, dithering, depth test
// with GL_LEQUAL and clear depth 1.
void SetupContextState();

// When the messages raised while building are shown: at the end of the
// build, or from the event loop (a build inside the widget's own GL set-up,
// where a modal box would run inside show()).
enum class SceneMessages { Now, Later };

// Compiles the shown scene into list 900, or into lists 1001 ..
// 1001 + g_FrameCount for an animated scene, with the view rotation of
// g_View. A graph (or the coordinate system) whose drawing throws is skipped
// and the rest of the scene is still drawn; every list is closed.
// Messages raised while drawing (ShowMessage) are kept and shown once the
// lists are closed, each distinct text once; one already shown at an
// earlier build for the same unchanged graph is not shown again.
void BuildSceneLists(SceneMessages when = SceneMessages::Now);

// One frame: light, smooth shading, camera, clear, the scene list. The
// caller presents the buffer. A message raised meanwhile is shown from the
// event loop, never inside painting.
void DrawSceneFrame(int32_t lngAnimStep);
