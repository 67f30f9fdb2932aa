#include "VersionBlock.h"

#include <cstring>

namespace {

size_t AlignToDword(size_t offset) { return (offset + 3) & ~size_t{3}; }

WORD ReadWord(const BYTE* data, size_t offset)
{
    WORD value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

}  // namespace

std::wstring VersionNode::Text() const
{
    std::wstring text(value.size() / 2, L'\0');
    std::memcpy(text.data(), value.data(), text.size() * 2);
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

VersionNode ParseVersionNode(const BYTE* data, size_t size)
{
    VersionNode node;
    if (size < 6) {
        node.malformed = true;
        return node;
    }
    const size_t length = ReadWord(data, 0);
    const size_t valueLength = ReadWord(data, 2);
    node.isText = ReadWord(data, 4) == 1;
    if (length < 6 || length > size) {
        node.malformed = true;
        return node;
    }
    size_t offset = 6;
    while (offset + 2 <= length && ReadWord(data, offset) != 0) {
        node.key += static_cast<wchar_t>(ReadWord(data, offset));
        offset += 2;
    }
    offset = AlignToDword(offset + 2);
    // A text value's length counts 16-bit units, a binary value's counts bytes.
    const size_t valueBytes = node.isText ? valueLength * 2 : valueLength;
    if (offset + valueBytes > length) {
        node.malformed = true;
        return node;
    }
    node.value.assign(data + offset, data + offset + valueBytes);
    offset = AlignToDword(offset + valueBytes);
    while (offset < length) {
        VersionNode child = ParseVersionNode(data + offset, length - offset);
        if (child.malformed) {
            node.malformed = true;
            break;
        }
        offset = AlignToDword(offset + ReadWord(data, offset));
        node.children.push_back(std::move(child));
    }
    return node;
}
