#include "eval/guidesweep.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace velmor {

namespace {

// Guide counts over the slots of one axis, where slot 2i is the i-th edge
// value and slot 2i+1 the open stretch after it: a guide from edge a to edge
// b covers slots 2a..2b, so guides that only touch share a slot.
class SlotCounts {
 public:
  // Few slots are kept as plain counts and scanned; more in a tree of sums.
  void reset(int slots) {
    size_ = 1;
    while (size_ <= slots) size_ *= 2;  // keeps an uncovered slot past the end
    flat_ = size_ <= kFlat;
    add_.assign(flat_ ? size_ : 2 * size_, 0);
    if (flat_) return;
    min_.assign(2 * size_, 0);
    max_.assign(2 * size_, 0);
  }
  void add(int lo, int hi, int d) {
    if (!flat_) return add(1, 0, size_ - 1, lo, hi, d);
    for (int p = lo; p <= hi; ++p) add_[p] += d;
  }
  // The first covered slot in from..to, or to + 1.
  int firstCovered(int from, int to) const {
    if (flat_) {
      while (from <= to && add_[from] == 0) ++from;
      return from;
    }
    const int p = first(1, 0, size_ - 1, from, 0, true);
    return p < 0 || p > to ? to + 1 : p;
  }
  // The covered run that holds the covered slot p.
  std::pair<int, int> runAt(int p) const {
    if (!flat_) return {last(1, 0, size_ - 1, p, 0) + 1, first(1, 0, size_ - 1, p, 0, false) - 1};
    int lo = p, hi = p;
    while (lo > 0 && add_[lo - 1] > 0) --lo;
    while (add_[hi + 1] > 0) ++hi;
    return {lo, hi};
  }

 private:
  // min_ and max_ of a node include its own pending add_, not its parents'.
  void add(int node, int nl, int nr, int lo, int hi, int d) {
    if (hi < nl || nr < lo) return;
    if (lo <= nl && nr <= hi) {
      add_[node] += d, min_[node] += d, max_[node] += d;
      return;
    }
    const int mid = (nl + nr) / 2;
    add(2 * node, nl, mid, lo, hi, d);
    add(2 * node + 1, mid + 1, nr, lo, hi, d);
    min_[node] = add_[node] + std::min(min_[2 * node], min_[2 * node + 1]);
    max_[node] = add_[node] + std::max(max_[2 * node], max_[2 * node + 1]);
  }
  // The first slot from `from` on that is covered (or uncovered), or -1.
  int first(int node, int nl, int nr, int from, int above, bool covered) const {
    if (nr < from || (covered ? max_[node] + above == 0 : min_[node] + above > 0)) return -1;
    if (nl == nr) return nl;
    const int mid = (nl + nr) / 2, down = above + add_[node];
    const int p = first(2 * node, nl, mid, from, down, covered);
    return p >= 0 ? p : first(2 * node + 1, mid + 1, nr, from, down, covered);
  }
  // The last uncovered slot up to `upTo`, or -1.
  int last(int node, int nl, int nr, int upTo, int above) const {
    if (nl > upTo || min_[node] + above > 0) return -1;
    if (nl == nr) return nl;
    const int mid = (nl + nr) / 2, down = above + add_[node];
    const int p = last(2 * node + 1, mid + 1, nr, upTo, down);
    return p >= 0 ? p : last(2 * node, nl, mid, upTo, down);
  }

  static constexpr int kFlat = 64;
  int size_ = 1;
  bool flat_ = true;
  std::vector<int> add_, min_, max_;
};

// The sweep of mergeGuides; keeps its buffers between calls.
class StripSweep {
 public:
  void run(const std::vector<Shape>& guides, const ShapeAxis& ax, std::vector<Shape>& out) {
    ax_ = &ax;
    out_ = &out;
    layer_ = guides.front().layer;
    out.clear();
    out.reserve(guides.size());
    edges_.clear();
    for (const Shape& s : guides) edges_.insert(edges_.end(), {s.*ax.lo, s.*ax.hi});
    std::sort(edges_.begin(), edges_.end());
    edges_.erase(std::unique(edges_.begin(), edges_.end()), edges_.end());
    auto slot = [&](int v) {
      return 2 * static_cast<int>(std::lower_bound(edges_.begin(), edges_.end(), v) - edges_.begin());
    };
    events_.clear();
    for (const Shape& s : guides) {
      const int lo = slot(s.*ax.lo), hi = slot(s.*ax.hi);
      if (s.*ax.acrossLo == s.*ax.acrossHi) {
        events_.push_back({s.*ax.acrossLo, 0, lo, hi});
      } else {
        events_.push_back({s.*ax.acrossLo, 1, lo, hi});
        events_.push_back({s.*ax.acrossHi, -1, lo, hi});
      }
    }
    std::sort(events_.begin(), events_.end());
    const int slots = 2 * static_cast<int>(edges_.size()) - 1;
    counts_.reset(slots);
    startAt_.assign(slots, 0);
    for (std::size_t first = 0, last; first < events_.size(); first = last) {
      for (last = first; last < events_.size() && events_[last].at == events_[first].at;) ++last;
      step(first, last);
    }
    std::sort(out.begin(), out.end(), [&ax](const Shape& a, const Shape& b) {
      return std::tie(a.*ax.acrossLo, a.*ax.lo, a.*ax.acrossHi, a.*ax.hi) <
             std::tie(b.*ax.acrossLo, b.*ax.lo, b.*ax.acrossHi, b.*ax.hi);
    });
  }

 private:
  struct Event {
    int at, d, lo, hi;  // d: +1 opens, -1 closes, 0 a guide of zero extent across
    bool operator<(const Event& o) const { return std::tie(at, d, lo, hi) < std::tie(o.at, o.d, o.lo, o.hi); }
  };
  using Run = std::pair<int, int>;

  // The sorted events at one edge across: runs that the changes leave as
  // they were go on, the others end here and their replacements begin.
  void step(std::size_t first, std::size_t last) {
    const int at = events_[first].at;
    lines_.clear();
    windows_.clear();
    for (std::size_t e = first; e < last; ++e) {
      const Event& ev = events_[e];
      if (ev.d == 0)
        join(lines_, {ev.lo, ev.hi});
      else
        windows_.emplace_back(ev.lo, ev.hi);
    }
    std::sort(windows_.begin(), windows_.end());
    std::size_t joined = 0;
    for (const Run& w : windows_) {
      if (joined && w.first <= windows_[joined - 1].second + 1)
        windows_[joined - 1].second = std::max(windows_[joined - 1].second, w.second);
      else
        windows_[joined++] = w;
    }
    windows_.resize(joined);
    runsIn(before_);
    dropStacked();
    for (std::size_t e = first; e < last; ++e)
      if (events_[e].d != 0) counts_.add(events_[e].lo, events_[e].hi, events_[e].d);
    runsIn(after_);
    dropStacked();
    std::size_t i = 0, j = 0;
    while (i < before_.size() || j < after_.size()) {
      const bool ends = j == after_.size() || (i < before_.size() && before_[i].first <= after_[j].first);
      const bool starts = i == before_.size() || (j < after_.size() && after_[j].first <= before_[i].first);
      if (ends && starts && before_[i] == after_[j]) {
        ++i, ++j;
        continue;
      }
      if (ends) emit(before_[i], startAt_[before_[i].first], at), ++i;
      if (starts) startAt_[after_[j].first] = at, ++j;
    }
    for (const Run& r : lines_) emit(r, at, at);
  }

  // Appends a run, joining it to the last one when the two share a slot.
  static void join(std::vector<Run>& runs, Run r) {
    if (!runs.empty() && r.first <= runs.back().second)
      runs.back().second = std::max(runs.back().second, r.second);
    else
      runs.push_back(r);
  }

  // The covered runs that reach into the windows, in order.
  void runsIn(std::vector<Run>& runs) const {
    runs.clear();
    for (const Run& w : windows_) {
      for (int p = counts_.firstCovered(w.first, w.second); p <= w.second;) {
        const Run r = counts_.runAt(p);
        if (runs.empty() || runs.back() != r) runs.push_back(r);
        p = counts_.firstCovered(r.second + 1, w.second);
      }
    }
  }

  // A run of a zero-extent row joins a stack of the same run that reaches it.
  void dropStacked() {
    auto stacked = [&](const Run& r) {
      return counts_.firstCovered(r.first, r.first) == r.first && counts_.runAt(r.first) == r;
    };
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(), stacked), lines_.end());
  }

  void emit(const Run& r, int from, int to) {
    Shape s;
    s.*ax_->lo = edges_[r.first / 2];
    s.*ax_->hi = edges_[r.second / 2];
    s.*ax_->acrossLo = from;
    s.*ax_->acrossHi = to;
    s.layer = layer_;
    out_->push_back(s);
  }

  const ShapeAxis* ax_ = nullptr;
  std::vector<Shape>* out_ = nullptr;
  unsigned char layer_ = 0;
  std::vector<int> edges_, startAt_;
  std::vector<Event> events_;
  std::vector<Run> lines_, windows_, before_, after_;
  SlotCounts counts_;
};

}  // namespace

void mergeGuides(const std::vector<Shape>& guides, const ShapeAxis& ax, std::vector<Shape>& out) {
  thread_local StripSweep sweep;  // one per worker
  sweep.run(guides, ax, out);
}

}  // namespace velmor
