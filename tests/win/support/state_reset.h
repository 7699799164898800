// Setting the program's rooms back to their start after the main window was
// destroyed, so that one test program can create it many times.
#pragma once

// Forgets the child windows, deletes and forgets the palettes, and copies the stored
// pictures back into the tile buffers, so a highlight left by one test cannot show
// in the next main window.
void presentation_reset();
// Puts every shell variable back as before the first main window, and forgets the cues' files.
void shell_reset();
