# Cross-compiling for Windows with Debian's mingw-w64 toolchain in its POSIX
# threads flavour, which std::thread and std::mutex need. Included by the
# per-target toolchain files, which set LUMORA_MINGW_TRIPLET and the processor.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${LUMORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LUMORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LUMORA_MINGW_TRIPLET}-windres)

# Libraries and headers come from the toolchain's sysroot and from the
# cache that scripts/windows-deps.sh fills; programs run on the build machine.
set(LUMORA_WINDOWS_DEPS "${CMAKE_CURRENT_LIST_DIR}/../build/windows-deps/${LUMORA_MINGW_TRIPLET}"
  CACHE PATH "Prefix of the cross-built libraries")
set(CMAKE_FIND_ROOT_PATH /usr/${LUMORA_MINGW_TRIPLET} ${LUMORA_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
