// docs/contact-sheet.png: every face enlarged, the banners, the icon and the cursor at
// every size.
#pragma once
#include <string>
#include <vector>

#include "picture.h"
#include "rgba_picture.h"

struct SheetParts {
  const std::vector<Picture>& faces;
  std::vector<Rgb> tile_table;
  const Picture& tezumari;
  std::vector<Rgb> standard;
  const Picture& omigoto;
  const std::vector<Rgb>& omigoto_table;
  const std::vector<RgbaPicture>& icons;   // ICON_SIZES
  const std::vector<Picture>& cursors;     // CURSOR_SIZES
};

void write_contact_sheet(const std::string& path, const SheetParts& parts);
