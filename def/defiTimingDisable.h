// One TIMINGDISABLES rule: a timing arc, a pin or a macro's arc to ignore, or the
// reentrant-paths switch.
#ifndef DEFI_TIMINGDISABLE_H
#define DEFI_TIMINGDISABLE_H

#include <cstdio>

#include "def/defiUtil.h"

namespace LefDefParser {

class defiTimingDisable {
 public:
  explicit defiTimingDisable(defrData* data);
  ~defiTimingDisable();
  DEFI_NO_COPY(defiTimingDisable);

  void Init();
  void Destroy();
  // Only the flags: the names stay until a setter overwrites them.
  void clear();

  void setFromTo(const char* fromInst, const char* fromPin, const char* toInst,
                 const char* toPin);
  void setThru(const char* inst, const char* pin);
  void setMacroFromTo(const char* fromPin, const char* toPin);
  void setMacroThru(const char* pin);
  // After setMacroFromTo or setMacroThru, which clear the record.
  void setMacro(const char* name);
  void setReentrantPathsFlag() { reentrantPaths_ = 1; }

  int hasFromTo() const { return fromTo_ && !macro_; }
  int hasThru() const { return thru_ && !macro_; }
  int hasMacroFromTo() const { return fromTo_ && macro_; }
  int hasMacroThru() const { return thru_ && macro_; }
  int hasReentrantPathsFlag() const { return reentrantPaths_; }
  // The macro name and the THRU instance share the from-instance text, the THRU pin
  // the from-pin text.
  const char* fromInst() const { return fromInst_; }
  const char* fromPin() const { return fromPin_; }
  const char* toInst() const { return toInst_; }
  const char* toPin() const { return toPin_; }
  const char* thruInst() const { return fromInst_; }
  const char* thruPin() const { return fromPin_; }
  const char* macroName() const { return fromInst_; }
  void print(FILE* f) const;

 private:
  char* fromInst_ = nullptr;
  int fromInstLength_ = 0;
  char* toInst_ = nullptr;
  int toInstLength_ = 0;
  char* fromPin_ = nullptr;
  int fromPinLength_ = 0;
  char* toPin_ = nullptr;
  int toPinLength_ = 0;
  int fromTo_ = 0, thru_ = 0, macro_ = 0, reentrantPaths_ = 0;
  defrData* defData_;
};

}  // namespace LefDefParser

#endif
