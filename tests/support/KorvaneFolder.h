#pragma once
// The built Korvane.exe copied into a fresh folder of its own, so that a run
// of it starts without settings and everything it writes lands there.
//
//     ktest::KorvaneFolder folder("Probe.exe");   // Korvane.exe as Probe.exe, with Korvane.chm
//     ASSERT_TRUE(folder.Ready());
//     ktest::KorvaneRun run(folder);              // see KorvaneRun.h
//     ...
//     EXPECT_EQ(files, folder.Files());
//
// The folder is removed with everything in it at destruction; a run in it
// must have ended by then (declare the folder before the run).
#include "TempFolder.h"

#include <string>
#include <vector>

namespace ktest {

// Where the build put Korvane.exe and Korvane.chm: the full path of pszName
// in the build's app folder.
std::string BuiltKorvanePath(const char* pszName);

// A new folder under the temporary folder holding a copy of Korvane.exe
// named strExeName, and Korvane.chm (under its own name) when bWithHelp.
class KorvaneFolder
{
public:
    explicit KorvaneFolder(const std::string& strExeName = "Korvane.exe", bool bWithHelp = true);
    KorvaneFolder(const KorvaneFolder&) = delete;
    KorvaneFolder& operator=(const KorvaneFolder&) = delete;

    // Whether the folder and the copies were made.
    bool Ready() const { return m_bReady; }
    // Full path of strName inside the folder.
    std::string Path(const std::string& strName) const;
    std::string ExePath() const { return Path(m_strExeName); }
    // The names of the files in the folder, sorted.
    std::vector<std::string> Files() const;

private:
    TempFolder m_folder;
    std::string m_strExeName;
    bool m_bReady = false;
};

} // namespace ktest
