# The compiler's runtime in the Windows configurations.
#
# Modules that share C++ exceptions (the engine's libraries, the packages and
# every program that hosts them: whatever links a target marked with
# zarn_shares_exceptions) take the runtime as DLLs, one unwinder for all of
# them. With a runtime linked into each module, every module has its own
# unwinder, and on i686 (DWARF-2 tables) an exception thrown in Core.dll and
# caught in another module ends the process. Every other program carries the
# runtime in itself, so that it runs alone in whatever folder it is put
# (Hostdeck.exe, ZARNDetect.exe in maps, ZARN.exe in ZARN14).
#
# The DLLs are copied beside the build's programs at configure time and
# installed into the game's system folder with the packages, where the game's
# programs load them from. A runtime DLL the compiler cannot name fails the
# configuration.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(unwinder libgcc_s_dw2-1.dll)
else()
  set(unwinder libgcc_s_seh-1.dll)
endif()
set(ZARN_RUNTIME_DLLS "")
foreach(dll ${unwinder} libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler's runtime ${dll} is not found (${CMAKE_CXX_COMPILER})")
  endif()
  file(REAL_PATH ${path} path)
  list(APPEND ZARN_RUNTIME_DLLS ${path})
endforeach()
file(COPY ${ZARN_RUNTIME_DLLS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
install(FILES ${ZARN_RUNTIME_DLLS} DESTINATION system)

set(program_alone "$<AND:$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>,$<NOT:$<BOOL:$<TARGET_PROPERTY:ZARN_SHARES_EXCEPTIONS>>>>")
add_link_options("$<${program_alone}:-static>")
