#pragma once
// An animation control showing one of the common system animations or a
// clip of a given frame count. Headless: nothing is drawn and no clock runs;
// the current frame only moves when Tick() is called (a host's timer or a
// test does), so playing is a frame counter going from StartFrame to
// StopFrame, Repetitions times (0 = for ever).

#include "platform/classes/Events.h"
#include "platform/controls/TControl.h"

namespace rt {

RT_ENUM(TCommonAVI, aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile, aviRecycleFile,
        aviEmptyRecycle, aviDeleteFile)

class TAnimate : public TControl {
    RT_CLASS(TAnimate, TControl)

public:
    explicit TAnimate(TComponent* owner);

    static void Publish(TPublisher<TAnimate>& p);

    TCommonAVI CommonAVI() const { return commonAVI_; }
    // Choosing an animation stops a running one and opens the new clip.
    void SetCommonAVI(TCommonAVI avi);
    // Frames of the open clip, 0 when none.
    int FrameCount() const { return frameCount_; }
    bool Open() const { return frameCount_ > 0; }
    bool Active() const { return active_; }
    // Raises EInvalidOperation "Cannot play without an animation" when no clip is open.
    void SetActive(bool active);
    int StartFrame() const { return startFrame_; }
    void SetStartFrame(int frame);
    int StopFrame() const { return stopFrame_; }
    void SetStopFrame(int frame);
    int Repetitions() const { return repetitions_; }
    void SetRepetitions(int count);
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; }

    // Frames are 1-based. Raises EInvalidOperation for frames outside the clip.
    void Play(int fromFrame, int toFrame, int count);
    void Stop();
    // Shows one frame without playing.
    void Seek(int frame);
    int CurrentFrame() const { return current_; }
    // Advances one frame of a running animation.
    void Tick();

    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;
    TNotifyEvent OnStart;
    TNotifyEvent OnStop;

    // Frame count of a common animation.
    static int CommonFrameCount(TCommonAVI avi);

private:
    void CheckFrame(int frame) const;

    TCommonAVI commonAVI_ = aviNone;
    int frameCount_ = 0;
    bool active_ = false;
    int startFrame_ = 1;
    int stopFrame_ = 0;
    int repetitions_ = 0;
    bool center_ = true;
    bool transparent_ = true;
    int current_ = 0;
    int playFrom_ = 1;
    int playTo_ = 0;
    int playsLeft_ = 0;
};

}  // namespace rt
