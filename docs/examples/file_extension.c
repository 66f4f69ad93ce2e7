/* Prints the extension of a file name, as the control library gives it. */
#include <korbit/korbit.h>
#include <stdio.h>

int main(int argc, char** argv) {
    korbit_object* control;
    const korbit_value* extension;
    korbit_value file = korbit_text(argc > 1 ? argv[1] : "report.TXT");
    korbit_status status = korbit_create("Korbit.KorbitControl", &control);
    if (status == KORBIT_OK)
        status = korbit_call(control, "GetFileExt", &file, 1, &extension);
    if (status == KORBIT_OK)
        printf("%s\n", extension->as.text.data);
    else
        fprintf(stderr, "%s\n", korbit_last_error(control)->description);
    korbit_release(control);
    return status == KORBIT_OK ? 0 : 1;
}
