// State shared by the whole program (one document, one view).
#include "model/Globals.h"

float g_RangeMinX = -20.0f, g_RangeMaxX = 20.0f;
float g_RangeMinY = -20.0f, g_RangeMaxY = 20.0f;
float g_RangeMinZ = -50.0f, g_RangeMaxZ = 50.0f;

int32_t g_DocumentKind = DocumentKind2D;
int32_t g_CurFrame = 1;
int32_t g_FrameCount = 10;
int32_t g_FramesPerSecond = 10;
int32_t g_PlayMode = AnimationPlayModeForwardOnce;
bool g_CaptureFrames = false;
int32_t g_CapturedFrameCount = 0;

float g_SceneScale = 1.0f;

int32_t g_LastGraphID = 0;

const QString g_CrLf = QStringLiteral("\r\n");
