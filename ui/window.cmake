# The window: library vrel_ui (Windows only).
add_library(vrel_ui STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/main_window_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/paint_win32.cpp)
target_link_libraries(vrel_ui PUBLIC vrel_ui_logic vrel_engine win::user32 win::gdi32)
