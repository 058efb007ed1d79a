// Reads one DEF file with the net callbacks registered and paths kept in their nets, as
// the evaluator does, and prints the throughput and the peak memory.
//   bench_def_read FILE.def
// A routed DEF of 300,000 nets comes from /work/shared/tools/gen_design.py --nets 300000.
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>

#include "def/defiNet.h"
#include "def/defiPath.h"
#include "def/defrReader.h"

using namespace LefDefParser;

namespace {

struct Totals {
  long long nets = 0;
  long long paths = 0;
  long long elements = 0;
};

// Walks every path as the net import does, so the stored paths are really read.
int onNet(defrCallbackType_e, defiNet* net, void* user) {
  Totals& t = *static_cast<Totals*>(user);
  t.nets++;
  for (int w = 0; w < net->numWires(); w++) {
    const defiWire* wire = net->wire(w);
    for (int p = 0; p < wire->numPaths(); p++) {
      const defiPath* path = wire->path(p);
      t.paths++;
      path->initTraverse();
      while (path->next() != DEFIPATH_DONE) t.elements++;
    }
  }
  return 0;
}

int onSection(defrCallbackType_e, int, void*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s FILE.def\n", argv[0]);
    return 2;
  }
  struct stat info;
  FILE* f = fopen(argv[1], "r");
  if (!f || stat(argv[1], &info) != 0) {
    fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  Totals totals;
  defrSetAddPathToNet();
  defrSetNetCbk(onNet);
  defrSetNetStartCbk(onSection);
  defrInit();
  auto start = std::chrono::steady_clock::now();
  int result = defrRead(f, argv[1], &totals, 1);
  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  fclose(f);
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  double mb = info.st_size / 1e6;
  printf("result %d: %lld nets, %lld paths, %lld path elements\n", result, totals.nets,
         totals.paths, totals.elements);
  printf("%.1f MB in %.2f s: %.1f MB/s, peak RSS %.1f MB\n", mb, seconds, mb / seconds,
         usage.ru_maxrss / 1024.0);
  return result == 0 ? 0 : 1;
}
