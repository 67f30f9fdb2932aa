#include "BenchTable.h"

#include <cstdio>

void CBenchTable::Add(BenchRow row)
{
    m_rows.push_back(std::move(row));
}

namespace {

std::string PerItem(double dSeconds, int nItems)
{
    if (nItems <= 0)
        return std::string();
    char sz[48];
    std::snprintf(sz, sizeof(sz), " (%.2f us/item)", dSeconds * 1e6 / nItems);
    return sz;
}

} // namespace

void CBenchTable::AddTimeRatio(const std::string& figure, double dKorvane, double dBaseline,
                               double dTarget, int nItems)
{
    const double dRatio = dBaseline > 0.0 ? dKorvane / dBaseline : 0.0;
    char szRatio[32];
    std::snprintf(szRatio, sizeof(szRatio), "%.2f", dRatio);
    char szTarget[32];
    std::snprintf(szTarget, sizeof(szTarget), "<= %.1f", dTarget);
    BenchRow row;
    row.figure = figure;
    row.korvane = FormatSeconds(dKorvane) + PerItem(dKorvane, nItems);
    row.baseline = FormatSeconds(dBaseline) + PerItem(dBaseline, nItems);
    row.ratio = szRatio;
    row.target = dTarget > 0.0 ? szTarget : "";
    row.holds = dTarget > 0.0 ? (dRatio <= dTarget ? "yes" : "no") : "";
    Add(row);
}

void CBenchTable::Print() const
{
    std::printf("| figure | Korvane | baseline | ratio | target | holds |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const BenchRow& row : m_rows)
        std::printf("| %s | %s | %s | %s | %s | %s |\n", row.figure.c_str(), row.korvane.c_str(),
                    row.baseline.c_str(), row.ratio.c_str(), row.target.c_str(),
                    row.holds.c_str());
    std::fflush(stdout);
}

std::string FormatSeconds(double dSeconds)
{
    char sz[32];
    if (dSeconds < 1e-3)
        std::snprintf(sz, sizeof(sz), "%.1f us", dSeconds * 1e6);
    else if (dSeconds < 1.0)
        std::snprintf(sz, sizeof(sz), "%.2f ms", dSeconds * 1e3);
    else
        std::snprintf(sz, sizeof(sz), "%.2f s", dSeconds);
    return sz;
}

std::string FormatBytes(long long nBytes)
{
    const bool bNegative = nBytes < 0;
    std::string digits = std::to_string(bNegative ? -nBytes : nBytes);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<size_t>(i), ",");
    return (bNegative ? "-" : "") + digits + " B";
}
