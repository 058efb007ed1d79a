#include "eval/db.h"

namespace velmor {

Database* Database::_instance = nullptr;

namespace {

// Names map to the first record of that name.
template <typename Record, typename Index>
Record& append(std::vector<Record>& list, std::unordered_map<std::string, Index>& map,
               const std::string& name) {
  list.emplace_back(name);
  map.emplace(name, static_cast<Index>(list.size() - 1));
  return list.back();
}

}  // namespace

Database::Database() {
  constexpr std::size_t kStartBuckets = 10;
  for (auto* m : {&routeLayerMap, &cutLayerMap}) m->reserve(kStartBuckets);
  for (auto* m : {&macroMap, &viaMap, &instanceMap, &netMap}) m->reserve(kStartBuckets);
}

Database* Database::get() {
  if (!_instance) _instance = new Database();
  return _instance;
}

RouteLayer* Database::addRouteLayer(const std::string& name) {
  if (routeLayers.size() >= kNoLayer) return nullptr;
  return &append(routeLayers, routeLayerMap, name);
}

CutLayer* Database::addCutLayer(const std::string& name) {
  if (cutLayers.size() >= kNoLayer) return nullptr;
  return &append(cutLayers, cutLayerMap, name);
}

Macro& Database::addMacro(const std::string& name) { return append(macros, macroMap, name); }
Via& Database::addVia(const std::string& name) { return append(vias, viaMap, name); }
Instance& Database::addInstance(const std::string& name) { return append(instances, instanceMap, name); }
Net& Database::addNet(const std::string& name) { return append(nets, netMap, name); }

Row& Database::addRow(const std::string& name) {
  rows.emplace_back(name);
  return rows.back();
}

int Database::net(const std::string& name) {
  const Database* db = get();
  const auto it = db->netMap.find(name);
  return it == db->netMap.end() ? -1 : static_cast<int>(it->second);
}

}  // namespace velmor
