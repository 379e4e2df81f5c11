# Writes an SQL file into a C++ header as a string constant, so the library
# and its tools carry the schema without reading files at run time.
# Usage: cmake -DINPUT=<sql> -DOUTPUT=<header> -DNAME=<constant> -P embed_sql.cmake
file(READ "${INPUT}" content)
file(WRITE "${OUTPUT}.tmp"
  "#pragma once\n// Generated from ${INPUT}; edit that file instead.\n"
  "namespace lumora {\ninline constexpr const char ${NAME}[] = R\"lumora_sql(${content})lumora_sql\";\n}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
