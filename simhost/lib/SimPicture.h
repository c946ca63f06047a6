// Pictures of what the stand-in host shows: PNG files written without any library.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Encodes 8-bit RGB pixels (rows top to bottom, 3 bytes a pixel) as a PNG file image.
// The image data is stored uncompressed inside the zlib stream.
std::string SimEncodePng(int width, int height, const std::vector<unsigned char>& rgb);
// CRC-32 of PNG chunks and zlib's Adler-32, exposed for checking the encoder.
unsigned long SimCrc32(const unsigned char* data, size_t size, unsigned long crc = 0);
unsigned long SimAdler32(const unsigned char* data, size_t size);

// Reads a rectangle of the screen as RGB pixels; false when the screen cannot be read.
bool SimCaptureScreen(const RECT& area, std::vector<unsigned char>* rgb);
// Repaints a top-level window and writes what the screen shows of it (frame and menu
// included, with whatever lies on top of it) to a PNG file.
bool SimSaveWindowPicture(HWND window, const std::string& path, bool repaint = true);
