#pragma once

// The five timer intervals of the main window, in milliseconds. The program
// runs with these values; tests shrink them so that a six-second receive
// time-out costs milliseconds.
struct Timings {
    int replyTimeout = 500;     // Timer1: no reply to a frame
    int timer2 = 1000;          // Timer2: never started
    int onlineCheck = 4000;     // Timer3: periodic check of the link
    int receiveTimeout = 6000;  // Timer4: rest of a started reply
    int timer5 = 40000;         // Timer5: stopped at load
};
