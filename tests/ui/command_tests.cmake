# The commands' portable texts on every preset.
vrel_add_test(command_text_tests SOURCES command_text_test.cpp LIBS vrel_ui_logic)

# The commands in the real window under Wine; one window at a time.
if(WIN32)
  vrel_add_test(command_window_tests SOURCES command_window_test.cpp LIBS vrel_ui SERIAL)
endif()

# The real program driven through X input (skipped without xdotool or a display).
if(WIN32)
  add_executable(command_probe command_probe.cpp)
  target_link_options(command_probe PRIVATE -municode)
  add_test(NAME command_end_to_end
           COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/command_e2e.sh ${CMAKE_BINARY_DIR}
                   $<TARGET_FILE:VrelMedTool> $<TARGET_FILE:command_probe>)
  set_tests_properties(command_end_to_end PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE
                       TIMEOUT 180)
endif()
