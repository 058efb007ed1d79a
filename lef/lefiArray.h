// One ARRAY statement with its site, track and GCell patterns, DEFAULTCAP
// table and floor plans. Indexed accessors do not check their index: the
// caller keeps to the counts.
#ifndef VELMOR_LEF_LEFIARRAY_H
#define VELMOR_LEF_LEFIARRAY_H

#include <cstdio>

#include "lef/lefiMisc.h"
#include "lef/lefiUtil.h"

namespace LefDefParser {

// A named list of typed site patterns ("CANPLACE", "CANNOTOCCUPY").
class lefiArrayFloorPlan {
 public:
  // Set up by Init(name), as the name is part of every plan.
  lefiArrayFloorPlan() : numPatterns_(0), patternsAllocated_(0), types_(nullptr),
                         patterns_(nullptr), name_(nullptr) {}
  ~lefiArrayFloorPlan() { Destroy(); }
  lefiArrayFloorPlan(const lefiArrayFloorPlan&) = delete;
  lefiArrayFloorPlan& operator=(const lefiArrayFloorPlan&) = delete;

  void Init(const char* name);
  void Destroy();
  // Takes over s; the type text is copied as passed.
  void addSitePattern(const char* typ, lefiSitePattern* s);

  int numPatterns() const { return numPatterns_; }
  lefiSitePattern* pattern(int index) const { return patterns_[index]; }
  char* typ(int index) const { return types_[index]; }
  const char* name() const { return name_; }

 private:
  int numPatterns_;
  int patternsAllocated_;
  char** types_;
  lefiSitePattern** patterns_;
  char* name_;
};

class lefiArray {
 public:
  lefiArray();
  ~lefiArray();
  lefiArray(const lefiArray&) = delete;
  lefiArray& operator=(const lefiArray&) = delete;

  void Init();
  void Destroy();
  // Releases every pattern and floor plan; the name and capacities stay.
  void clear();

  void setName(const char* name);
  // Each add takes over the pattern.
  void addSitePattern(lefiSitePattern* s) { site_.add(s); }
  void addCanPlace(lefiSitePattern* s) { canPlace_.add(s); }
  void addCannotOccupy(lefiSitePattern* s) { cannotOccupy_.add(s); }
  void addTrack(lefiTrackPattern* t) { track_.add(t); }
  void addGcell(lefiGcellPattern* g) { gcell_.add(g); }
  void setTableSize(int tsize);
  void addDefaultCap(int minPins, double cap);
  void addFloorPlan(const char* name);
  // Goes to the floor plan added last; nothing without one.
  void addSiteToFloorPlan(const char* typ, lefiSitePattern* s);

  const char* name() const { return name_; }
  int numSitePattern() const { return site_.num; }
  int numCanPlace() const { return canPlace_.num; }
  int numCannotOccupy() const { return cannotOccupy_.num; }
  int numTrack() const { return track_.num; }
  int numGcell() const { return gcell_.num; }
  lefiSitePattern* sitePattern(int index) const { return site_.items[index]; }
  lefiSitePattern* canPlace(int index) const { return canPlace_.items[index]; }
  lefiSitePattern* cannotOccupy(int index) const { return cannotOccupy_.items[index]; }
  lefiTrackPattern* track(int index) const { return track_.items[index]; }
  lefiGcellPattern* gcell(int index) const { return gcell_.items[index]; }

  int hasDefaultCap() const { return hasDefaultCap_; }
  int tableSize() const { return tableSize_; }
  int numDefaultCaps() const { return numDefaultCaps_; }
  int defaultCapMinPins(int index) const { return minPins_[index]; }
  double defaultCap(int index) const { return caps_[index]; }

  int numFloorPlans() const { return floors_.num; }
  const char* floorPlanName(int index) const { return floors_.items[index]->name(); }
  int numSites(int index) const { return floors_.items[index]->numPatterns(); }
  const char* siteType(int index, int j) const { return floors_.items[index]->typ(j); }
  lefiSitePattern* site(int index, int j) const { return floors_.items[index]->pattern(j); }

  void print(FILE* f) const;

 private:
  int nameSize_;
  char* name_;
  lefiPtrList<lefiSitePattern> site_;
  lefiPtrList<lefiSitePattern> canPlace_;
  lefiPtrList<lefiSitePattern> cannotOccupy_;
  lefiPtrList<lefiTrackPattern> track_;
  lefiPtrList<lefiGcellPattern> gcell_;
  int hasDefaultCap_;
  int tableSize_;
  int numDefaultCaps_;
  int defaultCapsAllocated_;
  int* minPins_;
  double* caps_;
  lefiPtrList<lefiArrayFloorPlan> floors_;
};

}  // namespace LefDefParser

#endif
