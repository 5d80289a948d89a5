# Shared compile settings: every target links linknode_settings.
add_library(linknode_settings INTERFACE)
target_compile_features(linknode_settings INTERFACE cxx_std_20)
if(MSVC)
  # Sources are UTF-8; standard conformance as GCC and clang hold it.
  target_compile_options(linknode_settings INTERFACE /W4 /utf-8 /permissive-)
else()
  target_compile_options(linknode_settings INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
endif()
target_compile_definitions(linknode_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT)

option(LINKNODE_WERROR "Treat warnings as errors" OFF)
if(LINKNODE_WERROR)
  target_compile_options(linknode_settings INTERFACE $<IF:$<CXX_COMPILER_ID:MSVC>,/WX,-Werror>)
endif()

option(LINKNODE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(LINKNODE_SANITIZE)
  target_compile_options(linknode_settings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(linknode_settings INTERFACE -fsanitize=address,undefined)
endif()

# libFuzzer's coverage hooks with ASan and UBSan in every library; each fuzz target adds the
# fuzzer's own main (fuzz/CMakeLists.txt). Needs clang.
option(LINKNODE_FUZZ "Build the libFuzzer targets in fuzz/ (clang)" OFF)
if(LINKNODE_FUZZ)
  target_compile_options(linknode_settings INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(linknode_settings INTERFACE -fsanitize=address,undefined)
endif()

# A static library per folder: linknode_library(NAME SOURCES... LINKS ...)
function(linknode_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC linknode_settings ${ARG_LINKS})
  set_property(GLOBAL APPEND PROPERTY LINKNODE_LIBRARIES ${name})
endfunction()
