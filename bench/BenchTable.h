#pragma once
// The rows that the benchmarks report, printed as one Markdown table.
#include <string>
#include <vector>

struct BenchRow
{
    std::string figure;    // what was measured
    std::string korvane;   // Korvane's figure, with its unit
    std::string baseline;  // the same figure for the baseline
    std::string ratio;     // korvane / baseline, or the derived figure
    std::string target;
    std::string holds;     // "yes", "no" or "" when there is no target
};

class CBenchTable
{
public:
    void Add(BenchRow row);
    // A row whose figure is a time ratio against a target ratio (0: none);
    // with nItems, both times also per item.
    void AddTimeRatio(const std::string& figure, double dKorvane, double dBaseline,
                      double dTarget, int nItems = 0);
    void Print() const;

private:
    std::vector<BenchRow> m_rows;
};

// "12.3 µs", "4.56 ms", "1.23 s"
std::string FormatSeconds(double dSeconds);
// "123,456 B"
std::string FormatBytes(long long nBytes);
