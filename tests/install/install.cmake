# The installation, used as a user uses it.
add_test(NAME install_and_use COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(install_and_use PROPERTIES LABELS install TIMEOUT 300)
