# Checks that every subsystem folder includes only its own headers and those
# of the folders below it:
#   platform < foundation < logging < configuration < retailpro, support
#   < service, configurator
# Folders on one level (retailpro and support, service and configurator) do
# not include each other. Run as: cmake -DSOURCE_DIR=<tree> -P check_layers.cmake
# The include paths cannot enforce this themselves, since every header is
# named from the top of the tree.

cmake_minimum_required(VERSION 3.25)

set(levels platform 0 foundation 1 logging 2 configuration 3 retailpro 4 support 4
  service 5 configurator 5)
# retailpro sits above configuration but uses none of it, and links none.
set(forbidden_retailpro configuration)

function(level_of folder out)
  list(FIND levels ${folder} at)
  if(at EQUAL -1)
    set(${out} "" PARENT_SCOPE)
  else()
    math(EXPR at "${at} + 1")
    list(GET levels ${at} level)
    set(${out} ${level} PARENT_SCOPE)
  endif()
endfunction()

set(violations "")
foreach(folder platform foundation logging configuration retailpro support service configurator)
  level_of(${folder} own)
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h.in)
  foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" target "${line}")
      level_of(${target} theirs)
      if(theirs STREQUAL "" OR target STREQUAL folder)
        continue()
      endif()
      if(NOT theirs LESS own OR target IN_LIST forbidden_${folder})
        string(APPEND violations "  ${source}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Headers included from a folder on the same level or above:\n${violations}")
endif()
message(STATUS "Every folder includes only its own headers and those below it")
