# The component server (libkorbit.so) and the host-side loader. The tests
# never link the library: they load it at run time, by path or by program
# identifier, some of them from a probe program started as a fresh process.
add_executable(component_probe component/component_probe.cpp)
target_link_libraries(component_probe PRIVATE korbit_common korbit_hosting)

add_executable(component_tests
    component/com_object_test.cpp
    component/component_test_support.cpp
    component/fresh_process_test.cpp
    component/registration_test.cpp
)
target_include_directories(component_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(component_tests PRIVATE korbit_common korbit_hosting GTest::gtest_main)
target_compile_definitions(component_tests PRIVATE
    KORBIT_LIBRARY_FILE="$<TARGET_FILE:korbit>"
    KORBIT_PROBE_FILE="$<TARGET_FILE:component_probe>")
add_dependencies(component_tests korbit component_probe)
gtest_discover_tests(component_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS component)
