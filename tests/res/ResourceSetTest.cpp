// Which resources the executable holds, and in which language.
#include "ResourceBytes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

TEST(ResourceSet, HoldsExactlyKorvanesResources)
{
    // (type, name): menus, toolbar layout, bitmaps, icons, dialogs, string blocks, version.
    const std::set<std::pair<std::string, std::string>> expected = {
        {"#4", "#128"},  {"#4", "#132"},   {"#241", "#128"}, {"#2", "#128"},   {"#2", "#131"},
        {"#14", "#128"}, {"#3", "#1"},     {"#3", "#2"},     {"#5", "#100"},   {"#5", "#130"},
        {"#5", "#133"},  {"#6", "#9"},     {"#6", "#63"},    {"#6", "#64"},    {"#6", "#2049"},
        {"#6", "#2050"}, {"#6", "#3585"},  {"#6", "#3605"},  {"#6", "#3713"},  {"#16", "#1"},
    };
    std::set<std::pair<std::string, std::string>> found;
    for (const ResourceEntry& entry : EnumerateResources())
        found.insert({entry.type, entry.name});
    EXPECT_EQ(found, expected);
}

TEST(ResourceSet, HoldsEveryResourceInJapaneseOnly)
{
    for (const ResourceEntry& entry : EnumerateResources()) {
        SCOPED_TRACE("type " + entry.type + ", name " + entry.name);
        EXPECT_EQ(entry.languages, std::vector<WORD>{MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)});
    }
}
