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
  include(CPack)
endif()
