// One PROPERTYDEFINITIONS entry, and one PINPROPERTIES entry.
#ifndef DEFI_PROP_H
#define DEFI_PROP_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiProp {
 public:
  explicit defiProp(defrData* data);
  ~defiProp();
  DEFI_NO_COPY(defiProp);

  void Init();
  void Destroy();
  void clear();

  // `typ` is kept as given (the caller's text), not copied.
  void setPropType(const char* typ, const char* string);
  void setRange(double left, double right);
  void setNumber(double num);
  void setPropInteger() { dataType_ = 'I'; }
  void setPropReal() { dataType_ = 'R'; }
  void setPropString() { dataType_ = 'S'; }
  void setPropQString(const char* string);
  void setPropNameMapString(const char* string);

  const char* string() const { return stringData_; }
  const char* propType() const { return propType_; }
  const char* propName() const { return propName_; }
  char dataType() const { return dataType_; }
  int hasNumber() const { return hasNumber_; }
  int hasRange() const { return hasRange_; }
  int hasString() const { return stringData_ && *stringData_ ? 1 : 0; }
  int hasNameMapString() const { return hasNameMapString_; }
  double number() const { return d_; }
  double left() const { return left_; }
  double right() const { return right_; }
  void print(FILE* f) const;

 private:
  const char* propType_ = nullptr;
  char* propName_ = nullptr;
  int nameSize_ = 0;
  char hasRange_ = 0;
  char hasNumber_ = 0;
  char hasNameMapString_ = 0;
  char dataType_ = 'B';
  char* stringData_ = nullptr;
  int stringLength_ = 0;
  double left_ = 0, right_ = 0;
  double d_ = 0;
  defrData* defData_;
};

class defiPinProp {
 public:
  explicit defiPinProp(defrData* data);
  ~defiPinProp();
  DEFI_NO_COPY(defiPinProp);

  void Init();
  void Destroy();
  void clear();

  // An instance named "PIN" or "pin" marks a pin of the design itself.
  void setName(const char* inst, const char* pin);
  DEFI_PROPERTY_ACCESSORS(propCheck())

  int isPin() const { return isPin_; }
  const char* instName() const { return instName_; }
  const char* pinName() const { return pinName_; }
  void print(FILE* f) const;

 private:
  static defiIndexCheck propCheck();

  char isPin_ = 0;
  int instNameSize_ = 0;
  char* instName_ = nullptr;
  int pinNameSize_ = 0;
  char* pinName_ = nullptr;
  defiPropList props_;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
