// Termination signals (SIGTERM, SIGINT, SIGHUP) end the event loop like closing the
// main window, so the orderly end runs: helper programs stopped, temporary files gone.
#pragma once

void QuitOnTerminationSignals();
// True once such a signal came: one that arrives before the event loop runs must
// still keep the program from entering it.
bool TerminationRequested();
