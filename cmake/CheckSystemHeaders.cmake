# Fails when a product file includes a header of the operating system, unless the file is
# named for that system (*_posix.cpp, *_windows.cpp), with no exception: the calls that a
# Windows build must replace stay in files that say so. Run as a test:
#   cmake -DSOURCE_DIR=<root> -P cmake/CheckSystemHeaders.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Layers.cmake)

set(system_headers
  "unistd\\.h" "fcntl\\.h" "sys/[^>]+" "netinet/[^>]+" "arpa/[^>]+" "net/[^>]+" "linux/[^>]+"
  "signal\\.h" "csignal" "poll\\.h" "netdb\\.h" "ifaddrs\\.h" "termios\\.h" "dlfcn\\.h"
  "pthread\\.h" "windows\\.h" "winsock2?\\.h" "ws2tcpip\\.h" "iphlpapi\\.h" "mswsock\\.h"
  "io\\.h" "direct\\.h" "process\\.h")
list(JOIN system_headers "|" alternatives)
set(pattern "^[ \t]*#[ \t]*include[ \t]*<(${alternatives})>")

set(failures "")
foreach(folder ${LINKNODE_LAYERS} ${LINKNODE_APART})
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    if(source MATCHES "_(posix|windows)\\.cpp$")
      continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "${pattern}")
    foreach(line ${includes})
      string(APPEND failures "  ${source}: ${line}\n")
    endforeach()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "System headers outside the files named for a system "
    "(*_posix.cpp, *_windows.cpp):\n${failures}")
endif()
message(STATUS "System headers only in the files named for a system.")
