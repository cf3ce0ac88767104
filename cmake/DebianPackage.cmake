# Two Debian packages made by CPack from the install rules (cpack -G DEB in
# the build tree, or scripts/dev.sh package):
#   quorvex       the five programs, [kelvo], the menu entries, the icon and
#                 the manual pages; its dependencies are those dpkg-shlibdeps
#                 finds in the binaries
#   quorvex-dev   the engine for one's own programs: headers, static
#                 libraries, the CMake package and quorvex.pc
# The install rules of the programs belong to the component "programs",
# those of cmake/Package.cmake to "dev" (CMAKE_INSTALL_DEFAULT_COMPONENT_NAME
# in the top-level CMakeLists.txt).

set(quorvex_components programs dev)
set(quorvex_packages quorvex quorvex-dev)
set(QUORVEX_PACKAGE_MAINTAINER "quorvex developers <quorvex@example.org>"
    CACHE STRING "The Maintainer field of the Debian packages")

# Each package's copyright and changelog, as Debian wants them; only the
# packages install them (a component named in an install of its own).
set(quorvex_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${quorvex_changelog}
  COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/data/changelog ${quorvex_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${quorvex_changelog})
foreach(component package IN ZIP_LISTS quorvex_components quorvex_packages)
  install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${quorvex_changelog}
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
endforeach()

# The copy of quorvex named [kelvo] is installed as a plain file, which
# install --strip (and so the package) would leave with its debug sections.
if(TARGET quorvex)
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/[kelvo]\"
                  COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT programs)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${quorvex_components})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUORVEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME quorvex)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PROGRAMS_DESCRIPTION "classical-mechanics simulator with 3D viewers
quorvex simulates rigid bodies, balls, and gravitating and charged bodies
joined by springs, and shows them in OpenGL viewers that one flies
through with the keyboard and the mouse.

This package holds the viewers quorvex (a field of pendulums and four
traced paths), quorvexlight (a lighter scene with seven traced paths) and
quorvexview (the earlier viewer, with a lattice of balls on springs), the
console program quorvexcli, which steps a fixed system once and prints
it, and the launcher tabshim with [kelvo], the viewer it starts.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME quorvex-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# The drawing layer's component needs OpenGL and GLU to build against.
set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS "libgl-dev, libglu1-mesa-dev")
set(CPACK_DEBIAN_DEV_DESCRIPTION "classical-mechanics engine of quorvex, for one's own programs
The engine of quorvex: vectors and matrices, rigid bodies, balls,
gravitating and charged bodies, springs and nested systems, as headers
and static libraries, with a CMake package (find_package(quorvex)) and a
pkg-config file. The engine links no graphics library; the drawing
layer comes as the CMake component render.")

include(CPack)
