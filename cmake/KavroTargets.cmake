# Shared compile settings and helpers for every target of the project.

add_library(kavro_options INTERFACE)
target_compile_options(kavro_options INTERFACE -Wall -Wextra)
# GCC 12 at -O2 and above reports -Wrestrict, -Wstringop-overflow, -Wstringop-overread and
# -Warray-bounds from inside libstdc++ for plain std::string concatenation: known false positives
# of that compiler, which would fill the Release build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kavro_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>
    "$<$<AND:$<COMPILE_LANGUAGE:CXX>,$<NOT:$<CONFIG:Debug>>>:-Wno-stringop-overflow;-Wno-stringop-overread;-Wno-array-bounds>")
endif()
if(KAVRO_WERROR)
  target_compile_options(kavro_options INTERFACE -Werror)
endif()
if(KAVRO_SANITIZE)
  target_compile_options(kavro_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(kavro_options INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(kavro_options INTERFACE ${PROJECT_SOURCE_DIR})

# Precompiled headers: most of a translation unit's time is spent in the standard library's,
# GoogleTest's and the toolkit's headers, so each target parses them once.
option(KAVRO_PCH "Precompile the standard, test and toolkit headers of each target" ON)
set(KAVRO_STD_HEADERS <algorithm> <cstdint> <functional> <map> <memory> <optional> <set> <string>
  <string_view> <unordered_map> <utility> <vector>)

# kavro_precompile(<target> [TESTS] [WX]): the standard headers, and GoogleTest's and the
# toolkit's where the target uses them.
function(kavro_precompile target)
  if(NOT KAVRO_PCH)
    return()
  endif()
  cmake_parse_arguments(ARG "TESTS;WX" "" "" ${ARGN})
  set(headers ${KAVRO_STD_HEADERS})
  if(ARG_TESTS)
    list(APPEND headers <gtest/gtest.h>)
  endif()
  if(ARG_WX)
    list(APPEND headers <wx/wx.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# Whether a target with these dependencies is GUI code (it sees the toolkit's headers).
function(kavro_uses_wx result name)
  set(deps ${ARGN})
  set(uses OFF)
  if(name MATCHES "_(wx|ui)$")
    set(uses ON)
  endif()
  foreach(dep IN LISTS deps)
    if(dep MATCHES "^kavro_.*(wx|_ui)$" OR dep STREQUAL "kavro_demo_common")
      set(uses ON)
    endif()
  endforeach()
  set(${result} ${uses} PARENT_SCOPE)
endfunction()

# Listing a sanitized test program's tests can take far longer than CMake's five seconds on a busy
# machine, and a listing cut short fails the whole run.
set(KAVRO_DISCOVERY_TIMEOUT 120)

# kavro_library(<name> SOURCES ... [DEPS ...])
function(kavro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC kavro_options ${ARG_DEPS})
  kavro_uses_wx(wx ${name} ${ARG_DEPS})
  if(wx)
    kavro_precompile(${name} WX)
  else()
    kavro_precompile(${name})
  endif()
endfunction()

# kavro_test(<name> SOURCES ... [DEPS ...] [PROPERTIES ...]): one GoogleTest executable, each test
# registered with CTest (with the test properties given); the macros KAVRO_SOURCE_DIR and
# KAVRO_BINARY_DIR name the source and build trees.
function(kavro_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kavro_options ${ARG_DEPS} GTest::gmock GTest::gtest GTest::gtest_main)
  kavro_uses_wx(wx ${name} ${ARG_DEPS})
  if(wx)
    kavro_precompile(${name} TESTS WX)
  else()
    kavro_precompile(${name} TESTS)
  endif()
  # Tests find their fixtures and scratch space through these two paths.
  target_compile_definitions(${name} PRIVATE
    KAVRO_SOURCE_DIR="${PROJECT_SOURCE_DIR}" KAVRO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(properties)
  if(ARG_PROPERTIES)
    set(properties PROPERTIES ${ARG_PROPERTIES})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT ${KAVRO_DISCOVERY_TIMEOUT}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} ${properties})
endfunction()

# kavro_bench(<name> SOURCES ... [DEPS ...])
function(kavro_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kavro_options ${ARG_DEPS} benchmark::benchmark)
endfunction()
