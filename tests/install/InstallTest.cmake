# Installs the build tree into a fresh prefix, checks what the installed tree holds, builds the
# consumer program against it (find_package and pkg-config) and runs it, and runs the installed
# tool, which must find the installed package. Arguments: BUILD_DIR, CONSUMER_DIR, WORK_DIR,
# GENERATOR, CXX, CXX_FLAGS, DEMO_DIR.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

include(GNUInstallDirs)
foreach(file ${CMAKE_INSTALL_BINDIR}/zantor
             ${CMAKE_INSTALL_LIBDIR}/zantor/ZntD4.so ${CMAKE_INSTALL_LIBDIR}/zantor/ZntD3.so
             ${CMAKE_INSTALL_LIBDIR}/zantor/ZntC3.so
             ${CMAKE_INSTALL_LIBDIR}/libzantor_translators.a
             ${CMAKE_INSTALL_LIBDIR}/libzantor_host_rtl.a
             ${CMAKE_INSTALL_LIBDIR}/cmake/Zantor/ZantorConfig.cmake
             ${CMAKE_INSTALL_LIBDIR}/cmake/Zantor/ZantorConfigVersion.cmake
             ${CMAKE_INSTALL_LIBDIR}/pkgconfig/zantor.pc
             ${CMAKE_INSTALL_INCLUDEDIR}/zantor/translators/FormTranslator.h
             ${CMAKE_INSTALL_INCLUDEDIR}/zantor/host/controls/Forms.h
             ${CMAKE_INSTALL_MANDIR}/man1/zantor.1)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(GLOB_RECURSE sources ${prefix}/*.cpp)
if(sources)
  message(FATAL_ERROR "sources installed: ${sources}")
endif()

# The consumer, with the prefix found as a user would give it.
set(ENV{PKG_CONFIG_PATH} ${prefix}/${CMAKE_INSTALL_LIBDIR}/pkgconfig)
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
foreach(program consumer_cmake consumer_pkgconfig)
  run(${WORK_DIR}/consumer/${program})
  if(NOT last_output STREQUAL "Commandes packages\n")
    message(FATAL_ERROR "${program} printed: ${last_output}")
  endif()
endforeach()

# The installed tool loads the installed package (no package lies beside it).
run(${prefix}/${CMAKE_INSTALL_BINDIR}/zantor inspect ${DEMO_DIR}/Demo.zproj)
if(NOT last_output MATCHES "TFormTranslator")
  message(FATAL_ERROR "installed zantor inspect printed: ${last_output}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
