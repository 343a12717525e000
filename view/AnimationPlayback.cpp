// How the animation walks through its precompiled frames, as pure state changes.
#include "view/AnimationPlayback.h"

bool ApplyPlaybackCommand(PlaybackState& s, PlaybackCommand command)
{
    const int32_t n = s.frameCount;
    switch (command) {
    case PlaybackCommand::Start:
        // A reverse run that ended on frame 1 starts again from the end.
        if (s.playMode == AnimationPlayModeReverseOnce && s.curFrame == 1)
            s.curFrame = n + 2;
        s.timerEnabled = true;
        return false;
    case PlaybackCommand::Pause:
        s.timerEnabled = false;
        return false;
    case PlaybackCommand::Stop:
        s.timerEnabled = false;
        s.curFrame = 1;
        return true;
    case PlaybackCommand::First:
        s.playMode = AnimationPlayModeStep;
        s.curFrame = 1;
        return true;
    case PlaybackCommand::Previous:
        s.playMode = AnimationPlayModeStep;
        if (s.curFrame < 2)
            return false;
        s.curFrame -= 1;
        return true;
    case PlaybackCommand::Next:
        s.playMode = AnimationPlayModeStep;
        if (s.curFrame >= n + 1)
            return false;
        s.curFrame += 1;
        return true;
    case PlaybackCommand::Last:
        s.playMode = AnimationPlayModeStep;
        s.curFrame = n + 1;
        return true;
    case PlaybackCommand::Normal:
        s.curFrame = 0;
        s.playMode = AnimationPlayModeForwardOnce;
        return ApplyPlaybackCommand(s, PlaybackCommand::Start);
    case PlaybackCommand::Reverse:
        s.curFrame = n + 2;
        s.playMode = AnimationPlayModeReverseOnce;
        return ApplyPlaybackCommand(s, PlaybackCommand::Start);
    case PlaybackCommand::Repeat:
        s.playMode = AnimationPlayModeForwardLoop;
        return ApplyPlaybackCommand(s, PlaybackCommand::Start);
    case PlaybackCommand::ReverseRepeat:
        s.playMode = AnimationPlayModePingPong;
        return ApplyPlaybackCommand(s, PlaybackCommand::Start);
    }
    return false;
}

PlaybackTick AdvancePlayback(PlaybackState& s)
{
    const int32_t n = s.frameCount;
    PlaybackTick tick;
    switch (s.playMode) {
    case AnimationPlayModeForwardOnce:
        // The tick after the last frame shows frame 1 again and stops.
        if (s.curFrame > n) {
            s.curFrame = 0;
            s.timerEnabled = false;
        }
        s.curFrame += 1;
        tick.display = true;
        tick.frame = s.curFrame;
        tick.capture = true;
        break;
    case AnimationPlayModeReverseOnce:
        if (s.curFrame < 3)
            s.timerEnabled = false;
        s.curFrame -= 1;
        tick.display = true;
        tick.frame = s.curFrame;
        break;
    case AnimationPlayModeForwardLoop:
        // After the first pass the loop restarts at frame 2.
        if (s.curFrame > n + 1)
            s.curFrame = 2;
        tick.display = true;
        tick.frame = s.curFrame;
        s.curFrame += 1;
        break;
    case AnimationPlayModePingPong:
        if (s.curFrame > n)
            s.pingPongBackward = true;
        else if (s.curFrame < 2)
            s.pingPongBackward = false;
        tick.display = true;
        tick.frame = s.curFrame;
        s.curFrame += s.pingPongBackward ? -1 : 1;
        break;
    default:
        break;
    }
    return tick;
}

int32_t AnimationIntervalMs(int32_t framesPerSecond)
{
    if (framesPerSecond < 1)
        return 1000;
    const int32_t q = 1000 / framesPerSecond;
    const int32_t r = 1000 % framesPerSecond;
    if (2 * r > framesPerSecond || (2 * r == framesPerSecond && (q & 1) != 0))
        return q + 1;
    return q;
}
