# End-to-end tests of the viewers on a virtual display (Xvfb, openbox,
# xdotool, ImageMagick); label e2e.
set(e2e_dir ${CMAKE_CURRENT_SOURCE_DIR}/viewer)
foreach(program quorvex quorvexlight quorvexview)
  add_test(NAME e2e.${program}
    COMMAND ${e2e_dir}/e2e_${program}.sh $<TARGET_FILE:${program}> ${PROJECT_SOURCE_DIR}/scripts/xrun.sh)
  set_tests_properties(e2e.${program} PROPERTIES LABELS e2e TIMEOUT 240)
endforeach()
add_test(NAME e2e.headless COMMAND ${e2e_dir}/e2e_headless.sh
  $<TARGET_FILE:quorvex> $<TARGET_FILE:quorvexlight> $<TARGET_FILE:quorvexview>)
set_tests_properties(e2e.headless PROPERTIES LABELS e2e TIMEOUT 60)
