// The pictures of each display scale's set. Only the 100 % set is carried so far.
#include "art_sets.h"
#include "dib.h"

const unsigned char* art_picture(int resource_id, int set_percent, int* size) {
  if (set_percent != 100) {
    if (size) *size = 0;
    return nullptr;
  }
  return dib_resource(resource_id, size);
}
