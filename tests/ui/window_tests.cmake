# In-process tests of the main window under Wine: one window at a time, so
# they run serially (tools/windows-tests.sh gives them an X display).
vrel_add_test(window_tests
  SOURCES window_fixture.h window_layout_test.cpp window_paint_test.cpp window_loop_test.cpp
  LIBS vrel_ui SERIAL)
