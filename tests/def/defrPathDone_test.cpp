// Hand-over of a finished routing path: to the subnet, the shield or the net's wire when
// paths are kept with nets, else to the path callback.
#include <gtest/gtest.h>

#include <string>

#include "def/defrData.h"
#include "def/defrReader.h"
#include "sections_fixture.h"

using namespace LefDefParser;

namespace {

int netCbk(defrCallbackType_e, defiNet*, void*) { return 0; }

std::string pathSeen;
int pathCalls = 0;
int pathCbk(defrCallbackType_e type, defiPath* path, void*) {
  pathCalls++;
  pathSeen = std::to_string(type) + " " + sections::describe(*path);
  return 1;  // ignored: a path callback cannot stop the read
}

class PathDone : public ::testing::Test {
protected:
  defrSettings settings;
  defrCallbacks callbacks;
  defrSession session;
  std::unique_ptr<defrData> data;

  void start() {
    data.reset(new defrData(&callbacks, &settings, &session));
    data->Path.Init();
    data->Net.setName("n1");
  }

  void buildPath(const char* layer, int x, int y) {
    data->Path.addLayer(layer);
    data->Path.addPoint(x, y);
  }
};

TEST_F(PathDone, KeptInTheNetsWire) {
  callbacks.NetCbk = netCbk;
  settings.AddPathToNet = 1;
  start();
  data->Net.addWire("ROUTED", nullptr);
  int need = 0;
  buildPath("M1", 0, 0);
  data->pathIsDone(0, 0, 0, &need);
  buildPath("M2", 5, 5);
  data->pathIsDone(0, 0, 0, &need);
  EXPECT_EQ(sections::describe(data->Net), "NET n1 WIRE ROUTED { L:M1 P:0,0 } { L:M2 P:5,5 }");
  EXPECT_EQ(data->Path.numElements(), 0);  // ready for the next path
}

TEST_F(PathDone, KeptInTheShield) {
  callbacks.SNetCbk = netCbk;
  settings.AddPathToNet = 1;
  start();
  data->Net.addShield("VSS");
  int need = 0;
  buildPath("M3", 1, 1);
  data->pathIsDone(1, 0, 1, &need);
  EXPECT_EQ(sections::describe(data->Net), "NET n1 SHIELD VSS { L:M3 P:1,1 }");
}

TEST_F(PathDone, KeptInTheSubnetBeingRead) {
  callbacks.NetCbk = netCbk;
  settings.AddPathToNet = 1;
  start();
  data->Subnet.reset(new defiSubnet(data.get()));
  data->Subnet->setName("s1");
  data->Subnet->addWire("ROUTED");
  int need = 0;
  buildPath("M4", 2, 2);
  data->pathIsDone(0, 0, 0, &need);
  EXPECT_EQ(sections::wires(*data->Subnet), " WIRE ROUTED { L:M4 P:2,2 }");
  EXPECT_EQ(sections::describe(data->Net), "NET n1");
}

TEST_F(PathDone, HandedToThePathCallbackOtherwise) {
  // Without the add-path option the net callback does not keep paths.
  callbacks.NetCbk = netCbk;
  callbacks.PathCbk = pathCbk;
  pathCalls = 0;
  start();
  data->Net.addWire("ROUTED", nullptr);
  int need = 0;
  buildPath("M1", 7, 8);
  data->pathIsDone(0, 0, 0, &need);
  buildPath("M2", 9, 10);
  data->pathIsDone(0, 0, 0, &need);
  EXPECT_EQ(pathCalls, 2);
  EXPECT_EQ(pathSeen, "21 { L:M2 P:9,10 }");
  EXPECT_EQ(sections::describe(data->Net), "NET n1 WIRE ROUTED");
}

TEST(PathCollection, NeedsANetOrPathCallback) {
  defrClear();
  defrSetAddPathToNet();
  defrInit();
  char text[] = "VERSION 5.8 ;\nDESIGN d ;\nEND DESIGN\n";
  FILE* f = fmemopen(text, sizeof text - 1, "r");
  EXPECT_EQ(defrRead(f, "p.def", nullptr, 1), 0);
  fclose(f);
  EXPECT_EQ(defContext.data->collectPaths, 0);

  defrSetSNetCbk(netCbk);
  f = fmemopen(text, sizeof text - 1, "r");
  EXPECT_EQ(defrRead(f, "p.def", nullptr, 1), 0);
  fclose(f);
  EXPECT_EQ(defContext.data->collectPaths, 1);
  defrClear();
}

}  // namespace
