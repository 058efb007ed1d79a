#include "def/defrSettings.h"

#include <algorithm>
#include <cstring>

#include "def_parser.hpp"

namespace LefDefParser {

defrSettings::defrSettings() {
  std::fill(std::begin(warningLimit), std::end(warningLimit), 999);
  init_symbol_table();
}

void defrSettings::init_symbol_table() {
#define DEF_KEYWORD(token, text) Keyword_set.emplace(text, token);
#define DEF_VALUE(token, member)
#define DEF_TOKEN(token)
#include "def/def_tokens.def"
#undef DEF_KEYWORD
#undef DEF_VALUE
#undef DEF_TOKEN
  keywordIndex.clear();
  keywordMaxLen = 0;
  for (const auto& entry : Keyword_set) {
    keywordIndex.push_back({entry.first, entry.second});
    keywordMaxLen = std::max(keywordMaxLen, keywordIndex.back().text.size());
  }
  auto slot = [](std::string_view text) {
    return text.size() * 26 + static_cast<size_t>(text[0] - 'A');
  };
  std::sort(keywordIndex.begin(), keywordIndex.end(),
            [&](const KeywordEntry& a, const KeywordEntry& b) {
              return slot(a.text) < slot(b.text);
            });
  keywordRange.assign((keywordMaxLen + 1) * 26 + 1, 0);
  for (const KeywordEntry& k : keywordIndex) keywordRange[slot(k.text) + 1]++;
  for (size_t i = 1; i < keywordRange.size(); i++) keywordRange[i] += keywordRange[i - 1];
}

int defrSettings::keywordToken(const char* upper) const {
  if (*upper < 'A' || *upper > 'Z') return 0;
  const size_t len = strnlen(upper, keywordMaxLen + 1);
  if (len > keywordMaxLen) return 0;
  const size_t at = len * 26 + static_cast<size_t>(*upper - 'A');
  for (int i = keywordRange[at]; i < keywordRange[at + 1]; i++) {
    if (memcmp(keywordIndex[i].text.data(), upper, len) == 0) return keywordIndex[i].token;
  }
  return 0;
}

bool defrSettings::isDisabled(int msgNum) const {
  return std::find(disabledMsgs.begin(), disabledMsgs.end(), msgNum) != disabledMsgs.end();
}

int defrSettings::msgLimit(int msgNum) const {
  return msgNum >= defrMsgFirst && msgNum <= defrMsgLast ? MsgLimit[msgNum - defrMsgFirst] : 0;
}

}  // namespace LefDefParser
