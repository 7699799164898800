// Cutting Shift-JIS text to a buffer without splitting a double-byte character.
#pragma once

// Copies text into out (out_size bytes, at least 1), keeping whole characters only:
// a lead byte whose trail byte does not fit, or is missing, is dropped with it.
void dbcs_copy(char* out, int out_size, const char* text);
