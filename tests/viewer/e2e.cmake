# End-to-end tests of the viewers on a virtual display (Xvfb, openbox,
# xdotool, ImageMagick); label e2e.
set(e2e_dir ${CMAKE_CURRENT_SOURCE_DIR}/viewer)
set(xrun ${PROJECT_SOURCE_DIR}/scripts/xrun.sh)
foreach(program quorvex quorvexlight)
  add_test(NAME e2e.${program} COMMAND ${e2e_dir}/e2e_viewer.sh $<TARGET_FILE:${program}> ${xrun})
endforeach()
add_test(NAME e2e.quorvexview COMMAND ${e2e_dir}/e2e_quorvexview.sh $<TARGET_FILE:quorvexview> ${xrun})
add_test(NAME e2e.headless COMMAND ${e2e_dir}/e2e_headless.sh
  $<TARGET_FILE:quorvex> $<TARGET_FILE:quorvexlight> $<TARGET_FILE:quorvexview>)
# The README's own xrun lines, as written there.
add_test(NAME e2e.readme COMMAND ${e2e_dir}/e2e_readme.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
# Every step waits for what it checks, so a loaded machine makes the tests
# slower: generous time limits.
set_tests_properties(e2e.quorvex e2e.quorvexlight e2e.quorvexview e2e.headless e2e.readme
  PROPERTIES LABELS e2e TIMEOUT 400)
# Windows larger than OpenGL can draw, and back; a frame of the largest
# drawable takes seconds in software, tens of seconds on a loaded machine.
add_test(NAME e2e.resize COMMAND ${e2e_dir}/e2e_resize.sh $<TARGET_FILE:quorvex> ${xrun})
set_tests_properties(e2e.resize PROPERTIES LABELS e2e TIMEOUT 800)
