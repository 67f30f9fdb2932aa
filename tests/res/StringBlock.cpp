#include "StringBlock.h"

#include "ResourceBytes.h"

#include <cstring>

std::optional<StringBlock> ReadStringBlock(WORD block)
{
    const ResourceBytes bytes = FindResourceBytes(6 /* RT_STRING */, block);
    if (!bytes)
        return std::nullopt;
    StringBlock result;
    size_t offset = 0;
    while (result.texts.size() < 16 && offset + 2 <= bytes.size) {
        WORD length;
        std::memcpy(&length, bytes.data + offset, 2);
        offset += 2;
        if (offset + length * 2u > bytes.size)
            break;
        std::wstring text(length, L'\0');
        std::memcpy(text.data(), bytes.data + offset, length * 2u);
        offset += length * 2u;
        result.texts.push_back(text);
    }
    result.trailingBytes = bytes.size - offset;
    return result;
}

std::wstring StoredText(UINT id)
{
    const std::optional<StringBlock> block = ReadStringBlock(BlockOf(id));
    if (!block || PositionOf(id) >= block->texts.size())
        return {};
    return block->texts[PositionOf(id)];
}
