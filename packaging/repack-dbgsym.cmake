# Run by CPack once the packages are made: the dbgsym packages are put right (repack-dbgsym).
foreach(file ${CPACK_PACKAGE_FILES})
  if(file MATCHES "\\.ddeb$")
    execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/repack-dbgsym ${file}
      RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "repack-dbgsym failed on ${file}")
    endif()
  endif()
endforeach()
