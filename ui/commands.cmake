# The commands: Win32 glue added to vrel_ui (Windows only).
target_sources(vrel_ui PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/commands_win32.cpp)
target_link_libraries(vrel_ui PUBLIC vrel_records)
