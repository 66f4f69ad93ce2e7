# Every method that opens a path, handed a named pipe. A call that waits on
# the pipe would wait for good: the timeout turns that into a failure.
add_executable(named_pipe_tests
    platform/scratch_folder.h
    support/control_client.h
    named_pipes/named_pipe_test.cpp
)
target_include_directories(named_pipe_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(named_pipe_tests PRIVATE korbit_common korbit_core korbit_hosting GTest::gtest_main)
gtest_discover_tests(named_pipe_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS services TIMEOUT 10)
