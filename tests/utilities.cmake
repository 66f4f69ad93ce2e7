# Array records, number and text helpers, dates and finance, calculators.
add_executable(utilities_tests
    support/control_client.h
    utilities/utilities_fixture.h
    utilities/array_file_test.cpp
    utilities/array_records_test.cpp
    utilities/number_text_test.cpp
    utilities/date_finance_test.cpp
    utilities/calculators_test.cpp
)
target_include_directories(utilities_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(utilities_tests PRIVATE korbit_common korbit_core korbit_hosting GTest::gtest_main)
gtest_discover_tests(utilities_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS utilities)
