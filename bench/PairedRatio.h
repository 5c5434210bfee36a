#ifndef PAIREDRATIO_H
#define PAIREDRATIO_H

// Ratios of two timed steps on a shared machine: the steps run interleaved (A B A B ...), one ratio
// per pair, and the median of those ratios is the figure, with the smallest and largest beside it.
// Two separate blocks of runs drift apart with the machine's load; neighbouring runs do not.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QElapsedTimer>

#include <malloc.h>

struct PairedRatio
{
    double median = 0;
    double min = 0;
    double max = 0;
    double firstMedianMs = 0;
    double secondMedianMs = 0;
};

inline double medianOf(std::vector<double> n_samples)
{
    std::sort(n_samples.begin(), n_samples.end());
    const std::size_t middle = n_samples.size() / 2;
    return n_samples.size() % 2 != 0 ? n_samples[middle]
                                     : (n_samples[middle - 1] + n_samples[middle]) / 2;
}

// The figures of times already taken in pairs: n_first[i] and n_second[i] ran side by side.
inline PairedRatio ratioOfPairs(const std::vector<double> &n_first,
                                const std::vector<double> &n_second)
{
    std::vector<double> ratios;
    for (std::size_t pair = 0; pair < n_first.size(); ++pair)
        ratios.push_back(n_first[pair] / n_second[pair]);
    PairedRatio result;
    result.median = medianOf(ratios);
    result.min = *std::min_element(ratios.begin(), ratios.end());
    result.max = *std::max_element(ratios.begin(), ratios.end());
    result.firstMedianMs = medianOf(n_first);
    result.secondMedianMs = medianOf(n_second);
    return result;
}

// Each step returns its own time in milliseconds (so that set-up outside the timed part is not
// counted); the ratio is first over second.
inline PairedRatio pairedRatio(int n_pairs, const std::function<double()> &n_first,
                               const std::function<double()> &n_second)
{
    std::vector<double> first, second;
    for (int pair = 0; pair < n_pairs; ++pair) {
        first.push_back(n_first());
        second.push_back(n_second());
    }
    return ratioOfPairs(first, second);
}

// The time of one run in milliseconds, started on a settled heap: freeing many small blocks leaves
// the allocator work that the next run would otherwise pay for.
inline double settledMillis(const std::function<void()> &n_run)
{
    malloc_trim(0);
    QElapsedTimer timer;
    timer.start();
    n_run();
    return timer.nsecsElapsed() / 1e6;
}

inline void printFigure(const QByteArray &n_name, double n_value)
{
    std::printf("%s: %.3f\n", n_name.constData(), n_value);
    std::fflush(stdout);
}

// name (the median), name_min, name_max.
inline void printRatio(const QByteArray &n_name, const PairedRatio &n_ratio)
{
    printFigure(n_name, n_ratio.median);
    printFigure(n_name + "_min", n_ratio.min);
    printFigure(n_name + "_max", n_ratio.max);
}

// prefix_ms (ours), prefix_baseline_ms, then the ratio as prefix_ratio with its spread.
inline void printAgainstBaseline(const QByteArray &n_prefix, const PairedRatio &n_ratio)
{
    printFigure(n_prefix + "_ms", n_ratio.firstMedianMs);
    printFigure(n_prefix + "_baseline_ms", n_ratio.secondMedianMs);
    printRatio(n_prefix + "_ratio", n_ratio);
}

#endif // PAIREDRATIO_H
