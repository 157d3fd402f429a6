# The commands' portable texts on every preset.
vrel_add_test(command_text_tests SOURCES command_text_test.cpp LIBS vrel_ui_logic)
