# The tests of a web build, run under node and labelled web: the number conversions on the
# web's own standard library, and the programs against those of the build machine.
find_program(VELMAR_NODE node REQUIRED)

# GoogleTest built from the sources Debian ships, without our warning flags.
add_subdirectory(/usr/src/googletest googletest EXCLUDE_FROM_ALL SYSTEM)
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
add_executable(web_number_text_tests project/number_text_test.cpp)
target_link_libraries(web_number_text_tests PRIVATE velmar_project GTest::gtest_main)
add_test(NAME web_number_text COMMAND ${VELMAR_NODE} $<TARGET_FILE:web_number_text_tests>)
set_tests_properties(web_number_text PROPERTIES LABELS "web;project")

# The programs on the examples, spoilt projects and studies, when the build is told where the
# build machine's are (./test builds them first).
set(VELMAR_NATIVE_ENGINE "" CACHE FILEPATH "The engine built for the build machine, to compare with")
set(VELMAR_NATIVE_STUDY "" CACHE FILEPATH "velmar-study built for the build machine, to compare with")
if(VELMAR_NATIVE_ENGINE)
  add_test(NAME web_engine_matches_native
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/web/engine_matches_native.sh ${VELMAR_NODE}
                   $<TARGET_FILE:velmar> ${VELMAR_NATIVE_ENGINE} ${CMAKE_SOURCE_DIR}/examples)
  set_tests_properties(web_engine_matches_native PROPERTIES LABELS "web;model")
endif()
if(VELMAR_NATIVE_STUDY)
  add_test(NAME web_study_matches_native
           COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/web/study_matches_native.sh ${VELMAR_NODE}
                   $<TARGET_FILE:velmar-study> ${VELMAR_NATIVE_STUDY} ${CMAKE_SOURCE_DIR}/examples)
  set_tests_properties(web_study_matches_native PROPERTIES LABELS "web;study")
endif()
