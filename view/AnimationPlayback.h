#pragma once
// How the animation walks through its precompiled frames: the playback
// commands and the timer tick as pure state changes, so the main window only
// has to replay the frame they name. Frames run from 1 to N + 1 (N = the
// frame count); 0 stands before the first frame and N + 2 one step after the
// last, where a reverse run starts.
#include "model/Globals.h"

#include <cstdint>

struct PlaybackState {
    int32_t curFrame = 1;
    int32_t frameCount = 10; // N
    int32_t playMode = AnimationPlayModeForwardOnce;
    bool pingPongBackward = false; // ping-pong direction, kept between runs
    bool timerEnabled = false;
};

enum class PlaybackCommand {
    Start,
    Pause,
    Stop,
    First,
    Previous,
    Next,
    Last,
    Normal,         // forward once from the start
    Reverse,        // reverse once from the end
    Repeat,         // forward loop from the current frame
    ReverseRepeat,  // ping-pong from the current frame
};

// Applies a playback command. True when the current frame must be shown.
bool ApplyPlaybackCommand(PlaybackState& state, PlaybackCommand command);

struct PlaybackTick {
    bool display = false; // show `frame`
    int32_t frame = 0;
    bool capture = false; // a forward-once tick: the frame may be recorded
};

// One timer tick by the play mode. Step mode (0) and unknown modes do nothing.
PlaybackTick AdvancePlayback(PlaybackState& state);

// Timer interval for a speed in frames per second: 1000 / fps ms rounded to
// the nearest whole number, halves to even (3 fps: 333 ms; 2000 and more:
// 0 ms). A speed below 1 gives the interval of 1 frame per second.
int32_t AnimationIntervalMs(int32_t framesPerSecond);
