#pragma once
// SIGTERM, SIGINT and SIGHUP (a session ending, `kill`, Ctrl+C in a terminal) end the event
// loop as "Quitter" does instead of killing the process: main returns, the windows go and the
// instance lock is released, so the next start finds no stale lock. Every QSO is already on
// disk once validated; a QSO being typed is lost as it would be by the kill.
namespace kastlog {
void quitOnTerminationSignals();
// Whether such a signal came; an event loop run later (a start-up dialog ended by it, then
// the main loop) must not start.
bool terminationRequested();
}
