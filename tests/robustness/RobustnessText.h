#pragma once
// What the robustness tests name and compare: event names of their own,
// Korvane's texts as its message boxes show them, and the settings a file
// holds.
#include <windows.h>

#include <string>
#include <vector>

using Names = std::vector<std::string>;

// Korvane's string nID, in the ANSI code page.
std::string LoadText(UINT nID);

// strName with this test process's id appended, so that no other run holds it.
std::string Unique(const std::string& strName);

// The value of a key in a settings file, up to 8,191 bytes; "" when absent.
std::string ReadSetting(const std::string& strSettings, const char* pszSection, const char* pszKey);

// The ten names of the name history in a settings file, history0 first.
Names ReadHistory(const std::string& strSettings);
