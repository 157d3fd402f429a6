# The commands' portable texts on every preset.
vrel_add_test(command_text_tests SOURCES command_text_test.cpp LIBS vrel_ui_logic)

# The commands in the real window under Wine; one window at a time.
if(WIN32)
  vrel_add_test(command_window_tests SOURCES command_window_test.cpp LIBS vrel_ui SERIAL)
endif()
