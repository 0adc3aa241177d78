# qv_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT])
# Builds one GoogleTest program and registers its cases with ctest.
# QT links the headless QApplication test main; otherwise the plain one.
function(qv_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE qv::test_support_qt ${ARG_LIBS})
  else()
    target_link_libraries(${name} PRIVATE qv::test_support ${ARG_LIBS})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
