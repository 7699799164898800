// PNG encoding into memory, for the contact sheet and the icon's largest images.
#pragma once
#include <cstdint>
#include <vector>

// Top-down rows of `channels` bytes a pixel: 3 for RGB, 4 for RGBA.
std::vector<uint8_t> png_bytes(int width, int height, int channels, const std::vector<uint8_t>& pixels);
