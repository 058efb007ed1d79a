// Name-to-type table of the property definitions of one object type.
#ifndef DEFI_PROPTYPE_H
#define DEFI_PROPTYPE_H

namespace LefDefParser {

class defiPropType {
 public:
  defiPropType();
  ~defiPropType();
  defiPropType(const defiPropType&) = delete;
  defiPropType& operator=(const defiPropType&) = delete;

  void Init();
  void Destroy();
  void Clear();

  void setPropType(const char* name, char type);
  // Type of the first definition named exactly `name`; 'N' when none.
  char propType(const char* name) const;

 private:
  int numProperties_ = 0;
  int propertiesAllocated_ = 0;
  char** propNames_ = nullptr;
  char* propTypes_ = nullptr;
};

}  // namespace LefDefParser

#endif
