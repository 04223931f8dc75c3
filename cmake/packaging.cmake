# The release archive of the Windows configurations: what an operator unpacks,
# laid out by the install rules (Hostdeck.exe with MapList and Modes beside it).
# `cmake --build --preset win32 --target package` makes it in build/win32.
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME ZarnPatch)
  set(CPACK_PACKAGE_VENDOR Kestrin)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_SYSTEM_NAME win32)
  else()
    set(CPACK_SYSTEM_NAME win64)
  endif()
  set(archive ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
  set(CPACK_PACKAGE_FILE_NAME ${archive})
  include(CPack)

  if(ZARN_BUILD_TESTS AND CMAKE_CROSSCOMPILING)
    # Runs the archive as unpacked, under Wine; the package target must have
    # made it first (scripts/check does).
    add_test(NAME release_archive_test
      COMMAND ${PROJECT_SOURCE_DIR}/testing/release_archive_test.sh ${ZARN_WINE_ARCH}
              ${CMAKE_BINARY_DIR}/${archive}.zip ${PROJECT_SOURCE_DIR}/samples/ZARN
              ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    set_tests_properties(release_archive_test PROPERTIES TIMEOUT 600)
  endif()
endif()
