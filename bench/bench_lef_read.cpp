// Reads one LEF file with every callback registered and prints the
// throughput and the peak memory.
//   bench_lef_read FILE.lef
// A large cell library comes from bench/make_cell_lef.py, which repeats the
// macros of a real one (100 MB by default).
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>

#include "lef/lefrReader.h"

using namespace LefDefParser;

namespace {

long long statements = 0;

template <class T>
int onAny(lefrCallbackType_e, T, void*) {
  statements++;
  return 0;
}

void quiet(const char*) {}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s FILE.lef\n", argv[0]);
    return 2;
  }
  struct stat info;
  FILE* f = fopen(argv[1], "r");
  if (!f || stat(argv[1], &info) != 0) {
    fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
#define LEF_BENCH_REGISTER(slot, T, code, label) lefrSet##slot##Cbk(onAny<T>);
  LEF_CALLBACK_SLOTS(LEF_BENCH_REGISTER)
#undef LEF_BENCH_REGISTER
  lefrSetWarningLogFunction(quiet);
  lefrInit();
  auto start = std::chrono::steady_clock::now();
  int result = lefrRead(f, argv[1], nullptr);
  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  fclose(f);
  lefrClear();
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  double mb = info.st_size / 1e6;
  printf("result %d: %lld callbacks\n", result, statements);
  printf("%.1f MB in %.2f s: %.1f MB/s, peak RSS %.1f MB\n", mb, seconds, mb / seconds,
         usage.ru_maxrss / 1024.0);
  return result == 0 ? 0 : 1;
}
