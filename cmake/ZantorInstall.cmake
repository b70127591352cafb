# Installation: the layer libraries and their headers, the packages and the tool, a CMake
# package (find_package(Zantor) gives Zantor::Zantor and the layer targets) and a pkg-config
# file (zantor.pc). Headers keep their folders under include/zantor, so an installed program
# includes them as the sources do ("host/controls/Forms.h").
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZT_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/zantor)
set(ZT_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Zantor)
set(ZT_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/zantor)

set(zt_installed_layers host_rtl host_typinfo host_classes host_winapi host_controls host_ide
                        host_display zantor_translators zantor_editors zantor_expert
                        zantor_exchange)
foreach(layer ${zt_installed_layers})
  # The build tree and the installed tree find the headers in different places.
  get_target_property(dirs ${layer} INTERFACE_INCLUDE_DIRECTORIES)
  list(TRANSFORM dirs REPLACE "^(.+)$" "$<BUILD_INTERFACE:\\1>")
  set_target_properties(${layer} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${dirs}")
  target_include_directories(${layer} INTERFACE $<INSTALL_INTERFACE:${ZT_INSTALL_INCLUDEDIR}>)
  # The headers need C++20, and so does every program that includes them.
  target_compile_features(${layer} INTERFACE cxx_std_20)
  # The host layers get a prefix in the shared library folder.
  if(layer MATCHES "^host_")
    set_target_properties(${layer} PROPERTIES OUTPUT_NAME zantor_${layer})
  endif()
endforeach()

# What a program links for the whole system: the expert, the exchange formats and every layer
# below them.
add_library(zantor_all INTERFACE)
target_link_libraries(zantor_all INTERFACE zantor_exchange zantor_expert)
set_target_properties(zantor_all PROPERTIES EXPORT_NAME Zantor)

install(TARGETS ${zt_installed_layers} zantor_all EXPORT ZantorTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${ZT_INSTALL_INCLUDEDIR})
install(EXPORT ZantorTargets NAMESPACE Zantor:: DESTINATION ${ZT_INSTALL_CMAKEDIR})
install(DIRECTORY src/host src/translators src/editors src/expert src/exchange DESTINATION ${ZT_INSTALL_INCLUDEDIR}
        FILES_MATCHING PATTERN "*.h")

# The packages go to a folder of their own; the tool looks there when none lies beside it.
install(TARGETS ZntD4 ZntD3 ZntC3 LIBRARY DESTINATION ${ZT_PACKAGE_DIR})
install(TARGETS zantor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES docs/zantor.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

configure_package_config_file(cmake/ZantorConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/ZantorConfig.cmake
                              INSTALL_DESTINATION ${ZT_INSTALL_CMAKEDIR}
                              PATH_VARS ZT_PACKAGE_DIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZantorConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ZantorConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/ZantorConfigVersion.cmake
        DESTINATION ${ZT_INSTALL_CMAKEDIR})

# pkg-config: static libraries, so every layer and ICU are on the link line, upper first.
set(ZT_PC_LIBS "")
foreach(layer zantor_exchange zantor_expert zantor_editors zantor_translators host_ide host_controls host_winapi host_classes
              host_typinfo host_rtl)
  get_target_property(out ${layer} OUTPUT_NAME)
  if(NOT out)
    set(out ${layer})
  endif()
  string(APPEND ZT_PC_LIBS " -l${out}")
endforeach()
# The prefix is found from the file's own place, so the installed tree can move.
file(RELATIVE_PATH ZT_PC_PREFIX /zt/${CMAKE_INSTALL_LIBDIR}/pkgconfig /zt)
configure_file(cmake/zantor.pc.in ${CMAKE_CURRENT_BINARY_DIR}/zantor.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zantor.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
