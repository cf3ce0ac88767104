# Installs the engine as a package other projects build on:
#   include/quorvex/<layer>/Name.h    the public headers listed below: what a
#                                     program needs to build a scene, step
#                                     it, read it and (render) draw it
#   lib/libquorvex_<layer>.a          the static libraries
#   lib/cmake/quorvex/                find_package(quorvex 0.1 REQUIRED
#                                     [COMPONENTS render]) with the targets
#                                     quorvex::engine and quorvex::render
#   lib/pkgconfig/quorvex.pc          the engine for pkg-config
# Every installed path is relative to the prefix, so the installed tree can
# be moved.
include(CMakePackageConfigHelpers)

set(quorvex_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/quorvex)

# The public headers, and those they include. Every other header of these
# layers stays in the source tree (tests/install/install_check.sh names
# each one, so that a new header is classified on purpose).
set(quorvex_engine_headers
    numerics/Constants.h numerics/Rand.h numerics/Vect.h numerics/Matrix.h
    numerics/InlineDoubles.h numerics/Vect3.h numerics/Mat3.h numerics/OnVect3.h
    bodies/Disp.h bodies/EngineRules.h bodies/Obj.h bodies/Force.h bodies/Ball.h bodies/Portal.h bodies/Painter.h
    systems/InsertionSet.h systems/Spring.h systems/System.h systems/Universe.h systems/Scenes.h)
set(quorvex_render_headers
    render/Camera.h render/CameraProfile.h render/GlPainter.h render/String3d.h render/Trajectory.h
    render/TracedPaths.h render/PaintCycle.h render/PictureKeeper.h)
# quorvex_install_headers(headers...): each under include/quorvex/<layer>/.
function(quorvex_install_headers)
  foreach(header IN LISTS ARGN)
    get_filename_component(layer ${header} DIRECTORY)
    install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quorvex/${layer})
  endforeach()
endfunction()

quorvex_install_headers(${quorvex_engine_headers})
install(TARGETS quorvex_numerics quorvex_bodies quorvex_systems quorvex_engine EXPORT quorvexTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT quorvexTargets NAMESPACE quorvex:: DESTINATION ${quorvex_cmake_dir})

if(QUORVEX_RENDER)
  quorvex_install_headers(${quorvex_render_headers})
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
