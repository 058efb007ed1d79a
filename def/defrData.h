// State of one defrRead: the data objects handed to the callbacks, the lexer's buffers
// and modes, the message counters, and the version and case rules of the file.
#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "def/defiComponent.h"
#include "def/defiMisc.h"
#include "def/defiNet.h"
#include "def/defiPath.h"
#include "def/defiPinCap.h"
#include "def/defiProp.h"
#include "def/defiRowTrack.h"
#include "def/defiVia.h"
#include "def/defrSettings.h"
// regions, groups, pin properties
#include "def/defiGroup.h"
#include "def/defiRegion.h"
// blockages, slots, fills
#include "def/defiBlockage.h"
#include "def/defiFill.h"
#include "def/defiSlot.h"
// non-default rules, styles, scan chains
#include "def/defiNonDefault.h"
#include "def/defiScanchain.h"
// assertions, constraints, I/O timings, timing disables
#include "def/defiAssertion.h"
#include "def/defiIOTiming.h"
#include "def/defiTimingDisable.h"
// floorplan constraints, partitions
#include "def/defiFPC.h"
#include "def/defiPartition.h"

union DEFYYSTYPE;

namespace LefDefParser {

class defrCallbacks;
class defrSession;

class defrData {
public:
  defrData(const defrCallbacks* callbacks, const defrSettings* settings, defrSession* session);
  ~defrData();
  defrData(const defrData&) = delete;
  defrData& operator=(const defrData&) = delete;

  // Messages; every text is the message body, the prefix and location are added here.
  void defError(int msgNum, const char* text);
  void defyyerror(const char* text);
  void defWarning(int msgNum, const char* text);
  void defInfo(int msgNum, const char* text);
  // Common sink of error texts; check 0 applies the total and per-message limits.
  void defiError(int check, int msgNum, const char* text);
  // 1 (after message 6011) when 21 or more errors were counted.
  int checkErrors();

  // Folded text in a buffer that the next call reuses: copy it before folding again.
  const char* upperCase(const char* text);
  const char* DEFCASE(const char* text);

  // Value checks: 1 use the value, 0 drop it, -1 drop it and end the read (too many errors).
  int defValidNum(int value);
  int validateMaskInput(int mask, int count, int limit);
  int validateMaskShiftInput(const char* shift, int count, int limit);
  double convert_defname2num(const char* version);
  static int numIsInt(const char* text);

  // Counts one message of a section; 1 while the counter was below the section's limit.
  int countWarning(defrWarningKind kind);

  int defyylex(DEFYYSTYPE* value);
  void pathIsDone(int shield, int reset, int netOsnet, int* needCbk);
  int defGetKeyword(const char* name, int* token) const;
  void addAlias(const char* name, const char* value, int marked);

  const defrCallbacks* callbacks;
  const defrSettings* settings;
  defrSession* session;

  // Message and log state.
  FILE* defrLog = nullptr;
  int defrLogOpened = 0;  // 1 opened, -1 failed: not retried in the same read
  int defiPrintedMsgs = 0;
  int errors = 0;
  int defWarnings = 0;
  int hasFatalError = 0;
  int defMsgCnt = 5500;
  int defMsgCounts[defrMsgCount] = {};
  int callbackResult = 0;

  // Lexer input and token buffers (each NUL-terminated, grown by doubling).
  FILE* File = nullptr;
  static constexpr size_t kBlock = 16384;
  char buffer[kBlock + 1] = {};  // a NUL after the bytes read ends every scan
  const char* next = buffer;
  const char* last = buffer;
  int first_buffer = 1;
  int inputEnded = 0;
  std::vector<char> deftoken;
  size_t tokenLen = 0;
  std::vector<char> pv_deftoken;
  std::vector<char> uc_token;
  std::vector<char> ring[10];
  int ringPlace = 0;
  struct defrAlias {
    std::string text;
    int marked = 0;  // the flag of defrAddAlias, kept beside the text
  };
  std::map<std::string, defrAlias> def_alias_set;
  // Alias texts being expanded, each with the offset of its unread rest.
  struct PendingAlias {
    std::string text;
    size_t pos = 0;
  };
  PendingAlias input_stack[20];
  int input_level = -1;
  size_t aliasBytes = 0;   // alias text expanded in this read
  size_t streamBytes = 0;  // bytes read from the stream
  int lexEnded = 0;  // after 6008 the grammar sees only the end of input
  std::string magic;

  // Lexer modes set by the grammar.
  int nlToken = 0;
  int defNonAsciiFlag = 0;
  int dumb_mode = 0;    // string-mode countdown: the next n words are names
  int no_num = 0;       // number-as-string countdown
  int real_num = 0;
  int by_is_keyword = 0;
  int do_is_keyword = 0;
  int new_is_keyword = 0;
  int nondef_is_keyword = 0;
  int mustjoin_is_keyword = 0;
  int step_is_keyword = 0;
  int fixed_is_keyword = 0;
  int cover_is_keyword = 0;
  int routed_is_keyword = 0;
  int virtual_is_keyword = 0;  // also MASK
  int rect_is_keyword = 0;
  int orient_is_keyword = 0;
  // In the paths of NETS "( x y )" after ')', a point or a name comes as one T_POINT:
  // there it is always a point, and one token for four is three shifts and two
  // reductions less.
  int point_is_token = 0;
  int lastToken = 0;  // the token defyylex returned last
  int doneDesign = 0;

  long long nlines = 1;
  const double intMin = -2147483648.0;
  const double intMax = 2147483647.0;
  std::string History_text;  // last HISTORY statement or extension section

  // Version and case.
  double VersionNum = 5.7;
  int names_case_sensitive = 1;
  int collectPaths = 0;

  // Header statements seen.
  int hasVer = 0;
  int hasNameCase = 0;
  int hasDes = 0;
  int hasBusBit = 0;
  int hasDivChar = 0;

  // Before the objects whose paths return to it when they go.
  defiPathPool PathPool;
  // Data objects handed to the callbacks, reused statement after statement.
  defiPath Path{this};
  defiProp Prop{this};
  defiSite Site{this};
  defiComponent Component{this};
  defiComponentMaskShiftLayer ComponentMaskShiftLayer{this};
  defiNet Net{this};  // also the special net
  defiSite CannotOccupy{this};
  defiSite Canplace{this};
  defiBox DieArea;
  defiPinCap PinCap;
  defiPin Pin{this};
  defiRow Row{this};
  defiTrack Track{this};
  defiGcellGrid GcellGrid{this};
  defiVia Via{this};
  defiGeometries Geometries{this};
  // The subnet being read; owned here so error recovery cannot leak or orphan it.
  std::unique_ptr<defiSubnet> Subnet;
  // regions, groups, pin properties
  defiRegion Region{this};
  defiGroup Group{this};
  defiPinProp PinProp{this};
  int regionTypeGiven = 0;  // the region being read has had a TYPE

  // blockages, slots, fills
  defiBlockage Blockage{this};
  defiSlot Slot{this};
  defiFill Fill{this};
  // Options seen in the blockage being read: the one-option kinds below 5.8, and the
  // exclusive pairs (SLOTS or FILLS, SOFT or PARTIAL) in 5.8.
  int blockageLayerKind = 0;
  int blockageLayerSpacing = 0;  // SPACING or DESIGNRULEWIDTH
  int blockageSlotsOrFills = 0;
  int blockagePlacementKind = 0;
  int blockageSoftOrPartial = 0;

  // non-default rules, styles, scan chains
  defiNonDefault NonDefault{this};
  defiStyles Styles;
  defiScanchain Scanchain{this};
  int scanOrdered = 0;  // the IN, OUT and BITS pairs being read belong to an ORDERED list

  // assertions, constraints, I/O timings, timing disables
  defiAssertion Assertion{this};  // shared by ASSERTIONS and CONSTRAINTS
  defiIOTiming IOTiming{this};
  defiTimingDisable TimingDisable{this};

  // floorplan constraints, partitions
  defiFPC FPC{this};
  defiPartition Partition{this};


  // Grammar working state.
  int warnCounts[defrWarnKindCount] = {};
  char propDataType = '\0';
  const char* specialWireType = "ROUTED";
  std::string name1, name2;
  double lastX = 0.0, lastY = 0.0;
  int netOsnet = 0;  // 1 in NETS, 2 in SPECIALNETS
  int shield = 0;    // paths go to the net's shield entry (SHIELD or NOSHIELD before 5.4)
  int needCbk = 0;   // a list of the net reached its hand-out size
  int wireMask = 0;  // MASK for the next special-net shape
  int pinPort = 0;   // shapes and placement go to the pin's last PORT
  int viaRule = 0;   // the via has a VIARULE

private:
  // Lexer steps.
  int fillBuffer();
  int GETC() {
    for (;;) {
      if (next < last) {
        unsigned char c = static_cast<unsigned char>(*next++);
        if (c != '\r') return c;
        continue;
      }
      if (!fillBuffer()) return EOF;
    }
  }
  void UNGETC(int c);
  void countLine();
  // Past kMaxToken the token is dropped and the input ends (error 6018).
  void putToken(size_t at, char c) {
    if (at + 1 >= deftoken.size() && !growToken(at)) return;
    deftoken[at] = c;
  }
  bool growToken(size_t len);
  void tokenTooLong();
  void skipSpace();
  bool plainWord();
  int pointToken(DEFYYSTYPE* value);
  int DefGetToken();
  int tokenFromAlias();
  int sublex(DEFYYSTYPE* value);
  int numberToken(DEFYYSTYPE* value);
  int stringModeToken(DEFYYSTYPE* value);
  int wordToken(DEFYYSTYPE* value);
  const char* ringCopy(const char* text, size_t len);
  int skipComment();  // 0 at the end of input
  void readAlias();
  int pushAlias(const char* name, int expansions);
  void readHistory();
  void readExtension();

  void emitError(const std::string& message);
  // Under the total limit and the message's own limit, whose count it then advances.
  bool passesLimits(int msgNum);
  // Writes a warning or information message to the log file, opening it on first use.
  void logToFile(const char* heading, const std::string& message, const char* failNotice,
                 const char* failLine);
  std::string lineText(long long line) const;

  std::vector<char> upperBuf;
};

// The longest token, and the longest alias, HISTORY or extension text, read.
constexpr size_t kDefMaxToken = size_t{64} << 20;

// A token as messages show it: its first 100 bytes, then "..." when it is longer.
std::string defrMessageToken(const char* token);

// printf into a string sized to fit, for message texts holding file values.
std::string defrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The state of the latest read of the global reader context, or null.
defrData* defiCurrentData();

}  // namespace LefDefParser
