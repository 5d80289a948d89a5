# Fails when a folder includes a header of a folder above it. Run as a test:
#   cmake -DSOURCE_DIR=<root> -P cmake/CheckLayers.cmake
# Folders bottom-up: each may include its own headers and those of the folders before it.
set(layers core widgets link form config discovery boot commands netid mqtt app)
# The command line tool stands on the widget-free cores only; the widget-free build proves it.
set(cli_allowed core link config discovery commands netid mqtt cli)
# Beside the layers: the simulator stands alone; tests, benchmarks and fuzz targets use all.
set(apart sim cli)

set(failures "")
list(LENGTH layers count)
foreach(folder ${layers} ${apart})
  list(FIND layers ${folder} level)
  if(folder STREQUAL "cli")
    set(allowed ${cli_allowed})
  elseif(level EQUAL -1)
    set(allowed ${folder})
  else()
    list(SUBLIST layers 0 ${level} allowed)
    list(APPEND allowed ${folder})
  endif()
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[^\"]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^/\"]+)/.*" "\\1" used "${line}")
      list(FIND allowed ${used} found)
      if(found EQUAL -1)
        string(APPEND failures "  ${source}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Includes that run up the layers or out of the folder:\n${failures}")
endif()
message(STATUS "Every include runs down the layers.")
