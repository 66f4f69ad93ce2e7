# The settings-file store, the file and folder operations, and the file
# times and attributes.
add_executable(services_ops_tests
    platform/scratch_folder.h
    support/control_client.h
    services/file_operations_test.cpp
    services/file_times_test.cpp
    services/settings_behaviour_test.cpp
    services/settings_store_test.cpp
    services/trash_and_launch_test.cpp
)
target_include_directories(services_ops_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(services_ops_tests PRIVATE korbit_common korbit_core korbit_hosting GTest::gtest_main)
gtest_discover_tests(services_ops_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS services)

# The same methods through the korbit program.
add_executable(services_ops_cli_tests services/korbit_call_test.cpp)
target_link_libraries(services_ops_cli_tests PRIVATE korbit_common korbit_cli_parts GTest::gtest_main)
target_compile_definitions(services_ops_cli_tests PRIVATE KORBIT_PROGRAM="$<TARGET_FILE:korbit_cli>")
add_dependencies(services_ops_cli_tests korbit_cli)
gtest_discover_tests(services_ops_cli_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS services)
