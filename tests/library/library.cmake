# The C interface and the Python module, as their users see them.
add_executable(c_interface_tests library/c_interface_test.cpp)
target_link_libraries(c_interface_tests PRIVATE korbit_common korbit_c GTest::gtest_main)
gtest_discover_tests(c_interface_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS library)

# The library installed into a scratch prefix, then used from C with
# pkg-config and with the CMake package, from Python, and as the README
# shows. The C compiler is the one the build uses (its sanitizers too).
set(_stage ${CMAKE_BINARY_DIR}/library-stage)
set(_use ${CMAKE_CURRENT_SOURCE_DIR}/library/library_use.sh)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(_cc clang)
else()
    set(_cc cc)
endif()
set(_environment)
if(KORBIT_SANITIZE)
    # The C driver leaves out the sanitizers' C++ part, which the library's
    # own checks (of virtual calls) need, and the C++ run-time that part uses.
    string(APPEND _cc " -fsanitize=address,undefined -fsanitize-link-c++-runtime -Wl,--no-as-needed -lstdc++")
    # The system's python3 loads the sanitizers' run-time before the library.
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libclang_rt.asan-x86_64.so
                    OUTPUT_VARIABLE _asan_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(_environment "KORBIT_PRELOAD=${_asan_runtime}")
endif()
add_test(NAME library_staged COMMAND bash ${_use} stage ${CMAKE_BINARY_DIR} ${_stage})
add_test(NAME library_from_c COMMAND bash ${_use} c ${PROJECT_SOURCE_DIR} ${_stage} ${_cc})
add_test(NAME library_from_cmake COMMAND bash ${_use} cmake ${PROJECT_SOURCE_DIR} ${_stage} ${_cc})
add_test(NAME library_from_python COMMAND bash ${_use} python ${PROJECT_SOURCE_DIR} ${_stage})
add_test(NAME library_readme_examples COMMAND bash ${_use} readme ${PROJECT_SOURCE_DIR} ${_stage} ${_cc})
add_test(NAME library_unstaged COMMAND bash ${_use} clean ${_stage})
set_tests_properties(library_staged PROPERTIES FIXTURES_SETUP library_stage LABELS library)
set_tests_properties(library_from_c library_from_cmake library_from_python library_readme_examples PROPERTIES
    FIXTURES_REQUIRED library_stage LABELS library ENVIRONMENT "${_environment}")
set_tests_properties(library_unstaged PROPERTIES FIXTURES_CLEANUP library_stage LABELS library)
# The unpacked packages' Python module too.
set_tests_properties(package_unpacked_and_used PROPERTIES ENVIRONMENT "${_environment}")
