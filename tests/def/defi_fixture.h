// A per-read state of its own for data-model tests, with the error sink
// captured so tests can compare exact message texts.
#ifndef DEFI_FIXTURE_H
#define DEFI_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "def/defrCallbacks.h"
#include "def/defrData.h"
#include "def/defrReader.h"
#include "def/defrSettings.h"

class DefiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    errors().clear();
    settings_.ErrorLogFunction = &DefiTest::capture;
    data_ = std::make_unique<LefDefParser::defrData>(&callbacks_, &settings_, &session_);
  }

  // Names fold to upper case, as in a file before 5.6.
  void caseInsensitive() { data_->names_case_sensitive = 0; }

  LefDefParser::defrData* data() { return data_.get(); }
  static std::vector<std::string>& errors() {
    static std::vector<std::string> texts;
    return texts;
  }

  // What `print` writes, as a string.
  template <class T>
  static std::string printed(const T& record) {
    FILE* f = tmpfile();
    record.print(f);
    std::string out(static_cast<size_t>(ftell(f)), '\0');
    rewind(f);
    size_t got = fread(&out[0], 1, out.size(), f);
    fclose(f);
    out.resize(got);
    return out;
  }

  LefDefParser::defrSettings settings_;
  LefDefParser::defrCallbacks callbacks_;
  LefDefParser::defrSession session_;
  std::unique_ptr<LefDefParser::defrData> data_;

 private:
  static void capture(const char* text) { errors().push_back(text); }
};

#endif
