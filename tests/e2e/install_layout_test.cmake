# Installs the build into a staging folder (DESTDIR) under the default
# program directory and checks what a store's server would get: both
# programs side by side in /opt/lumora and the configurator's desktop entry
# naming the installed program.
#   cmake -DBUILD_DIR=<build> -DSTAGE=<folder> -P install_layout_test.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /opt/lumora
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

foreach(program LumoraRPro9Service LumoraRPro9Configurator)
  set(path "${STAGE}/opt/lumora/${program}")
  if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
    message(FATAL_ERROR "not installed: ${path}\n${output}")
  endif()
endforeach()

file(GLOB_RECURSE entries "${STAGE}/*.desktop")
list(LENGTH entries count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one desktop entry, found: ${entries}")
endif()
file(READ "${entries}" entry)
foreach(line "Exec=/opt/lumora/LumoraRPro9Configurator" "Type=Application")
  string(FIND "${entry}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry ${entries} lacks \"${line}\":\n${entry}")
  endif()
endforeach()
message(STATUS "installed: ${STAGE}/opt/lumora, ${entries}")
