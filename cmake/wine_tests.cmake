# The Windows configurations run their tests under Wine (scripts/wine-run), in a
# prefix of the build's own, of the architecture the toolchain names
# (ZARN_WINE_ARCH); the GUI test has a prefix of its own beside it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run ${ZARN_WINE_ARCH}
                                  ${CMAKE_BINARY_DIR}/wineprefix)
