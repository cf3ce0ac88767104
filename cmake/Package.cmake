# Installs the engine as a package other projects build on:
#   include/quorvex/<layer>/Name.h    numerics, bodies, systems (and render);
#                                     systems/Arena.h, InsertionSet.h and
#                                     PointerIndex.h are internal, there
#                                     because System.h holds members of
#                                     their types
#   lib/libquorvex_<layer>.a          the static libraries
#   lib/cmake/quorvex/                find_package(quorvex 0.1 REQUIRED
#                                     [COMPONENTS render]) with the targets
#                                     quorvex::engine and quorvex::render
#   lib/pkgconfig/quorvex.pc          the engine for pkg-config
# Every installed path is relative to the prefix, so the installed tree can
# be moved.
include(CMakePackageConfigHelpers)

set(quorvex_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/quorvex)

install(DIRECTORY numerics bodies systems DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quorvex FILES_MATCHING PATTERN "*.h")
install(TARGETS quorvex_numerics quorvex_bodies quorvex_systems quorvex_engine EXPORT quorvexTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT quorvexTargets NAMESPACE quorvex:: DESTINATION ${quorvex_cmake_dir})

if(QUORVEX_RENDER)
  install(DIRECTORY render DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quorvex FILES_MATCHING PATTERN "*.h")
  install(TARGETS quorvex_render EXPORT quorvexRenderTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT quorvexRenderTargets NAMESPACE quorvex:: DESTINATION ${quorvex_cmake_dir})
endif()

configure_package_config_file(cmake/quorvexConfig.cmake.in ${PROJECT_BINARY_DIR}/quorvexConfig.cmake
                              INSTALL_DESTINATION ${quorvex_cmake_dir})
# 0.x: a newer minor version may change the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/quorvexConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/quorvexConfig.cmake ${PROJECT_BINARY_DIR}/quorvexConfigVersion.cmake
        DESTINATION ${quorvex_cmake_dir})

# The .pc file finds the prefix from its own place (${pcfiledir}).
file(RELATIVE_PATH quorvex_pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" quorvex_pc_to_prefix "${quorvex_pc_to_prefix}")
configure_file(cmake/quorvex.pc.in ${PROJECT_BINARY_DIR}/quorvex.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/quorvex.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
