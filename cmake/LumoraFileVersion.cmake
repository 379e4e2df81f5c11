# lumora_embed_file_version(<target>)
#
# Gives an executable the four-part file version LUMORA_FILE_VERSION, stored in
# the ELF section ".lumora.version" so that FileVersionText can read it back
# from the file on disk, the way a Windows version resource is read.
set(_lumora_file_version_template "${CMAKE_CURRENT_LIST_DIR}/file_version.cpp.in")
set(_lumora_file_version_rc_template "${CMAKE_CURRENT_LIST_DIR}/file_version.rc.in")
if(WIN32)
  enable_language(RC)
endif()

function(lumora_embed_file_version target)
  if(NOT LUMORA_FILE_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "LUMORA_FILE_VERSION must be major.minor.release.build, not '${LUMORA_FILE_VERSION}'")
  endif()
  set(parts ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4})
  foreach(part IN LISTS parts)
    if(part GREATER 65535)
      message(FATAL_ERROR "Each part of LUMORA_FILE_VERSION must fit 16 bits: '${LUMORA_FILE_VERSION}'")
    endif()
  endforeach()
  # The two 32-bit words of a version resource: major/minor and release/build.
  math(EXPR LUMORA_VERSION_MS "(${CMAKE_MATCH_1} << 16) | ${CMAKE_MATCH_2}" OUTPUT_FORMAT HEXADECIMAL)
  math(EXPR LUMORA_VERSION_LS "(${CMAKE_MATCH_3} << 16) | ${CMAKE_MATCH_4}" OUTPUT_FORMAT HEXADECIMAL)
  if(WIN32)
    # On Windows the version is the executable's VERSIONINFO resource.
    set(LUMORA_VERSION_COMMAS "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},${CMAKE_MATCH_4}")
    set(LUMORA_TARGET_NAME "${target}")
    set(LUMORA_FILE_DESCRIPTION "${PROJECT_DESCRIPTION}")
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}_file_version.rc")
    configure_file("${_lumora_file_version_rc_template}" "${generated}" @ONLY)
  else()
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}_file_version.cpp")
    configure_file("${_lumora_file_version_template}" "${generated}" @ONLY)
  endif()
  target_sources(${target} PRIVATE "${generated}")
endfunction()
