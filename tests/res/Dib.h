// A device-independent bitmap as stored in a bitmap or icon resource:
// BITMAPINFOHEADER, colour table, bottom-up pixel rows and, for icon images,
// the 1-bit AND mask after them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

class Dib {
public:
    // iconImage: the header's height counts colour and mask rows together.
    Dib(const BYTE* data, size_t size, bool iconImage);

    const BITMAPINFOHEADER& Header() const { return m_header; }
    const std::vector<RGBQUAD>& Palette() const { return m_palette; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Whether the header, colour table, pixels (and mask) fit in the resource.
    bool Complete() const { return m_complete; }
    // Bytes the layout needs; a complete resource has exactly this size.
    size_t ExpectedSize() const { return m_expectedSize; }

    // Palette index of a pixel, x from the left and y from the top (4 bits per pixel only).
    int ColourIndex(int x, int y) const;
    COLORREF Colour(int x, int y) const;
    // Icons: whether the AND mask clears the pixel.
    bool Transparent(int x, int y) const;

private:
    BITMAPINFOHEADER m_header{};
    std::vector<RGBQUAD> m_palette;
    const BYTE* m_bits = nullptr;
    const BYTE* m_mask = nullptr;
    int m_width = 0;
    int m_height = 0;
    size_t m_expectedSize = 0;
    bool m_complete = false;
};

// The standard 16-colour palette in index order.
extern const COLORREF kStandardPalette[16];
