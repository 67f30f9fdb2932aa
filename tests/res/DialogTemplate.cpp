#include "DialogTemplate.h"

#include "ResourceBytes.h"

#include <cstring>

namespace {

// Sequential reader over the template; every read past the end yields zeros
// and marks the reader as exhausted.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    template <typename T>
    T Read()
    {
        T value{};
        if (m_offset + sizeof(T) <= m_size)
            std::memcpy(&value, m_data + m_offset, sizeof(T));
        else
            m_exhausted = true;
        m_offset += sizeof(T);
        return value;
    }

    std::wstring ReadString()
    {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c != 0 && !m_exhausted; c = Read<WCHAR>())
            text += c;
        return text;
    }

    NameOrOrdinal ReadNameOrOrdinal()
    {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF)
            return NameOrOrdinal::Ordinal(Read<WORD>());
        if (first == 0)
            return {};
        m_offset -= sizeof(WORD);
        return NameOrOrdinal::Text(ReadString());
    }

    void AlignToDword() { m_offset = (m_offset + 3) & ~size_t{3}; }
    void Skip(size_t bytes) { m_offset += bytes; }
    bool Exhausted() const { return m_exhausted || m_offset > m_size; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_offset = 0;
    bool m_exhausted = false;
};

void ReadGeometry(TemplateReader& reader, short& x, short& y, short& cx, short& cy)
{
    x = reader.Read<short>();
    y = reader.Read<short>();
    cx = reader.Read<short>();
    cy = reader.Read<short>();
}

DialogControl ReadControl(TemplateReader& reader, bool extended)
{
    reader.AlignToDword();
    DialogControl control;
    if (extended) {
        control.helpId = reader.Read<DWORD>();
        control.exStyle = reader.Read<DWORD>();
        control.style = reader.Read<DWORD>();
    } else {
        control.style = reader.Read<DWORD>();
        control.exStyle = reader.Read<DWORD>();
    }
    ReadGeometry(reader, control.x, control.y, control.cx, control.cy);
    control.id = extended ? reader.Read<INT32>() : reader.Read<SHORT>();
    control.windowClass = reader.ReadNameOrOrdinal();
    control.text = reader.ReadNameOrOrdinal();
    control.extraBytes = reader.Read<WORD>();
    reader.Skip(control.extraBytes);
    return control;
}

}  // namespace

DialogTemplate ParseDialogTemplate(const BYTE* data, size_t size)
{
    TemplateReader reader(data, size);
    DialogTemplate dialog;
    WORD count = 0;
    if (size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF) {
        dialog.extended = true;
        reader.Skip(4);  // version 1, signature 0xFFFF
        dialog.helpId = reader.Read<DWORD>();
        dialog.exStyle = reader.Read<DWORD>();
        dialog.style = reader.Read<DWORD>();
    } else {
        dialog.style = reader.Read<DWORD>();
        dialog.exStyle = reader.Read<DWORD>();
    }
    count = reader.Read<WORD>();
    ReadGeometry(reader, dialog.x, dialog.y, dialog.cx, dialog.cy);
    dialog.menu = reader.ReadNameOrOrdinal();
    dialog.windowClass = reader.ReadNameOrOrdinal();
    dialog.caption = reader.ReadString();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = reader.Read<WORD>();
        if (dialog.extended) {
            dialog.weight = reader.Read<WORD>();
            dialog.italic = reader.Read<BYTE>();
            dialog.charset = reader.Read<BYTE>();
        }
        dialog.font = reader.ReadString();
    }
    for (WORD i = 0; i < count && !reader.Exhausted(); ++i) {
        DialogControl control = ReadControl(reader, dialog.extended);
        if (reader.Exhausted())
            break;
        dialog.controls.push_back(control);
    }
    dialog.truncated = dialog.controls.size() != count;
    return dialog;
}

std::string Describe(const NameOrOrdinal& value)
{
    if (value.ordinal)
        return "#" + std::to_string(value.ordinal);
    return "\"" + Utf8(value.text) + "\"";
}
