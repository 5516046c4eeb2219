# The wxWidgets side of the build: GUI code links kavro_wx; the core never does.

find_package(wxWidgets REQUIRED COMPONENTS aui core base)
add_library(kavro_wx INTERFACE)
# System includes: the toolkit's headers are not ours to keep free of warnings.
target_include_directories(kavro_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(kavro_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(kavro_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(kavro_wx INTERFACE ${wxWidgets_LIBRARIES})

set(KAVRO_GUI_TEST_SUPPORT_DIR ${CMAKE_CURRENT_LIST_DIR}/../tests/support/gui)

# kavro_gui_test(<name> SOURCES ... [DEPS ...]): a GoogleTest executable whose tests drive real
# windows. Each test process starts an X server of its own, so these tests run in parallel with
# everything else. Screenshots go to screenshots/ in the build tree.
function(kavro_gui_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(NOT TARGET kavro_gui_test_support)
    add_library(kavro_gui_test_support STATIC
      ${KAVRO_GUI_TEST_SUPPORT_DIR}/GuiTest.cpp ${KAVRO_GUI_TEST_SUPPORT_DIR}/GuiTestMain.cpp
      ${KAVRO_GUI_TEST_SUPPORT_DIR}/PrivateDisplay.cpp)
    target_link_libraries(kavro_gui_test_support PUBLIC kavro_options kavro_wx GTest::gtest)
    target_compile_definitions(kavro_gui_test_support PRIVATE
      KAVRO_SCREENSHOT_DIR="${PROJECT_BINARY_DIR}/screenshots")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kavro_options ${ARG_DEPS} kavro_gui_test_support
    GTest::gmock GTest::gtest)
  kavro_precompile(${name} TESTS WX)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT ${KAVRO_DISCOVERY_TIMEOUT}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES TIMEOUT 120 LABELS gui)
endfunction()
