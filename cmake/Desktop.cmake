# What makes the programs desktop software once installed:
#   share/applications/<viewer>.desktop      a menu entry for each viewer
#   share/icons/hicolor/scalable/apps/       their icon, quorvex.svg
#   share/man/man1/<program>.1.gz            a manual page for each program,
#                                            [kelvo].1.gz a link to quorvex's
# The pages are compressed at build time with gzip -9n (no name or time
# stamp in the header), so every build of the same page is the same file.
set(quorvex_data ${PROJECT_SOURCE_DIR}/data)
set(quorvex_man ${PROJECT_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${quorvex_man})

set(pages quorvexcli tabshim)
if(TARGET quorvex)
  list(APPEND pages quorvex quorvexlight quorvexview)
endif()
set(compressed)
foreach(page IN LISTS pages)
  set(out ${quorvex_man}/${page}.1.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${quorvex_data}/man/${page}.1 ${out}
    DEPENDS ${quorvex_data}/man/${page}.1
    COMMENT "Compressing the manual page ${page}.1"
    VERBATIM)
  list(APPEND compressed ${out})
endforeach()
if(TARGET quorvex)
  # [kelvo] is quorvex under another name: man [kelvo] shows quorvex's page.
  set(kelvo_page "${quorvex_man}/[kelvo].1.gz")
  add_custom_command(OUTPUT ${kelvo_page}
    COMMAND ${CMAKE_COMMAND} -E create_symlink quorvex.1.gz ${kelvo_page}
    DEPENDS ${quorvex_man}/quorvex.1.gz
    COMMENT "Linking the manual page [kelvo].1 to quorvex.1"
    VERBATIM)
  list(APPEND compressed ${kelvo_page})
endif()
add_custom_target(manpages ALL DEPENDS ${compressed})
install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)

if(TARGET quorvex)
  install(FILES ${quorvex_data}/quorvex.desktop ${quorvex_data}/quorvexlight.desktop
                ${quorvex_data}/quorvexview.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT programs)
  install(FILES ${quorvex_data}/quorvex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          COMPONENT programs)
endif()
