# Initial cache for a build whose built-in endpoints are on this machine:
#   cmake -C cmake/loopback_endpoints.cmake -S . -B <build>
# The main job's demo and the end-to-end tests start a stand-in for the
# receiving service's FTP server and for the support endpoint on these ports.
# The ports lie below Linux's ephemeral range (32768 and up), so no test's
# short-lived socket can hold them. FORCE, so that an existing build
# directory switches over as well.
set(LUMORA_FTP_HOST "127.0.0.1" CACHE STRING "Host name of the receiving service's FTP server" FORCE)
set(LUMORA_FTP_PORT "20021" CACHE STRING "Port of the receiving service's FTP server" FORCE)
set(LUMORA_FTP_USER "lumora-demo" CACHE STRING "User name of the built-in FTP account" FORCE)
set(LUMORA_FTP_PASSWORD "demo-Pa55word-2026" CACHE STRING "Password of the built-in FTP account" FORCE)
set(LUMORA_SUPPORT_HOST "127.0.0.1" CACHE STRING "Host name of the support endpoint" FORCE)
set(LUMORA_SUPPORT_PORT "20502" CACHE STRING "TCP port of the support endpoint" FORCE)
