# Generates the LEF parser from lef.y and adds it to velmor_lef. The grammar's
# %token lines are made from lef_tokens.def, the list the lexer's keyword
# table comes from, and replace the marker line in a copy of lef.y.
get_target_property(LEF_GEN_DIR velmor_lef BINARY_DIR)
set(LEF_GRAMMAR ${CMAKE_CURRENT_LIST_DIR}/lef.y)
set(LEF_TOKENS ${CMAKE_CURRENT_LIST_DIR}/lef_tokens.def)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LEF_GRAMMAR} ${LEF_TOKENS})

file(STRINGS ${LEF_TOKENS} lef_token_lines REGEX "^LEF_(KEYWORD|TOKEN)\\(")
set(lef_token_decls "")
foreach(line IN LISTS lef_token_lines)
  string(REGEX REPLACE "^LEF_KEYWORD\\(([A-Za-z0-9_]+), \"[^\"]*\", ([0-9]+),.*$"
         "%token \\1 \\2" decl "${line}")
  string(REGEX REPLACE "^LEF_TOKEN\\(([A-Za-z0-9_]+), ([0-9]+),.*$" "%token \\1 \\2" decl "${decl}")
  string(APPEND lef_token_decls "${decl}\n")
endforeach()

file(READ ${LEF_GRAMMAR} lef_grammar)
string(REPLACE "/* @LEF_TOKENS@ */" "${lef_token_decls}" lef_grammar "${lef_grammar}")
# Rewritten only when the text changes, so bison does not rerun needlessly.
file(WRITE ${LEF_GEN_DIR}/lef.y.tmp "${lef_grammar}")
configure_file(${LEF_GEN_DIR}/lef.y.tmp ${LEF_GEN_DIR}/lef.y COPYONLY)

BISON_TARGET(lefParser ${LEF_GEN_DIR}/lef.y ${LEF_GEN_DIR}/lef_parser.cpp
             DEFINES_FILE ${LEF_GEN_DIR}/lef_parser.hpp COMPILE_FLAGS "-p lefyy")
target_sources(velmor_lef PRIVATE ${BISON_lefParser_OUTPUTS})
