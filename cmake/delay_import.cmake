# Delay-loaded import libraries for the system DLLs that only the window
# needs: the self-test then starts without loading USER32, GDI32 or SHELL32,
# which under Wine costs as much as the rest of the start-up together.
# Each becomes the target win::<name>, used in place of the plain library.
find_program(VREL_NM x86_64-w64-mingw32-nm REQUIRED)
find_program(VREL_DLLTOOL x86_64-w64-mingw32-dlltool REQUIRED)

function(vrel_delay_import name)
  set(import_lib ${CMAKE_FIND_ROOT_PATH}/lib/lib${name}.a)
  set(def ${CMAKE_BINARY_DIR}/delay/${name}.def)
  set(delay_lib ${CMAKE_BINARY_DIR}/delay/lib${name}_delay.a)
  if(NOT EXISTS ${delay_lib} OR ${import_lib} IS_NEWER_THAN ${delay_lib})
    # Every export of the DLL, read from its ordinary import library.
    execute_process(COMMAND ${VREL_NM} --defined-only ${import_lib}
                    OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "__imp_[A-Za-z0-9_@]+" imports "${symbols}")
    list(REMOVE_DUPLICATES imports)
    list(TRANSFORM imports REPLACE "^__imp_" "")
    list(SORT imports)
    string(TOUPPER ${name} upper)
    list(JOIN imports "\n  " exports)
    file(WRITE ${def} "LIBRARY ${upper}.dll\nEXPORTS\n  ${exports}\n")
    execute_process(COMMAND ${VREL_DLLTOOL} --input-def ${def} --dllname ${upper}.dll
                            --output-delaylib ${delay_lib}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  add_library(win::${name} STATIC IMPORTED GLOBAL)
  set_target_properties(win::${name} PROPERTIES IMPORTED_LOCATION ${delay_lib})
endfunction()

foreach(dll user32 gdi32 shell32)
  vrel_delay_import(${dll})
endforeach()
