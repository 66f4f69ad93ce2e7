# The path helpers and the platform layer beneath them.
add_executable(services_tests
    platform/scratch_folder.h
    platform/drives_test.cpp
    platform/file_search_test.cpp
    platform/known_folders_test.cpp
    platform/text_encoding_test.cpp
    services/path_helpers_files_test.cpp
    services/path_helpers_known_folders_test.cpp
    services/path_helpers_text_test.cpp
)
target_include_directories(services_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(services_tests PRIVATE korbit_common korbit_core GTest::gtest_main)
gtest_discover_tests(services_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS services)

# Replacing a file whole against a platform whose calls fail, and the
# rewrite's fallback folder, which needs a user who cannot write every
# folder: the binary runs once more as an unprivileged user.
add_executable(replacement_tests platform/replacement_test.cpp)
target_include_directories(replacement_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(replacement_tests PRIVATE korbit_common korbit_platform_posix GTest::gtest_main)
gtest_discover_tests(replacement_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS services)
add_test(NAME replacement_tests_unprivileged
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/support/run_unprivileged.sh $<TARGET_FILE:replacement_tests>)
set_tests_properties(replacement_tests_unprivileged PROPERTIES LABELS services SKIP_RETURN_CODE 77)
