// The message loop of the thread, which also notes how long start-up took.
#pragma once

// Gets, translates and dispatches until the quit message; returns its code. The
// first time the queue is found empty after showing, the first frame is on the
// screen: the milliseconds since process creation and the private memory in use
// then go to the debugger output (seen under Wine with WINEDEBUG=+debugstr).
int run_message_loop();
