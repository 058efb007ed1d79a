#include "lef/lefiProp.h"

#include <cstring>

#include "lef/lefiUtil.h"

namespace LefDefParser {

namespace {

void replaceBuf(char*& buf, int& capacity, int size) {
  lefiFreeStr(buf);
  buf = static_cast<char*>(lefMalloc(size));
  buf[0] = '\0';
  capacity = size;
}

}  // namespace

lefiProp::lefiProp()
    : propType_(nullptr),
      propName_(nullptr),
      nameSize_(0),
      hasRange_(0),
      hasNumber_(0),
      hasNameMapString_(0),
      dataType_('B'),
      stringData_(nullptr),
      stringLength_(0),
      left_(0.0),
      right_(0.0),
      number_(0.0) {
  Init();
}

lefiProp::~lefiProp() { Destroy(); }

void lefiProp::Init() {
  replaceBuf(stringData_, stringLength_, 16);
  replaceBuf(propName_, nameSize_, 16);
  clear();
}

void lefiProp::Destroy() {
  lefiFreeStr(stringData_);
  lefiFreeStr(propName_);
  stringLength_ = 0;
  nameSize_ = 0;
}

void lefiProp::clear() {
  if (stringData_) stringData_[0] = '\0';
  if (propName_) propName_[0] = '\0';
  propType_ = nullptr;
  hasRange_ = 0;
  hasNumber_ = 0;
  hasNameMapString_ = 0;
  dataType_ = 'B';
  left_ = right_ = number_ = 0.0;
}

void lefiProp::bumpSize(int size) { replaceBuf(stringData_, stringLength_, size); }

void lefiProp::bumpName(int size) { replaceBuf(propName_, nameSize_, size); }

void lefiProp::setPropType(const char* typ, const char* name) {
  int len = static_cast<int>(strlen(name)) + 1;
  if (len > nameSize_) bumpName(len);
  strcpy(propName_, CASE(name));
  propType_ = typ;
}

void lefiProp::setRange(double left, double right) {
  hasRange_ = 1;
  left_ = left;
  right_ = right;
}

void lefiProp::setNumber(double num) {
  hasNumber_ = 1;
  number_ = num;
}

void lefiProp::setString(const char* string) {
  int len = static_cast<int>(strlen(string)) + 1;
  if (len > stringLength_) bumpSize(len);
  strcpy(stringData_, CASE(string));
}

void lefiProp::setPropQString(const char* string) {
  dataType_ = 'Q';
  setString(string);
}

void lefiProp::setPropNameMapString(const char* string) {
  dataType_ = 'N';
  hasNameMapString_ = 1;
  setString(string);
}

void lefiProp::print(FILE* f) const {
  fprintf(f, "Prop type '%s'\n", propType_ ? propType_ : "");
  if (hasString()) fprintf(f, "  string '%s'\n", stringData_);
  if (hasNumber()) fprintf(f, "  number %5.2f\n", number_);
  if (hasRange()) fprintf(f, "  range %5.2f - %5.2f\n", left_, right_);
}

}  // namespace LefDefParser
