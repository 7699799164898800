// A note of how long start-up took to its first painted frame.
#pragma once

// Called once, when the message loop first finds its queue empty after showing:
// writes the milliseconds since process creation and the private memory in use
// to the debugger output (seen under Wine with WINEDEBUG=+debugstr).
void note_first_frame();
