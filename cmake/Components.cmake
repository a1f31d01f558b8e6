# Adds the given folders (relative to the current one), in order, when they hold a CMakeLists.txt.
function(nxa_add_components)
  foreach(folder IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
      add_subdirectory(${folder})
    endif()
  endforeach()
endfunction()

# nxa_moc(TARGET...): runs moc for these targets (their classes use Q_OBJECT).
# AUTOMOC is off everywhere else.
function(nxa_moc)
  set_target_properties(${ARGN} PROPERTIES AUTOMOC ON)
endfunction()

# nxa_add_test(NAME SOURCES... [LIBS ...] [QT_MAIN|OWN_MAIN] [LABELS ...] [TIMEOUT s]
#              [THREAD_TESTS pattern...] [MOC])
# One GoogleTest program of a component, its tests registered with CTest as
# Suite.Test when CTest runs (not after each link). Calling it again with the
# same NAME adds SOURCES and LIBS to that program.
#   QT_MAIN       the tests run inside a Qt application with the SNMP layer started
#                 (tests/support); OWN_MAIN: the sources bring main(); otherwise
#                 GoogleTest's main.
#   LABELS        CTest labels of every test, besides the program's name.
#   THREAD_TESTS  GoogleTest patterns (Suite.*, Suite.Test) of the tests that
#                 start threads: they also get the label "threads", which
#                 ./test --tsan runs.
#   MOC           the sources use Q_OBJECT (found by itself when a source or
#                 its header says so at configure time).
function(nxa_add_test name)
  cmake_parse_arguments(T "QT_MAIN;OWN_MAIN;MOC" "TIMEOUT" "SOURCES;LIBS;LABELS;THREAD_TESTS" ${ARGN})
  if(TARGET ${name})
    target_sources(${name} PRIVATE ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS})
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_QT_MAIN)
    target_link_libraries(${name} PRIVATE nxa_test_main)
  elseif(NOT T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} nxa_test_support GTest::gtest GTest::gmock Threads::Threads)
  nxa_use_pch(${name} test)
  set(moc ${T_MOC})
  foreach(source IN LISTS T_SOURCES)
    get_filename_component(path ${source} ABSOLUTE)
    get_filename_component(header ${path} NAME_WLE)
    get_filename_component(folder ${path} DIRECTORY)
    foreach(file ${path} ${folder}/${header}.h)
      if(NOT moc AND EXISTS ${file})
        file(STRINGS ${file} found REGEX "Q_OBJECT")
        if(found)
          set(moc ON)
        endif()
      endif()
    endforeach()
  endforeach()
  if(moc)
    nxa_moc(${name})
  endif()

  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  # Labels and environment are lists, which gtest_discover_tests would split
  # into separate property arguments: a file of this program's own sets them
  # after discovery, on the list of tests that discovery leaves.
  set(env "QT_QPA_PLATFORM=offscreen;NXA_SOURCE_DIR=${CMAKE_SOURCE_DIR};NXA_BINARY_DIR=${CMAKE_BINARY_DIR}")
  set(labels ${name} ${T_LABELS})
  set(script "")
  if(T_THREAD_TESTS)
    list(JOIN T_THREAD_TESTS ":" threaded)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER "${threaded}"
      TEST_LIST ${name}_THREAD_TESTS PROPERTIES TIMEOUT ${T_TIMEOUT})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER "-${threaded}"
      TEST_LIST ${name}_OTHER_TESTS PROPERTIES TIMEOUT ${T_TIMEOUT})
    string(APPEND script "if(${name}_THREAD_TESTS)\n"
      "  set_tests_properties(\${${name}_THREAD_TESTS} PROPERTIES LABELS [==[${labels};threads]==] ENVIRONMENT [==[${env}]==])\n"
      "endif()\n")
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      TEST_LIST ${name}_OTHER_TESTS PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
  string(APPEND script "if(${name}_OTHER_TESTS)\n"
    "  set_tests_properties(\${${name}_OTHER_TESTS} PROPERTIES LABELS [==[${labels}]==] ENVIRONMENT [==[${env}]==])\n"
    "endif()\n")
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
  file(WRITE ${file} "${script}")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()
