# Shared compile settings and helpers for every target of the project.

add_library(kavro_options INTERFACE)
target_compile_options(kavro_options INTERFACE -Wall -Wextra)
# GCC 12 at -O2 and above reports -Wrestrict from inside libstdc++ for plain std::string
# concatenation: a known false positive of that compiler, which would fill the Release build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kavro_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
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

# Listing a sanitized test program's tests can take far longer than CMake's five seconds on a busy
# machine, and a listing cut short fails the whole run.
set(KAVRO_DISCOVERY_TIMEOUT 120)

# kavro_library(<name> SOURCES ... [DEPS ...])
function(kavro_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC kavro_options ${ARG_DEPS})
endfunction()

# kavro_test(<name> SOURCES ... [DEPS ...] [PROPERTIES ...]): one GoogleTest executable, each test
# registered with CTest (with the test properties given); the macros KAVRO_SOURCE_DIR and
# KAVRO_BINARY_DIR name the source and build trees.
function(kavro_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kavro_options ${ARG_DEPS} GTest::gmock GTest::gtest GTest::gtest_main)
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
