# Folder backup and mirroring, file search.
add_executable(backup_search_tests
    backup_search/backup_search_fixture.h
    backup_search/name_pattern_test.cpp
    backup_search/folder_walk_test.cpp
    backup_search/search_test.cpp
    backup_search/backup_test.cpp
    backup_search/mirror_test.cpp
)
target_include_directories(backup_search_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(backup_search_tests PRIVATE korbit_common korbit_core korbit_hosting GTest::gtest_main)
gtest_discover_tests(backup_search_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS utilities)
