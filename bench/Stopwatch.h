#pragma once
// Timing for the benchmarks: a stopwatch on the performance counter, and the
// median of repeated samples, which a stray slow run does not move.
#include <windows.h>

#include <vector>

class CStopwatch
{
public:
    CStopwatch() { Restart(); }

    void Restart() { QueryPerformanceCounter(&m_start); }

    // Seconds since construction or the last Restart.
    double Seconds() const
    {
        LARGE_INTEGER now;
        LARGE_INTEGER frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};

double Median(std::vector<double> samples);
