#include "Dib.h"

#include <cstring>

const COLORREF kStandardPalette[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

namespace {

size_t Stride(int width, int bitsPerPixel) { return (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4; }

}  // namespace

Dib::Dib(const BYTE* data, size_t size, bool iconImage)
{
    if (size < sizeof m_header)
        return;
    std::memcpy(&m_header, data, sizeof m_header);
    if (m_header.biSize != sizeof m_header || m_header.biBitCount != 4 || m_header.biWidth <= 0)
        return;
    m_width = m_header.biWidth;
    m_height = iconImage ? m_header.biHeight / 2 : m_header.biHeight;
    if (m_height <= 0)
        return;
    const size_t colours = m_header.biClrUsed ? m_header.biClrUsed : 16;
    const size_t paletteOffset = m_header.biSize;
    const size_t bitsOffset = paletteOffset + colours * sizeof(RGBQUAD);
    const size_t maskOffset = bitsOffset + Stride(m_width, 4) * m_height;
    m_expectedSize = iconImage ? maskOffset + Stride(m_width, 1) * m_height : maskOffset;
    if (m_expectedSize > size)
        return;
    m_palette.resize(colours);
    std::memcpy(m_palette.data(), data + paletteOffset, colours * sizeof(RGBQUAD));
    m_bits = data + bitsOffset;
    m_mask = iconImage ? data + maskOffset : nullptr;
    m_complete = true;
}

int Dib::ColourIndex(int x, int y) const
{
    const BYTE packed = m_bits[Stride(m_width, 4) * (m_height - 1 - y) + x / 2];
    return x % 2 == 0 ? packed >> 4 : packed & 0x0F;
}

COLORREF Dib::Colour(int x, int y) const
{
    const size_t index = ColourIndex(x, y);
    if (index >= m_palette.size())
        return CLR_INVALID;
    const RGBQUAD& entry = m_palette[index];
    return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

bool Dib::Transparent(int x, int y) const
{
    const BYTE packed = m_mask[Stride(m_width, 1) * (m_height - 1 - y) + x / 8];
    return (packed & (0x80 >> (x % 8))) != 0;
}
