#pragma once
// State shared by the whole program (one document, one view).
#include <QString>
#include <cstdint>

enum DocumentKind : int32_t {
    DocumentKind2D = 1,
    DocumentKind25D = 2,
    DocumentKind3D = 3,
};

enum AnimationPlayMode : int32_t {
    AnimationPlayModeStep = 0,
    AnimationPlayModeForwardOnce = 1,
    AnimationPlayModeReverseOnce = 2,
    AnimationPlayModeForwardLoop = 3,
    AnimationPlayModePingPong = 4,
};

// Plot range; sampling clips stored coordinates to it.
extern float g_RangeMinX, g_RangeMaxX, g_RangeMinY, g_RangeMaxY, g_RangeMinZ, g_RangeMaxZ;

extern int32_t g_DocumentKind;     // DocumentKind
extern int32_t g_CurFrame;         // 1 .. g_FrameCount + 1
extern int32_t g_FrameCount;       // animation steps
extern int32_t g_FramesPerSecond;
extern int32_t g_PlayMode;         // AnimationPlayMode
extern bool g_CaptureFrames;
extern int32_t g_CapturedFrameCount;

// Largest absolute padded bound of the shown scene / 10; set by Cls8::GetBox.
extern float g_SceneScale;

extern int32_t g_LastGraphID;

// Line break between lines of analysis text in the result pane.
extern const QString g_CrLf;
