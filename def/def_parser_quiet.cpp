// The generated parser once more, without the trace checks on every step: reads run
// this one unless defyydebug asks for a trace.
#define DEFYYDEBUG 0
#define defyyparse defyyparseQuiet
#include "def_parser.cpp"
