// The pictures of each display scale's set. Only the 100 % set is carried so far, so
// the game keeps to it.
#include "art_sets.h"
#include "dib.h"

const unsigned char* art_picture(int resource_id, int set_percent, int* size) {
  if (set_percent != 100) {
    if (size) *size = 0;
    return nullptr;
  }
  return dib_resource(resource_id, size);
}

int art_set_in_use = 100;

void art_use_set(int set_percent) { art_set_in_use = art_set_for(set_percent) == 100 ? 100 : art_set_in_use; }
