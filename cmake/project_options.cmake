# zarn_target_defaults(<target>): the warnings every target of ours compiles with.
# Applied per target so that third-party code (GoogleTest) keeps its own flags.
function(zarn_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(ZARN_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(WIN32)
    # The programs talk to Windows in the 8-bit code page, as the game does.
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()

# zarn_shares_exceptions(<target>): C++ exceptions cross between <target> and
# whatever links it, so on Windows all of them take the compiler's runtime as
# DLLs (cmake/windows_runtime.cmake).
function(zarn_shares_exceptions target)
  set_property(TARGET ${target} PROPERTY ZARN_SHARES_EXCEPTIONS ON)
  set_property(TARGET ${target} PROPERTY INTERFACE_ZARN_SHARES_EXCEPTIONS ON)
  set_property(TARGET ${target} APPEND PROPERTY COMPATIBLE_INTERFACE_BOOL ZARN_SHARES_EXCEPTIONS)
endfunction()

# zarn_program_path(<var> <path>): <path> as a program of this build sees it.
# Under Wine the Unix root is drive Z:.
function(zarn_program_path var path)
  if(CMAKE_CROSSCOMPILING AND WIN32)
    set(path Z:${path})
  endif()
  set(${var} ${path} PARENT_SCOPE)
endfunction()

# zarn_add_test(<name> [ON_SCREEN] SOURCES <files...> LIBS <libs...>): one GoogleTest
# program, registered as one CTest test that writes its results as XML for
# scripts/check. ON_SCREEN: it drives real windows, so it runs on an X screen of
# its own (scripts/xvfb-wine-run) in the Wine prefix kept for that, one such
# test at a time, and may photograph the windows into build/<preset>/screenshots.
function(zarn_add_test name)
  cmake_parse_arguments(ARG "ON_SCREEN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  zarn_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  zarn_program_path(results ${CMAKE_BINARY_DIR}/test-results/${name}.xml)
  set(environment "GTEST_OUTPUT=xml:${results}")
  if(ARG_ON_SCREEN)
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/xvfb-wine-run ${ZARN_WINE_ARCH}
                     ${CMAKE_BINARY_DIR}/gui-wineprefix $<TARGET_FILE:${name}>)
    list(APPEND environment "ZARN_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots")
    set_tests_properties(${name} PROPERTIES TIMEOUT 400 RESOURCE_LOCK gui-wineprefix)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/screenshots)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set_tests_properties(${name} PROPERTIES LABELS gtest ENVIRONMENT "${environment}")
endfunction()
