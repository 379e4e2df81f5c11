# The libraries scripts/windows-deps.sh cross-builds are static: libcurl's
# headers must then not declare its functions as DLL imports, and its own
# system libraries come along. Found here, at the top, so that every
# directory's find_package(CURL) reuses this target.
find_package(CURL REQUIRED)
set_property(TARGET CURL::libcurl APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB)
set_property(TARGET CURL::libcurl APPEND PROPERTY INTERFACE_LINK_LIBRARIES bcrypt advapi32 crypt32 ws2_32)
# No libstdc++ or libgcc DLLs to ship beside the programs.
add_link_options(-static)
