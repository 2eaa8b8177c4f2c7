#include "platform/comctrls/TAnimate.h"

#include <algorithm>
#include <string>

#include "platform/core/Exceptions.h"

namespace rt {

TAnimate::TAnimate(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 100, 80); }

void TAnimate::Publish(TPublisher<TAnimate>& p) {
    p.Property("Center", &TAnimate::Center, &TAnimate::SetCenter).Default(true);
    p.Property("CommonAVI", &TAnimate::CommonAVI, &TAnimate::SetCommonAVI).Default(aviNone);
    p.Property("Repetitions", &TAnimate::Repetitions, &TAnimate::SetRepetitions).Default(0);
    p.Property("StartFrame", &TAnimate::StartFrame, &TAnimate::SetStartFrame).Default(1);
    p.Property("StopFrame", &TAnimate::StopFrame, &TAnimate::SetStopFrame).Default(0);
    p.Property("Transparent", &TAnimate::Transparent, &TAnimate::SetTransparent).Default(true);
    // After the clip and frames, so that a stored active animation can start.
    p.Property("Active", &TAnimate::Active, &TAnimate::SetActive).Default(false);
    p.Property("OnClose", &TAnimate::OnClose);
    p.Property("OnOpen", &TAnimate::OnOpen);
    p.Property("OnStart", &TAnimate::OnStart);
    p.Property("OnStop", &TAnimate::OnStop);
}

int TAnimate::CommonFrameCount(TCommonAVI avi) {
    switch (avi) {
        case aviNone: return 0;
        case aviFindFolder:
        case aviFindFile:
        case aviFindComputer: return 8;
        case aviCopyFiles:
        case aviCopyFile: return 20;
        case aviRecycleFile:
        case aviEmptyRecycle:
        case aviDeleteFile: return 16;
    }
    return 0;
}

void TAnimate::SetCommonAVI(TCommonAVI avi) {
    if (avi == commonAVI_) return;
    Stop();
    if (frameCount_ > 0) OnClose(this);
    commonAVI_ = avi;
    frameCount_ = CommonFrameCount(avi);
    startFrame_ = 1;
    stopFrame_ = frameCount_;
    current_ = frameCount_ > 0 ? 1 : 0;
    if (frameCount_ > 0) OnOpen(this);
}

void TAnimate::CheckFrame(int frame) const {
    if (frame < 1 || frame > frameCount_) {
        throw EInvalidOperation("Animation frame " + std::to_string(frame) + " is out of range");
    }
}

void TAnimate::SetStartFrame(int frame) {
    if (frameCount_ > 0) CheckFrame(frame);
    startFrame_ = frame;
}

void TAnimate::SetStopFrame(int frame) {
    if (frameCount_ > 0) CheckFrame(frame);
    stopFrame_ = frame;
}

void TAnimate::SetRepetitions(int count) { repetitions_ = std::max(0, count); }

void TAnimate::SetActive(bool active) {
    if (active == active_) return;
    if (active) {
        Play(startFrame_, stopFrame_, repetitions_);
    } else {
        Stop();
    }
}

void TAnimate::Play(int fromFrame, int toFrame, int count) {
    if (frameCount_ == 0) throw EInvalidOperation("Cannot play without an animation");
    CheckFrame(fromFrame);
    CheckFrame(toFrame);
    if (fromFrame > toFrame) throw EInvalidOperation("Animation frames are in the wrong order");
    playFrom_ = fromFrame;
    playTo_ = toFrame;
    playsLeft_ = std::max(0, count);
    current_ = fromFrame;
    const bool wasActive = active_;
    active_ = true;
    if (!wasActive) OnStart(this);
}

void TAnimate::Stop() {
    if (!active_) return;
    active_ = false;
    OnStop(this);
}

void TAnimate::Seek(int frame) {
    CheckFrame(frame);
    Stop();
    current_ = frame;
}

void TAnimate::Tick() {
    if (!active_) return;
    if (current_ < playTo_) {
        ++current_;
        return;
    }
    // The end of one play: again from the first frame, or stop after the last repetition.
    if (playsLeft_ == 1) {
        Stop();
        return;
    }
    if (playsLeft_ > 1) --playsLeft_;
    current_ = playFrom_;
}

}  // namespace rt
