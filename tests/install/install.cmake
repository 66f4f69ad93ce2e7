# The installation, used as a user uses it.
add_test(NAME install_and_use
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install/install_test.sh ${CMAKE_BINARY_DIR} ${KORBIT_INSTALL_PRIVATE_LIBDIR})
set_tests_properties(install_and_use PROPERTIES LABELS install TIMEOUT 300)

# The Debian package, unpacked into a scratch folder and used.
add_test(NAME package_unpacked_and_used
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install/package_test.sh ${CMAKE_BINARY_DIR} ${CMAKE_INSTALL_LIBDIR}
            ${KORBIT_APP_ID})
set_tests_properties(package_unpacked_and_used PROPERTIES LABELS install TIMEOUT 600)
