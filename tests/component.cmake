# The component server (libkorbit.so) and the host-side loader. The tests
# never link the library: they load it at run time, by path or by program
# identifier, some of them from a probe program started as a fresh process.
add_executable(component_probe component/component_probe.cpp)
target_link_libraries(component_probe PRIVATE korbit_common korbit_hosting)

# A component library of another build, for the loader to refuse.
add_library(korbit_other_build SHARED component/other_build_library.cpp)
target_link_libraries(korbit_other_build PRIVATE korbit_common)
target_include_directories(korbit_other_build PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(korbit_other_build PROPERTIES CXX_VISIBILITY_PRESET hidden)

add_executable(component_tests
    component/com_object_test.cpp
    component/component_test_support.cpp
    component/fresh_process_test.cpp
    component/interface_version_test.cpp
    component/owned_files_test.cpp
    component/registration_test.cpp
)
target_include_directories(component_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(component_tests PRIVATE korbit_common korbit_hosting GTest::gtest_main)
target_compile_definitions(component_tests PRIVATE
    KORBIT_LIBRARY_FILE="$<TARGET_FILE:korbit>"
    KORBIT_OTHER_BUILD_FILE="$<TARGET_FILE:korbit_other_build>"
    KORBIT_PROBE_FILE="$<TARGET_FILE:component_probe>")
add_dependencies(component_tests korbit korbit_other_build component_probe)
gtest_discover_tests(component_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS component)
