// The main window's background pattern and the two banners.
#pragma once
#include <vector>

#include "picture.h"

Picture draw_background();                       // 8 x 8, standard 16 colours
Picture draw_tezumari(const Picture& pattern);   // 32 x 144, standard 16 colours
// 500 x 250, 8 bits; `table` receives the 256 colours it uses.
Picture draw_omigoto(std::vector<Rgb>& table);
