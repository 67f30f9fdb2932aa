#include "ResourceBytes.h"

namespace {

std::string ResourceName(LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    return name;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<ResourceEntry*>(param)->languages.push_back(language);
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    ResourceEntry entry{ResourceName(type), ResourceName(name), {}};
    EnumResourceLanguagesA(module, type, name, AddLanguage, reinterpret_cast<LONG_PTR>(&entry));
    reinterpret_cast<std::vector<ResourceEntry>*>(param)->push_back(entry);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR param)
{
    EnumResourceNamesA(module, type, AddName, param);
    return TRUE;
}

}  // namespace

ResourceBytes FindResourceBytes(LPCSTR type, LPCSTR name)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name, type);
    if (!info)
        return {};
    HGLOBAL loaded = LoadResource(module, info);
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, info)};
}

ResourceBytes FindResourceBytes(WORD type, WORD name)
{
    return FindResourceBytes(MAKEINTRESOURCEA(type), MAKEINTRESOURCEA(name));
}

std::vector<ResourceEntry> EnumerateResources()
{
    std::vector<ResourceEntry> entries;
    EnumResourceTypesA(GetModuleHandleA(nullptr), AddType, reinterpret_cast<LONG_PTR>(&entries));
    return entries;
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}
