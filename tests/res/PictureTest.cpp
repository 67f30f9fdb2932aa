// Toolbar layout, the two bitmaps and the icon group, read from the executable.
#include "Dib.h"
#include "ResourceBytes.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct BitmapLayout {
    WORD id;
    int imageWidth;
    int images;
    COLORREF background;
};

const BitmapLayout kBitmaps[] = {
    {128, 16, 6, kSilver},  // toolbar images
    {131, 24, 4, kTeal},    // list state images
};

std::string Hex(COLORREF colour)
{
    char text[16];
    wsprintfA(text, "RGB %06lX", colour);
    return text;
}

// How often each colour occurs in the given columns.
std::map<COLORREF, int> CountColours(const Dib& dib, int left, int right)
{
    std::map<COLORREF, int> counts;
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = left; x < right; ++x)
            ++counts[dib.Colour(x, y)];
    return counts;
}

COLORREF MostFrequent(const std::map<COLORREF, int>& counts)
{
    COLORREF best = CLR_INVALID;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            best = colour;
            most = count;
        }
    return best;
}

void ExpectStandardPalette(const Dib& dib)
{
    ASSERT_EQ(dib.Palette().size(), 16u);
    for (size_t i = 0; i < 16; ++i) {
        const RGBQUAD& entry = dib.Palette()[i];
        EXPECT_EQ(Hex(RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue)), Hex(kStandardPalette[i])) << "entry " << i;
    }
}

Dib LoadBitmapResource(WORD id)
{
    const ResourceBytes bytes = FindResourceBytes(2 /* RT_BITMAP */, id);
    return Dib(bytes.data, bytes.size, false);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST(Toolbar, LayoutIsTwelveWordsOfButtonsAndSeparators)
{
    const ResourceBytes bytes = FindResourceBytes(241, 128);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes.size, 24u);
    WORD words[12];
    std::memcpy(words, bytes.data, sizeof words);
    EXPECT_EQ(std::vector<WORD>(words, words + 12),
              (std::vector<WORD>{1, 16, 16, 8, 32772, 32782, 32780, 32781, 0, 32775, 0, 57664}));
}

TEST(Bitmaps, AreUncompressed16ColourPicturesOnTheirBackground)
{
    for (const BitmapLayout& layout : kBitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(layout.id));
        const ResourceBytes bytes = FindResourceBytes(2 /* RT_BITMAP */, layout.id);
        ASSERT_TRUE(bytes);
        const Dib dib(bytes.data, bytes.size, false);
        const BITMAPINFOHEADER& header = dib.Header();
        EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
        EXPECT_EQ(header.biWidth, 96);
        EXPECT_EQ(header.biHeight, 16);
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, 4);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        ASSERT_TRUE(dib.Complete());
        EXPECT_EQ(bytes.size, dib.ExpectedSize());
        ExpectStandardPalette(dib);
        ASSERT_EQ(layout.imageWidth * layout.images, dib.Width());
        for (int image = 0; image < layout.images; ++image) {
            const int left = image * layout.imageWidth;
            EXPECT_EQ(Hex(MostFrequent(CountColours(dib, left, left + layout.imageWidth))), Hex(layout.background))
                << "image " << image;
        }
    }
}

TEST(Bitmaps, SignalImagesAreRedAndFlagsMarkCreatedEvents)
{
    // Toolbar: the signal button shows a red ball, non-signal a grey one.
    const Dib toolbar = LoadBitmapResource(128);
    ASSERT_TRUE(toolbar.Complete());
    EXPECT_GT(CountColours(toolbar, 32, 48)[kRed], 20);
    EXPECT_EQ(CountColours(toolbar, 48, 64)[kRed], 0);

    // State images: index = origin * 2 + signaled; origin 0 (created) has the flag.
    const Dib states = LoadBitmapResource(131);
    ASSERT_TRUE(states.Complete());
    for (int image = 0; image < 4; ++image) {
        SCOPED_TRACE("state image " + std::to_string(image));
        const bool signaled = image % 2 == 1;
        const bool created = image < 2;
        const int left = image * 24;
        EXPECT_EQ(CountColours(states, left, left + 14)[kRed] > 20, signaled);
        const std::map<COLORREF, int> right = CountColours(states, left + 14, left + 24);
        EXPECT_EQ(right.at(kTeal) < 14 * 10, created);
        EXPECT_EQ(right.count(kWhite) > 0, created);
        // Corners stay transparent in the image list.
        for (int x : {left, left + 23})
            for (int y : {0, 15})
                EXPECT_EQ(Hex(states.Colour(x, y)), Hex(kTeal)) << x << "," << y;
    }
}

TEST(Bitmaps, StateImagesLoadAsFourImagesOf24By16)
{
    HIMAGELIST list = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(131), 24, 1,
                                           RGB(0, 128, 128), IMAGE_BITMAP, LR_DEFAULTCOLOR);
    ASSERT_TRUE(list);
    EXPECT_EQ(ImageList_GetImageCount(list), 4);
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    EXPECT_EQ(width, 24);
    EXPECT_EQ(height, 16);
    ImageList_Destroy(list);
}

TEST(Icon, GroupHoldsA32And16Pixel16ColourImage)
{
    const ResourceBytes group = FindResourceBytes(14 /* RT_GROUP_ICON */, 128);
    ASSERT_TRUE(group);
    WORD header[3];
    ASSERT_GE(group.size, sizeof header);
    std::memcpy(header, group.data, sizeof header);
    EXPECT_EQ(header[0], 0);  // reserved
    EXPECT_EQ(header[1], 1);  // icon, not cursor
    ASSERT_EQ(header[2], 2);
    ASSERT_EQ(group.size, sizeof header + 2 * sizeof(GroupIconEntry));

    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        GroupIconEntry entry;
        std::memcpy(&entry, group.data + sizeof header + i * sizeof entry, sizeof entry);
        SCOPED_TRACE("icon image " + std::to_string(entry.id));
        EXPECT_EQ(entry.id, i + 1);
        EXPECT_EQ(entry.width, sizes[i]);
        EXPECT_EQ(entry.height, sizes[i]);
        EXPECT_EQ(entry.colourCount, 16);
        EXPECT_EQ(entry.planes, 1);
        EXPECT_EQ(entry.bitCount, 4);

        const ResourceBytes image = FindResourceBytes(3 /* RT_ICON */, entry.id);
        ASSERT_TRUE(image);
        EXPECT_EQ(entry.bytesInResource, image.size);
        const Dib dib(image.data, image.size, true);
        EXPECT_EQ(dib.Header().biBitCount, 4);
        EXPECT_EQ(dib.Header().biCompression, static_cast<DWORD>(BI_RGB));
        EXPECT_EQ(dib.Header().biHeight, 2 * sizes[i]);  // colour rows and mask rows
        ASSERT_TRUE(dib.Complete());
        EXPECT_EQ(image.size, dib.ExpectedSize());
        EXPECT_EQ(dib.Width(), sizes[i]);
        ExpectStandardPalette(dib);
        // The background is transparent; the picture is not.
        const int last = sizes[i] - 1;
        for (auto [x, y] : {std::pair{0, last}, std::pair{last, last}, std::pair{last, 0}})
            EXPECT_TRUE(dib.Transparent(x, y)) << x << "," << y;
        int opaque = 0;
        bool red = false;
        for (int y = 0; y < sizes[i]; ++y)
            for (int x = 0; x < sizes[i]; ++x)
                if (!dib.Transparent(x, y)) {
                    ++opaque;
                    red = red || dib.Colour(x, y) == kRed;
                }
        EXPECT_GT(opaque, sizes[i] * sizes[i] / 5);
        EXPECT_TRUE(red);
    }
    EXPECT_TRUE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128)));
}
