// The frame walk of the animation: which frames a run shows and where it
// stops, for every play mode and playback command.
#include "view/AnimationPlayback.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Frames shown by `ticks` ticks, or fewer when the timer stops first.
std::vector<int32_t> Ticks(PlaybackState& s, int ticks)
{
    std::vector<int32_t> shown;
    for (int i = 0; i < ticks && s.timerEnabled; ++i) {
        const PlaybackTick t = AdvancePlayback(s);
        if (t.display)
            shown.push_back(t.frame);
    }
    return shown;
}

PlaybackState State(int32_t cur, int32_t n, int32_t mode = AnimationPlayModeForwardOnce)
{
    PlaybackState s;
    s.curFrame = cur;
    s.frameCount = n;
    s.playMode = mode;
    return s;
}

} // namespace

TEST(AnimationPlayback, NormalShowsEveryFrameThenFrameOneAndStops)
{
    PlaybackState s = State(5, 10);
    EXPECT_FALSE(ApplyPlaybackCommand(s, PlaybackCommand::Normal));
    EXPECT_TRUE(s.timerEnabled);
    EXPECT_EQ(Ticks(s, 100), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1}));
    EXPECT_FALSE(s.timerEnabled);
    EXPECT_EQ(s.curFrame, 1);
    // Start again in the same mode goes on from frame 1.
    ApplyPlaybackCommand(s, PlaybackCommand::Start);
    EXPECT_EQ(Ticks(s, 100), (std::vector<int32_t>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1}));
}

TEST(AnimationPlayback, ReverseRunsDownToFrameOneAndRestartsFromTheEnd)
{
    PlaybackState s = State(4, 10);
    ApplyPlaybackCommand(s, PlaybackCommand::Reverse);
    EXPECT_EQ(Ticks(s, 100), (std::vector<int32_t>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_FALSE(s.timerEnabled);
    ApplyPlaybackCommand(s, PlaybackCommand::Start); // at frame 1: from the end again
    EXPECT_EQ(Ticks(s, 100).front(), 11);

    // Started elsewhere, it goes on from there.
    PlaybackState mid = State(5, 10, AnimationPlayModeReverseOnce);
    ApplyPlaybackCommand(mid, PlaybackCommand::Start);
    EXPECT_EQ(Ticks(mid, 100), (std::vector<int32_t>{4, 3, 2, 1}));
}

TEST(AnimationPlayback, LoopsNeverStopAndShowTheirTurningFramesOnce)
{
    PlaybackState loop = State(1, 4);
    ApplyPlaybackCommand(loop, PlaybackCommand::Repeat);
    EXPECT_EQ(Ticks(loop, 12), (std::vector<int32_t>{1, 2, 3, 4, 5, 2, 3, 4, 5, 2, 3, 4}));
    EXPECT_TRUE(loop.timerEnabled);

    PlaybackState pingPong = State(1, 4);
    ApplyPlaybackCommand(pingPong, PlaybackCommand::ReverseRepeat);
    EXPECT_EQ(Ticks(pingPong, 12), (std::vector<int32_t>{1, 2, 3, 4, 5, 4, 3, 2, 1, 2, 3, 4}));
    EXPECT_TRUE(pingPong.timerEnabled);

    // A new ping-pong run keeps the direction of the last one.
    PlaybackState again = State(3, 4, AnimationPlayModePingPong);
    again.pingPongBackward = true;
    ApplyPlaybackCommand(again, PlaybackCommand::ReverseRepeat);
    EXPECT_EQ(Ticks(again, 4), (std::vector<int32_t>{3, 2, 1, 2}));
}

TEST(AnimationPlayback, StepCommandsHaltPlaybackAtTheirFrame)
{
    struct Case {
        PlaybackCommand command;
        int32_t from;
        int32_t to;
        bool display;
    };
    const Case cases[] = {
        {PlaybackCommand::First, 7, 1, true},     {PlaybackCommand::Last, 3, 11, true},
        {PlaybackCommand::Next, 10, 11, true},    {PlaybackCommand::Next, 11, 11, false},
        {PlaybackCommand::Previous, 2, 1, true},  {PlaybackCommand::Previous, 1, 1, false},
        {PlaybackCommand::Previous, 0, 0, false}, {PlaybackCommand::Stop, 6, 1, true},
        {PlaybackCommand::Pause, 6, 6, false},
    };
    for (const Case& c : cases) {
        PlaybackState s = State(c.from, 10, AnimationPlayModeForwardLoop);
        s.timerEnabled = true;
        EXPECT_EQ(ApplyPlaybackCommand(s, c.command), c.display) << static_cast<int>(c.command);
        EXPECT_EQ(s.curFrame, c.to) << static_cast<int>(c.command);
        const bool stopsTimer = c.command == PlaybackCommand::Stop || c.command == PlaybackCommand::Pause;
        EXPECT_EQ(s.timerEnabled, !stopsTimer) << static_cast<int>(c.command);
        if (!stopsTimer) {
            // Step mode: the still running timer moves nothing, and Start
            // afterwards changes nothing either.
            EXPECT_EQ(s.playMode, AnimationPlayModeStep);
            ApplyPlaybackCommand(s, PlaybackCommand::Start);
            EXPECT_TRUE(Ticks(s, 5).empty());
            EXPECT_EQ(s.curFrame, c.to);
        }
    }
}

TEST(AnimationPlayback, OnlyForwardOnceTicksMayBeRecorded)
{
    for (int32_t mode = AnimationPlayModeStep; mode <= AnimationPlayModePingPong; ++mode) {
        PlaybackState s = State(2, 10, mode);
        s.timerEnabled = true;
        EXPECT_EQ(AdvancePlayback(s).capture, mode == AnimationPlayModeForwardOnce) << mode;
    }
}

TEST(AnimationPlayback, ASingleFrameCountStillRunsAndStops)
{
    PlaybackState s = State(1, 1);
    ApplyPlaybackCommand(s, PlaybackCommand::Normal);
    EXPECT_EQ(Ticks(s, 10), (std::vector<int32_t>{1, 2, 1}));
    ApplyPlaybackCommand(s, PlaybackCommand::Reverse);
    EXPECT_EQ(Ticks(s, 10), (std::vector<int32_t>{2, 1}));
}

TEST(AnimationPlayback, IntervalRoundsHalvesToEvenAndSurvivesBadSpeeds)
{
    const std::pair<int32_t, int32_t> cases[] = {
        {10, 100}, {3, 333}, {6, 167}, {1, 1000}, {16, 62} /* 62.5 */, {80, 12} /* 12.5 */,
        {400, 2} /* 2.5 */, {1999, 1}, {2000, 0}, {5000, 0}, {0, 1000}, {-4, 1000},
    };
    for (const auto& [fps, ms] : cases)
        EXPECT_EQ(AnimationIntervalMs(fps), ms) << fps;
}
