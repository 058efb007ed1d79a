// Allocation hooks for tests of the LEF data classes that keep a ledger of
// live blocks, so a block released without the hooks, or twice, or never,
// shows up.
#ifndef VELMOR_TESTS_LEF_LEFTESTHEAP_H
#define VELMOR_TESTS_LEF_LEFTESTHEAP_H

#include <cstdlib>
#include <map>
#include <vector>

#include "lef/lefrSettings.h"

namespace lefTest {

// Installs the hooks while it lives. Blocks are offset from what malloc
// returns, so a block of the plain heap handed to the free hook, or a hook
// block handed to free(), does not go unnoticed. Fold no name while it
// lives: the reader's fold buffer outlives it.
class TrackedHeap {
 public:
  TrackedHeap() {
    state() = State();
    LefDefParser::lefSettings->MallocFunction = alloc;
    LefDefParser::lefSettings->FreeFunction = release;
  }
  ~TrackedHeap() {
    LefDefParser::lefSettings->MallocFunction = nullptr;
    LefDefParser::lefSettings->FreeFunction = nullptr;
  }
  TrackedHeap(const TrackedHeap&) = delete;
  TrackedHeap& operator=(const TrackedHeap&) = delete;

  int liveBlocks() const { return static_cast<int>(state().live.size()); }
  int foreignFrees() const { return state().foreignFrees; }
  // Sizes of the blocks taken since the last call.
  std::vector<int> takeSizes() {
    std::vector<int> sizes;
    sizes.swap(state().sizes);
    return sizes;
  }

 private:
  static const int kOffset = 16;
  struct State {
    std::map<void*, int> live;
    std::vector<int> sizes;
    int foreignFrees = 0;
  };
  static State& state() {
    static State s;
    return s;
  }
  static void* alloc(int size) {
    char* p = static_cast<char*>(malloc(size + kOffset)) + kOffset;
    state().live[p] = size;
    state().sizes.push_back(size);
    return p;
  }
  static void release(void* p) {
    auto it = state().live.find(p);
    if (it == state().live.end()) {
      state().foreignFrees++;
      return;
    }
    state().live.erase(it);
    free(static_cast<char*>(p) - kOffset);
  }
};

}  // namespace lefTest

#endif
