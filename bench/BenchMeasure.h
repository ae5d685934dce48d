// Timing and resident-size readings for the view benchmark.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
#ifndef _WIN32
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

// Seconds since an arbitrary fixed point.
inline double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Seconds that one call of work takes.
template <class Work> double TimeOf(Work&& work) {
  const double start = Now();
  work();
  return Now() - start;
}

// The fastest of runs calls: the one least disturbed by the rest of the machine.
template <class Work> double BestOf(int runs, Work&& work) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) best = std::min(best, TimeOf(work));
  return best;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

#ifndef _WIN32
// Resident bytes of this process as the kernel counts them, after the allocator has handed
// back what it holds free, so that freed buffers do not count.
inline long long ResidentBytes() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
  long long size = 0, resident = 0;
  FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return 0;
  if (std::fscanf(statm, "%lld %lld", &size, &resident) != 2) resident = 0;
  std::fclose(statm);
  return resident * sysconf(_SC_PAGESIZE);
}
#endif
