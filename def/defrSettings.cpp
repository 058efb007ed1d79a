#include "def/defrSettings.h"

#include <algorithm>

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
  keywordIndex.reserve(Keyword_set.size() * 2);
  for (const auto& entry : Keyword_set) keywordIndex.emplace(entry.first, entry.second);
}

int defrSettings::keywordToken(const char* upper) const {
  auto it = keywordIndex.find(upper);
  return it == keywordIndex.end() ? 0 : it->second;
}

bool defrSettings::isDisabled(int msgNum) const {
  return std::find(disabledMsgs.begin(), disabledMsgs.end(), msgNum) != disabledMsgs.end();
}

int defrSettings::msgLimit(int msgNum) const {
  return msgNum >= defrMsgFirst && msgNum <= defrMsgLast ? MsgLimit[msgNum - defrMsgFirst] : 0;
}

}  // namespace LefDefParser
