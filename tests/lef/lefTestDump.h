// Captures a data object's debug dump as a string.
#ifndef VELMOR_TESTS_LEF_LEFTESTDUMP_H
#define VELMOR_TESTS_LEF_LEFTESTDUMP_H

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lefTest {

template <class T>
std::string dump(const T& obj) {
  char* buf = nullptr;
  size_t len = 0;
  FILE* f = open_memstream(&buf, &len);
  obj.print(f);
  fclose(f);
  std::string out(buf, len);
  free(buf);
  return out;
}

}  // namespace lefTest

#endif
