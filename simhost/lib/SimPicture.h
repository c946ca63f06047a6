// Pictures of what the stand-in host shows, written as PNG files (stb_image_write).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Encodes 8-bit RGB pixels (rows top to bottom, 3 bytes a pixel) as a PNG file image;
// "" when the size is not one.
std::string SimEncodePng(int width, int height, const std::vector<unsigned char>& rgb);

// Reads a rectangle of the screen as RGB pixels; false when the screen cannot be read.
bool SimCaptureScreen(const RECT& area, std::vector<unsigned char>* rgb);
// Repaints a top-level window and writes what the screen shows of it (frame and menu
// included, with whatever lies on top of it) to a PNG file.
bool SimSaveWindowPicture(HWND window, const std::string& path, bool repaint = true);
