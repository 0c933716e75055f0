#pragma once

// The timer durations of the windows and dialogs, in milliseconds. Production
// uses the defaults; tests hand shorter ones to the objects they build, so no
// test waits three seconds.
struct CUiTimings {
    int splashMinimumMs = 3000;   // timer 1111
    int progressMinimumMs = 3000; // timer 1112
    int animationMs = 500;        // timer 1113
    int closePollMs = 100;        // timer 10002
    int devicePollMs = 1000;      // timer 10003
    int pressedHoldMs = 50;       // a double-clicked button shows its pressed frame

    static const CUiTimings& Defaults() {
        static const CUiTimings timings;
        return timings;
    }
};
