// Raw access to the resources compiled into this test executable.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// The bytes of one resource in its only language, as the loader maps them.
struct ResourceBytes {
    const BYTE* data = nullptr;  // null when the resource does not exist
    size_t size = 0;

    explicit operator bool() const { return data != nullptr; }
    std::vector<BYTE> Copy() const { return {data, data + size}; }
};

ResourceBytes FindResourceBytes(LPCSTR type, LPCSTR name);
ResourceBytes FindResourceBytes(WORD type, WORD name);

// One (type, name) pair of the module and the languages it exists in.
// Numeric types and names are written "#<number>", as FindResource accepts them.
struct ResourceEntry {
    std::string type;
    std::string name;
    std::vector<WORD> languages;
};

std::vector<ResourceEntry> EnumerateResources();

// UTF-16 to UTF-8, so that failure messages show readable text.
std::string Utf8(const std::wstring& text);
