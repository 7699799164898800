// Setting the presentation back to its start, for tests that build the main window many times.
#pragma once

void presentation_reset();   // after the main window was destroyed: forget the child windows, delete and forget the palettes, so a test can create the main window again
