# Adds the given folders (relative to the current one), in order, when they hold a CMakeLists.txt.
function(nxa_add_components)
  foreach(folder IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
      add_subdirectory(${folder})
    endif()
  endforeach()
endfunction()

# nxa_add_test(NAME SOURCES... LIBS ... [QT_MAIN] [LABELS ...] [TIMEOUT s]): one GoogleTest
# executable registered with CTest. QT_MAIN runs the tests inside a Qt application
# with the SNMP layer started (tests/support); OWN_MAIN: the sources bring main().
function(nxa_add_test name)
  cmake_parse_arguments(T "QT_MAIN;OWN_MAIN" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_QT_MAIN)
    target_link_libraries(${name} PRIVATE nxa_test_main)
  elseif(NOT T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} nxa_test_support GTest::gtest GTest::gmock Threads::Threads)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set(props TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;NXA_SOURCE_DIR=${CMAKE_SOURCE_DIR};NXA_BINARY_DIR=${CMAKE_BINARY_DIR}")
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()
