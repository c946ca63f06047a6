#include "simhost/lib/SimPicture.h"

#include <stdio.h>

namespace {

void PutU32(std::string* out, unsigned long value) {
    out->push_back((char)((value >> 24) & 0xFF));
    out->push_back((char)((value >> 16) & 0xFF));
    out->push_back((char)((value >> 8) & 0xFF));
    out->push_back((char)(value & 0xFF));
}

void PutChunk(std::string* png, const char* type, const std::string& data) {
    PutU32(png, (unsigned long)data.size());
    std::string typed = std::string(type, 4) + data;
    png->append(typed);
    PutU32(png, SimCrc32((const unsigned char*)typed.data(), typed.size()));
}

} // namespace

unsigned long SimCrc32(const unsigned char* data, size_t size, unsigned long crc) {
    static unsigned long table[256];
    static bool ready = false;
    if (!ready) {
        for (unsigned long n = 0; n < 256; n++) {
            unsigned long c = n;
            for (int k = 0; k < 8; k++) {
                c = (c & 1) ? 0xEDB88320UL ^ (c >> 1) : c >> 1;
            }
            table[n] = c;
        }
        ready = true;
    }
    crc = crc ^ 0xFFFFFFFFUL;
    for (size_t i = 0; i < size; i++) {
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFUL;
}

unsigned long SimAdler32(const unsigned char* data, size_t size) {
    unsigned long a = 1, b = 0;
    for (size_t i = 0; i < size; i++) {
        a = (a + data[i]) % 65521UL;
        b = (b + a) % 65521UL;
    }
    return (b << 16) | a;
}

std::string SimEncodePng(int width, int height, const std::vector<unsigned char>& rgb) {
    // Filtered image data: each row starts with filter type 0 (none).
    std::string raw;
    raw.reserve((size_t)height * ((size_t)width * 3 + 1));
    for (int row = 0; row < height; row++) {
        raw.push_back('\0');
        raw.append((const char*)rgb.data() + (size_t)row * width * 3, (size_t)width * 3);
    }
    // zlib stream of stored deflate blocks (at most 65535 bytes each).
    std::string zlib;
    zlib.push_back((char)0x78);
    zlib.push_back((char)0x01);
    size_t offset = 0;
    do {
        size_t length = raw.size() - offset;
        if (length > 65535) {
            length = 65535;
        }
        bool last = offset + length == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back((char)(length & 0xFF));
        zlib.push_back((char)(length >> 8));
        zlib.push_back((char)(~length & 0xFF));
        zlib.push_back((char)((~length >> 8) & 0xFF));
        zlib.append(raw, offset, length);
        offset += length;
    } while (offset < raw.size());
    PutU32(&zlib, SimAdler32((const unsigned char*)raw.data(), raw.size()));

    std::string png("\x89PNG\r\n\x1A\n", 8);
    std::string header;
    PutU32(&header, (unsigned long)width);
    PutU32(&header, (unsigned long)height);
    header.push_back(8); // bit depth
    header.push_back(2); // truecolour
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering
    header.push_back(0); // no interlace
    PutChunk(&png, "IHDR", header);
    PutChunk(&png, "IDAT", zlib);
    PutChunk(&png, "IEND", std::string());
    return png;
}

bool SimCaptureScreen(const RECT& area, std::vector<unsigned char>* rgb) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bitmap && bits) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT) != 0;
        GdiFlush();
        SelectObject(memory, previous);
        if (ok) {
            rgb->resize((size_t)width * height * 3);
            const unsigned char* source = (const unsigned char*)bits;
            for (size_t i = 0; i < (size_t)width * height; i++) {
                (*rgb)[i * 3 + 0] = source[i * 4 + 2];
                (*rgb)[i * 3 + 1] = source[i * 4 + 1];
                (*rgb)[i * 3 + 2] = source[i * 4 + 0];
            }
        }
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool SimSaveWindowPicture(HWND window, const std::string& path, bool repaint) {
    if (!window || !IsWindow(window)) {
        return false;
    }
    if (repaint) {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    GdiFlush();
    RECT area;
    GetWindowRect(window, &area);
    // Only the part that lies on the screen can be read.
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    std::vector<unsigned char> rgb;
    if (!SimCaptureScreen(area, &rgb)) {
        return false;
    }
    std::string png = SimEncodePng(area.right - area.left, area.bottom - area.top, rgb);
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}
