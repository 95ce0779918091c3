#pragma once

// The program's timer intervals, in milliseconds. The program runs with these
// values; tests shrink them so that a six-second receive time-out costs
// milliseconds.
struct Timings {
    int replyTimeout = 500;     // no reply to a frame
    int spareTimer = 1000;      // a window timer that is never started
    int onlineCheck = 4000;     // periodic check of the link
    int receiveTimeout = 6000;  // rest of a started reply
    int loadTimer = 40000;      // a window timer stopped when the window loads
};
