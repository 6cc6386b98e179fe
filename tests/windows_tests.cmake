# The tests of a Windows build, run under wine. Each test program is one CTest test,
# labelled windows and with its area's label: starting wine takes a second or more, too much
# to pay for every test case.

# The build knows its files by Unix paths; the programs see them on wine's drive Z:.
set(VELMAR_TEST_PATH_PREFIX Z:)
set(VELMAR_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all)

# Wine makes its prefix (its Windows folders and registry) on first start, which takes a
# while: once, before the test programs start.
add_test(NAME windows_wine_prefix COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init)
set_tests_properties(windows_wine_prefix PROPERTIES
  LABELS windows FIXTURES_SETUP wine_prefix ENVIRONMENT "${VELMAR_WINE_ENVIRONMENT}")

function(velmar_windows_test name label)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    LABELS "windows;${label}" FIXTURES_REQUIRED wine_prefix ENVIRONMENT "${VELMAR_WINE_ENVIRONMENT}")
endfunction()

# The Windows engine's results on each example against those of the build machine's engine,
# when the build is told where that is (./test builds it first).
set(VELMAR_NATIVE_ENGINE "" CACHE FILEPATH "The engine built for the build machine, to compare with")
if(VELMAR_NATIVE_ENGINE)
  add_test(NAME windows_engine_matches_native
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/windows/engine_matches_native.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
                   $<TARGET_FILE:velmar> ${VELMAR_NATIVE_ENGINE} ${CMAKE_SOURCE_DIR}/examples)
  set_tests_properties(windows_engine_matches_native PROPERTIES
    LABELS "windows;model" FIXTURES_REQUIRED wine_prefix ENVIRONMENT "${VELMAR_WINE_ENVIRONMENT}")
endif()
