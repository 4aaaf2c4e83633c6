#pragma once

// Ctrl-C and requests to terminate (SIGINT, SIGTERM, SIGHUP; the console's control events on
// Windows) ask the work to stop at its next safe point, so that the program removes its own
// unfinished files before it ends. A second Ctrl-C ends the program at once.
namespace StopSignals {
void install();
}
