#pragma once

#include "eval/db.h"
#include "eval/setting.h"

// The singletons live for the whole test run; each test starts from fresh ones.
inline velmor::Database& freshDatabase() {
  *velmor::Database::get() = velmor::Database();
  return *velmor::Database::get();
}

inline velmor::Setting& freshSetting() {
  *velmor::Setting::get() = velmor::Setting();
  return *velmor::Setting::get();
}
