# The window: library vrel_ui (Windows only).
add_library(vrel_ui STATIC)
target_link_libraries(vrel_ui PUBLIC vrel_ui_logic vrel_engine user32 gdi32)
