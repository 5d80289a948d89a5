# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on
# (FORTIFY, the strong stack protector, format checks, read-only relocations bound at start),
# for every optimised build without sanitizers: the package is built from these. Debugging
# and optimisation stay the build type's, source paths stay whole. FORTIFY needs an
# optimised build.
if(LINKNODE_SANITIZE OR LINKNODE_FUZZ)
  return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(STATUS "No dpkg-buildflags: built without Debian's hardening flags")
  return()
endif()

function(linknode_debian_flags variable flags)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env
      "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
      "DEB_${variable}_STRIP=-g -O2" ${DPKG_BUILDFLAGS} --get ${variable}
    OUTPUT_VARIABLE output
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(output UNIX_COMMAND "${output}")
  set(${flags} ${output} PARENT_SCOPE)
endfunction()

linknode_debian_flags(CPPFLAGS preprocessor_flags)
linknode_debian_flags(CXXFLAGS compiler_flags)
linknode_debian_flags(LDFLAGS linker_flags)
set(optimised $<NOT:$<CONFIG:Debug>>)
target_compile_options(linknode_settings INTERFACE
  "$<${optimised}:${preprocessor_flags};${compiler_flags}>")
target_link_options(linknode_settings INTERFACE "$<${optimised}:${linker_flags}>")
