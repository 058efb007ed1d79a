#include "eval/records.h"

#include <iostream>

namespace velmor {

void RouteLayer::addTrack(char letter, int start, int num, int step) {
  const Track t{start, num, step};
  if (letter == direction) {
    preferTracks.push_back(t);
    preferStart = start, preferNum = num, preferStep = step;
  } else {
    wrongTracks.push_back(t);
    wrongStart = start, wrongNum = num, wrongStep = step;
  }
}

void RouteLayer::report() const {
  std::cout << name << " (" << direction << ") p" << pitchX << "," << pitchY << " w" << width << " s"
            << spacing << " a" << area << " prefer: srt" << preferStart << " stp" << preferStep << " num"
            << preferNum << " wrong: srt" << wrongStart << " stp" << wrongStep << " num" << wrongNum
            << std::endl;
}

void Pin::addShape(const Shape& s) {
  shapes.push_back(s);
  bbox.cover(s.box());
}

}  // namespace velmor
