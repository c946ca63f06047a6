#include "simhost/lib/SimPicture.h"

#include <stdio.h>

// Debian's header-only PNG writer, compiled here alone.
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

void AppendBytes(void* context, void* data, int size) {
    ((std::string*)context)->append((const char*)data, (size_t)size);
}

} // namespace

std::string SimEncodePng(int width, int height, const std::vector<unsigned char>& rgb) {
    std::string png;
    if (width <= 0 || height <= 0 || rgb.size() < (size_t)width * height * 3) {
        return png;
    }
    if (!stbi_write_png_to_func(AppendBytes, &png, width, height, 3, rgb.data(), width * 3)) {
        png.clear();
    }
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
    if (png.empty()) {
        return false;
    }
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}
