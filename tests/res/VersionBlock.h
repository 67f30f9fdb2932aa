// Reads a version resource as its tree of nodes: each node has a key, a value
// (text or binary) and children, all aligned to 32 bits.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

struct VersionNode {
    std::wstring key;
    bool isText = false;
    std::vector<BYTE> value;  // raw value bytes as stored
    std::vector<VersionNode> children;
    bool malformed = false;   // a length field points outside its parent

    // The value of a text node, without its terminating zeros.
    std::wstring Text() const;
};

VersionNode ParseVersionNode(const BYTE* data, size_t size);
