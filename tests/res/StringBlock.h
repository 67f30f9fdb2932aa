// Walks the string table the way it is stored: block n / 16 + 1 holds the
// texts n with 16 counted UTF-16 strings, one after another.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct StringBlock {
    std::vector<std::wstring> texts;  // by position; fewer than 16 if the block ends early
    size_t trailingBytes = 0;         // bytes left after the last string read
};

constexpr WORD BlockOf(UINT id) { return static_cast<WORD>(id / 16 + 1); }
constexpr UINT PositionOf(UINT id) { return id % 16; }

// The block with that resource name, or nothing when there is no such block.
std::optional<StringBlock> ReadStringBlock(WORD block);

// The stored text of one identifier; empty when the block or the text is missing.
std::wstring StoredText(UINT id);
