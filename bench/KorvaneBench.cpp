// Korvane's benchmarks: every figure against a baseline measured in the same
// run, printed as one table. With names of sections as arguments (refresh,
// commands, memory, startup) only those run.
#include "BenchTable.h"
#include "CommandBench.h"
#include "MemoryBench.h"
#include "RefreshBench.h"
#include "StartupBench.h"

#include <cstring>

namespace {

bool Wanted(int argc, char** argv, const char* pszSection)
{
    if (argc < 2)
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], pszSection) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "memory-child") == 0)
        return RunMemoryChild(argv[2]);

    CBenchTable table;
    if (Wanted(argc, argv, "refresh"))
        RunRefreshBench(table);
    if (Wanted(argc, argv, "commands"))
        RunCommandBench(table);
    if (Wanted(argc, argv, "memory"))
        RunMemoryBench(table);
    if (Wanted(argc, argv, "startup"))
        RunStartupBench(table);
    table.Print();
    return 0;
}
