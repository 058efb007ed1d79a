// One PROPERTYDEFINITIONS entry: object type, name, data type, optional
// range, number or string.
#ifndef VELMOR_LEF_LEFIPROP_H
#define VELMOR_LEF_LEFIPROP_H

#include <cstdio>

namespace LefDefParser {

class lefiProp {
 public:
  lefiProp();
  ~lefiProp();
  lefiProp(const lefiProp&) = delete;
  lefiProp& operator=(const lefiProp&) = delete;

  void Init();
  void Destroy();
  void clear();

  // The object type is the caller's text, kept by pointer.
  void setPropType(const char* typ, const char* name);
  void setRange(double left, double right);
  void setNumber(double num);
  void setPropInteger() { dataType_ = 'I'; }
  void setPropReal() { dataType_ = 'R'; }
  void setPropString() { dataType_ = 'S'; }
  void setPropQString(const char* string);
  void setPropNameMapString(const char* string);

  // Replace a buffer by an empty one of exactly size bytes.
  void bumpSize(int size);
  void bumpName(int size);

  const char* string() const { return stringData_; }
  const char* propType() const { return propType_; }
  const char* propName() const { return propName_; }
  char dataType() const { return dataType_; }
  int hasNumber() const { return hasNumber_; }
  int hasRange() const { return hasRange_; }
  int hasString() const { return stringData_[0] ? 1 : 0; }
  int hasNameMapString() const { return hasNameMapString_; }
  double number() const { return number_; }
  double left() const { return left_; }
  double right() const { return right_; }

  void print(FILE* f) const;

 private:
  void setString(const char* string);

  const char* propType_;
  char* propName_;
  int nameSize_;
  char hasRange_;
  char hasNumber_;
  char hasNameMapString_;
  char dataType_;
  char* stringData_;
  int stringLength_;
  double left_;
  double right_;
  double number_;
};

}  // namespace LefDefParser

#endif
