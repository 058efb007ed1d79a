#pragma once

#include <string>

#include "eval/db.h"

// Conversions and name lookups shared by the LEF and DEF imports.

namespace velmor {

// Truncates toward zero; values outside the int range (and NaN, as 0) are
// clamped rather than left to an undefined conversion.
int truncToInt(double v);

// A LEF length in microns in database units: v * f rounded, halves away from
// zero.
int lefLength(double v, double f);
// A LEF area in square microns: (a * f) * f rounded.
int lefArea(double a, double f);

// The readers' user data: the Database the read fills.
inline Database& userDatabase(void* userData) { return *static_cast<Database*>(userData); }

// Exact comparison; a null text equals nothing.
bool sameText(const char* text, const char* word);

// The index a name map holds for name, or none. Lookups reuse one key, so
// the many layer and via names of a DEF net cost no allocation each.
template <class Map>
typename Map::mapped_type nameIndex(const Map& map, const char* name, typename Map::mapped_type none) {
  static std::string key;
  key.assign(name ? name : "");
  const auto it = map.find(key);
  return it == map.end() ? none : it->second;
}

inline unsigned char routeLayerIndex(const Database& db, const char* name) {
  return nameIndex(db.routeLayerMap, name, kNoLayer);
}

inline unsigned char cutLayerIndex(const Database& db, const char* name) {
  return nameIndex(db.cutLayerMap, name, kNoLayer);
}

}  // namespace velmor
