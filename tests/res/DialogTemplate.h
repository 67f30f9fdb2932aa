// Reads a dialog template resource, classic (DLGTEMPLATE) or extended
// (DLGTEMPLATEEX), field by field as the dialog manager would.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// A field that is either a string or a 16-bit ordinal (0xFFFF prefix).
struct NameOrOrdinal {
    WORD ordinal = 0;    // non-zero when the field is an ordinal
    std::wstring text;   // the string otherwise; empty for "none"

    static NameOrOrdinal Ordinal(WORD value) { return {value, {}}; }
    static NameOrOrdinal Text(std::wstring value) { return {0, std::move(value)}; }
    bool operator==(const NameOrOrdinal& other) const
    {
        return ordinal == other.ordinal && text == other.text;
    }
};

struct DialogControl {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;           // sign-extended, so -1 reads as -1 in both formats
    NameOrOrdinal windowClass;
    NameOrOrdinal text;
    WORD extraBytes = 0;  // creation data length
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::wstring caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring font;
    std::vector<DialogControl> controls;
    bool truncated = false;  // the resource ended before the last declared control
};

DialogTemplate ParseDialogTemplate(const BYTE* data, size_t size);

// Readable form of a string or ordinal for failure messages.
std::string Describe(const NameOrOrdinal& value);
