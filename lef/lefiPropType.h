// Table from property name to data-type letter, one per object kind of
// PROPERTYDEFINITIONS. It lives in the reader settings and uses the plain
// heap, so the caller's allocation hooks never see it.
#ifndef VELMOR_LEF_LEFIPROPTYPE_H
#define VELMOR_LEF_LEFIPROPTYPE_H

namespace LefDefParser {

class lefiPropType {
 public:
  lefiPropType();
  ~lefiPropType();
  lefiPropType(const lefiPropType&) = delete;
  lefiPropType& operator=(const lefiPropType&) = delete;

  void Init();
  void Destroy();
  void Clear();

  void setPropType(const char* name, char type);
  void bumpProps();
  // 'N' when the name is null or was never defined.
  char propType(const char* name) const;

 private:
  int numProperties_;
  int propertiesAllocated_;
  char** propNames_;
  char* propTypes_;
};

}  // namespace LefDefParser

#endif
