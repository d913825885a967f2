# Every entry of the calling folder ends within its time, a window test
# within a minute: a test that hangs fails instead of holding up the run.
# Tests that open windows (they run in the pictures folder, and the installed
# launcher's start) share the one X display and its keyboard focus: one at a
# time, while the others may run beside them (ctest -j).  Called last in
# each folder that adds tests (a calculator's folder: by kv_rechner).
function(kv_fristen_und_bildschirm)
  get_property(alle_tests DIRECTORY PROPERTY TESTS)
  foreach(t IN LISTS alle_tests)
    get_test_property(${t} TIMEOUT frist)
    if(NOT frist)
      set_tests_properties(${t} PROPERTIES TIMEOUT 60)
    endif()
    get_test_property(${t} WORKING_DIRECTORY ordner)
    if(ordner STREQUAL "${CMAKE_SOURCE_DIR}/pictures" OR t STREQUAL "installation")
      # Before the short ones without a window, or they queue up at the end,
      # one after the other, with the other core idle.
      set_tests_properties(${t} PROPERTIES RESOURCE_LOCK bildschirm COST 1)
    endif()
  endforeach()
endfunction()
