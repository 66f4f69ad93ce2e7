# The method reference (korbit/control/values/method_reference.md) has a section for
# every method of the table and every enumeration and record of the type
# library, in the format its head describes.
add_test(NAME method_reference
         COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/check_method_reference.py
                 --root ${PROJECT_SOURCE_DIR})
set_tests_properties(method_reference PROPERTIES LABELS reference)
