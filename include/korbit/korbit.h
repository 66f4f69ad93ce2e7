/* The C interface of the Korbit control library (libkorbit.so.1).
 *
 * A program creates the library's objects by program identifier
 * ("Korbit.KorbitControl", "Korbit.SHA256", "Korbit.BinHexDecCls") and calls
 * their methods late-bound, by name or by dispatch identifier, with values of
 * one type, korbit_value. Every method, its arguments and its result are
 * described by the object itself (korbit_member), the enumerations and
 * records by the library (korbit_enumeration, korbit_record_type); what each
 * method does is in the method reference (method_reference.md in the source).
 *
 *     korbit_object* control;
 *     const korbit_value* result;
 *     korbit_value file = korbit_text("a.TXT");
 *     korbit_create("Korbit.KorbitControl", &control);
 *     if (korbit_call(control, "GetFileExt", &file, 1, &result) == KORBIT_OK)
 *         printf("%.*s\n", (int)result->as.text.length, result->as.text.data);
 *     else
 *         fprintf(stderr, "%s\n", korbit_last_error(control)->description);
 *     korbit_release(control);
 *
 * Ownership, in one rule: what the caller builds stays the caller's, what the
 * library hands out stays the library's. The library only reads the values a
 * caller passes, during the call, and never keeps, changes or frees them;
 * they may point into any memory (string literals, the stack). The values,
 * texts and descriptions the library hands out belong to the object they came
 * from and stay valid until its next call or its release; the caller never
 * frees them. Descriptions of members, enumerations and records stay valid as
 * long as the object (or, for the library's, the process) lives.
 *
 * Threads: one object is called from one thread at a time. A call made from a
 * second thread while one runs is refused with KORBIT_E_WRONG_THREAD; a call
 * made on the same thread from inside a call (from a host callback, such as
 * the event pump during a long encryption) is allowed. Different objects may
 * be used on different threads at the same time.
 *
 * Text is UTF-8 and length-counted, so it may hold NUL characters. A file name
 * is any bytes: a byte that is not part of valid UTF-8 goes in and comes back
 * as itself (the library carries it as the character U+DC80..U+DCFF whose low
 * byte it is, as Python's "surrogateescape" does). A character that the
 * control makes and that UTF-8 cannot hold (a lone surrogate other than those
 * escapes) comes out as U+FFFD.
 *
 * Nothing of C++ crosses this interface, and no function lets an exception
 * out. Functions that can fail return a korbit_status: KORBIT_OK or a
 * negative code; korbit_last_error tells more.
 */
#ifndef KORBIT_KORBIT_H
#define KORBIT_KORBIT_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#if defined(__GNUC__)
#define KORBIT_API __attribute__((visibility("default")))
#else
#define KORBIT_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Status codes ------------------------------------------------------ */

typedef int32_t korbit_status;

enum {
    KORBIT_OK = 0,
    /* The call failed with a run-time error of the method: its number and
     * description are in korbit_last_error (53 "File not found", ...). */
    KORBIT_E_EXCEPTION = -2147352567,          /* 0x80020009 */
    KORBIT_E_UNKNOWN_NAME = -2147352570,       /* 0x80020006: no member of that name */
    KORBIT_E_MEMBER_NOT_FOUND = -2147352573,   /* 0x80020003: no member of that identifier and kind */
    KORBIT_E_TYPE_MISMATCH = -2147352571,      /* 0x80020005: an argument has no reading as its type */
    KORBIT_E_OVERFLOW = -2147352566,           /* 0x8002000A: a number does not fit its type */
    KORBIT_E_BAD_PARAM_COUNT = -2147352562,    /* 0x8002000E: more arguments than the member takes */
    KORBIT_E_PARAM_NOT_OPTIONAL = -2147352561, /* 0x8002000F: a required argument was left out */
    KORBIT_E_NOT_IMPLEMENTED = -2147467263,    /* 0x80004001 */
    KORBIT_E_POINTER = -2147467261,            /* 0x80004003: a required pointer is NULL */
    KORBIT_E_FAIL = -2147467259,               /* 0x80004005 */
    KORBIT_E_OUT_OF_MEMORY = -2147024882,      /* 0x8007000E */
    KORBIT_E_INVALID_ARG = -2147024809,        /* 0x80070057: a value that is not well formed */
    /* The object could not be created (not found, not trusted, another
     * interface version): the description says why. */
    KORBIT_E_CLASS_NOT_REGISTERED = -2147221164, /* 0x80040154 */
    /* The method ran, but reported a failure through its host (a settings
     * write that changed nothing, say): korbit_failure lists them. The result
     * and the given-back arguments are still there to read. */
    KORBIT_E_REPORTED = -2147220991,           /* 0x80040201 */
    /* Called from a second thread while a call of the object runs. */
    KORBIT_E_WRONG_THREAD = -2147417842        /* 0x8001010E */
};

/* ---- Values ------------------------------------------------------------ */

/* The automation types. */
typedef enum korbit_type {
    KORBIT_TYPE_EMPTY = 0,   /* no value */
    KORBIT_TYPE_NULL = 1,    /* the automation Null */
    KORBIT_TYPE_MISSING = 2, /* an optional argument left out: it takes its default */
    KORBIT_TYPE_ERROR = 3,   /* an error value: as.error */
    KORBIT_TYPE_BOOL = 4,    /* as.boolean: KORBIT_TRUE (-1) or KORBIT_FALSE (0) */
    KORBIT_TYPE_INT16 = 5,   /* as.int16 */
    KORBIT_TYPE_INT32 = 6,   /* as.int32; enumerations travel as these */
    KORBIT_TYPE_SINGLE = 7,  /* as.single */
    KORBIT_TYPE_DOUBLE = 8,  /* as.number */
    KORBIT_TYPE_DATE = 9,    /* as.date: days since 30 December 1899, local time, no zone */
    KORBIT_TYPE_TEXT = 10,   /* as.text */
    KORBIT_TYPE_ARRAY = 11,  /* as.array */
    KORBIT_TYPE_RECORD = 12, /* as.record */
    KORBIT_TYPE_VARIANT = 14 /* array elements and arguments only: any type */
} korbit_type;

enum { KORBIT_TRUE = -1, KORBIT_FALSE = 0 };

typedef struct korbit_value korbit_value;

/* One dimension of an array: its lower bound and its number of elements. */
typedef struct korbit_bound {
    int32_t lower;
    int32_t count;
} korbit_bound;

/* An array of one or two dimensions. `elements` holds every element, the
 * first index varying fastest: element (i, j) is
 * elements[(i - bounds[0].lower) + (j - bounds[1].lower) * bounds[0].count].
 * An array of no dimensions is declared but not allocated. */
typedef struct korbit_array {
    int32_t element_type; /* the korbit_type of every element; KORBIT_TYPE_VARIANT: each its own */
    uint32_t dimensions;  /* 0, 1 or 2 */
    korbit_bound bounds[2];
    const korbit_value* elements;
} korbit_array;

typedef struct korbit_field korbit_field;

/* A record of the type library (FILE_PARAMS, ARRAY_PARAMS, ...). Given as an
 * argument, its fields may come in any order and may be left out (they keep
 * their defaults); `type_name` NULL means the type the argument is declared
 * as. Handed out, it has every field in declared order. */
typedef struct korbit_record {
    const char* type_name;
    size_t field_count;
    const korbit_field* fields;
} korbit_record;

struct korbit_value {
    int32_t type; /* a korbit_type */
    union {
        int16_t boolean;
        int16_t int16;
        int32_t int32;
        int32_t error;
        float single;
        double number;
        double date;
        struct {
            const char* data; /* UTF-8, length bytes; NUL-terminated when the library hands it out */
            size_t length;
        } text;
        const korbit_array* array;
        const korbit_record* record;
    } as;
};

struct korbit_field {
    const char* name;
    korbit_value value;
};

/* Values to pass: each fills in one korbit_value. */
static inline korbit_value korbit_empty(void) {
    korbit_value v;
    memset(&v, 0, sizeof v);
    return v;
}
static inline korbit_value korbit_missing(void) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_MISSING;
    return v;
}
static inline korbit_value korbit_null(void) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_NULL;
    return v;
}
static inline korbit_value korbit_bool(int b) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_BOOL;
    v.as.boolean = b ? KORBIT_TRUE : KORBIT_FALSE;
    return v;
}
static inline korbit_value korbit_int16(int16_t n) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_INT16;
    v.as.int16 = n;
    return v;
}
static inline korbit_value korbit_int32(int32_t n) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_INT32;
    v.as.int32 = n;
    return v;
}
static inline korbit_value korbit_double(double x) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_DOUBLE;
    v.as.number = x;
    return v;
}
static inline korbit_value korbit_date(double days) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_DATE;
    v.as.date = days;
    return v;
}
/* `length` bytes of UTF-8 at `data`, which may hold NUL characters. */
static inline korbit_value korbit_text_n(const char* data, size_t length) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_TEXT;
    v.as.text.data = data;
    v.as.text.length = length;
    return v;
}
/* A NUL-terminated text; NULL is the empty text. */
static inline korbit_value korbit_text(const char* text) {
    return korbit_text_n(text, text != NULL ? strlen(text) : 0);
}
static inline korbit_value korbit_array_value(const korbit_array* array) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_ARRAY;
    v.as.array = array;
    return v;
}
static inline korbit_value korbit_record_value(const korbit_record* record) {
    korbit_value v = korbit_empty();
    v.type = KORBIT_TYPE_RECORD;
    v.as.record = record;
    return v;
}

/* A calendar day and time (local, no zone), and the automation date that
 * stands for it. Before 30 December 1899 the whole days count backwards while
 * the fraction still adds time forwards: -1.25 is 29 December 1899, 06:00. */
typedef struct korbit_civil_time {
    int32_t year, month, day, hour, minute, second;
} korbit_civil_time;

/* KORBIT_OK and *days, or KORBIT_E_INVALID_ARG for a day that does not exist
 * or lies outside the years 100 to 9999. */
KORBIT_API korbit_status korbit_date_from_civil(const korbit_civil_time* civil, double* days);
/* KORBIT_OK and *civil (the time rounded to the second), or
 * KORBIT_E_INVALID_ARG for a date outside the years 100 to 9999. */
KORBIT_API korbit_status korbit_date_to_civil(double days, korbit_civil_time* civil);

/* ---- Objects ----------------------------------------------------------- */

typedef struct korbit_object korbit_object;

/* Creates an object of the class `program_id` names, found as the library's
 * own programs find it: in the user's component registry
 * ($XDG_DATA_HOME/korbit/), else the control library installed with this
 * library, loaded only when nobody but root and the user could have put it
 * there, and only when it was built for this library's interface version.
 *
 * *object receives the new object, which the caller releases with
 * korbit_release, also when creating failed: then every call of it fails
 * with the same status and korbit_last_error says why. *object is NULL only
 * when `object` is NULL (KORBIT_E_POINTER) or memory ran out. Returns
 * KORBIT_OK, KORBIT_E_CLASS_NOT_REGISTERED or KORBIT_E_OUT_OF_MEMORY. */
KORBIT_API korbit_status korbit_create(const char* program_id, korbit_object** object);

/* Releases the object. Released from inside one of its own calls (from a
 * host callback), it goes when that call is over. NULL is ignored. */
KORBIT_API void korbit_release(korbit_object* object);

/* ---- Calls ------------------------------------------------------------- */

/* How a member is invoked. */
typedef enum korbit_invoke_kind {
    KORBIT_INVOKE_METHOD = 1,
    KORBIT_INVOKE_PROPERTY_GET = 2,
    KORBIT_INVOKE_PROPERTY_PUT = 4
} korbit_invoke_kind;

/* The dispatch identifier of the member `name` (ASCII letters in any case)
 * in *dispid: KORBIT_OK, or KORBIT_E_UNKNOWN_NAME. */
KORBIT_API korbit_status korbit_dispatch_id(korbit_object* object, const char* name, int32_t* dispid);

/* Invokes member `dispid` as `kind` with `count` arguments, first argument
 * first. An argument that is KORBIT_TYPE_MISSING, or past `count`, is left
 * out: an optional one takes its default, and so does one that the method
 * gives back (an empty text, a date of 0, a record with every field at its
 * default, ...); any other is refused with KORBIT_E_PARAM_NOT_OPTIONAL. Each
 * argument is converted to its declared type by the automation rules.
 *
 * *result (when `result` is not NULL) receives the member's result, an
 * Empty value for a member without one; it belongs to the object. What the
 * method wrote into the arguments it gives back is read with korbit_argument.
 *
 * Returns KORBIT_OK; KORBIT_E_REPORTED when the method ran but reported a
 * failure through its host; or the failing status, and then *result is
 * Empty. Either way korbit_last_error describes the outcome. */
KORBIT_API korbit_status korbit_invoke(korbit_object* object, int32_t dispid, korbit_invoke_kind kind,
                                       const korbit_value* args, size_t count, const korbit_value** result);

/* korbit_dispatch_id, then korbit_invoke of that method. */
KORBIT_API korbit_status korbit_call(korbit_object* object, const char* method, const korbit_value* args,
                                     size_t count, const korbit_value** result);

/* The final value of argument `index` of the object's last call, for an
 * argument the method gives back (korbit_param_info.passing is
 * KORBIT_GIVEN_BACK); NULL for any other argument or index. Valid until the
 * object's next call. */
KORBIT_API const korbit_value* korbit_argument(const korbit_object* object, size_t index);

/* What went wrong in the object's last call (or its creation). */
typedef struct korbit_error {
    korbit_status status;    /* KORBIT_OK when nothing did */
    int32_t number;          /* the run-time error number (13 Type mismatch, 53 File not found); 0 when none */
    int32_t argument;        /* the index of the argument a conversion failed on; -1 when none */
    const char* description; /* UTF-8; "" when nothing went wrong */
} korbit_error;

/* Never NULL for an object; valid until the object's next call. */
KORBIT_API const korbit_error* korbit_last_error(const korbit_object* object);

/* The failures the method of the last call reported through its host, in
 * the order it reported them: the method's name and the description, both
 * UTF-8. korbit_failure gives NULL past the count. */
typedef struct korbit_failure {
    const char* method;
    const char* description;
} korbit_failure;
KORBIT_API size_t korbit_failure_count(const korbit_object* object);
KORBIT_API const korbit_failure* korbit_failure_at(const korbit_object* object, size_t index);

/* ---- The host ---------------------------------------------------------- */

/* Message box styles (buttons plus icon) and answers. */
enum {
    KORBIT_BOX_OK_ONLY = 0,
    KORBIT_BOX_OK_CANCEL = 1,
    KORBIT_BOX_ABORT_RETRY_IGNORE = 2,
    KORBIT_BOX_YES_NO_CANCEL = 3,
    KORBIT_BOX_YES_NO = 4,
    KORBIT_BOX_RETRY_CANCEL = 5,
    KORBIT_BOX_CRITICAL = 16,
    KORBIT_BOX_QUESTION = 32,
    KORBIT_BOX_EXCLAMATION = 48,
    KORBIT_BOX_INFORMATION = 64
};
enum {
    KORBIT_ANSWER_OK = 1,
    KORBIT_ANSWER_CANCEL = 2,
    KORBIT_ANSWER_ABORT = 3,
    KORBIT_ANSWER_RETRY = 4,
    KORBIT_ANSWER_IGNORE = 5,
    KORBIT_ANSWER_YES = 6,
    KORBIT_ANSWER_NO = 7
};

/* The answer that changes nothing for a box of `style`: OK for a lone OK
 * button, otherwise No, Cancel or Abort. */
KORBIT_API int32_t korbit_safe_answer(int32_t style);

/* What a program lends the control: each callback gets `context` first.
 * A NULL callback does what the default host does; the default host answers
 * every box with korbit_safe_answer, runs no events, has no input and shows
 * nothing (reported failures are in korbit_failure either way). Callbacks
 * run on the calling thread, inside a call; they may call the same object
 * (CancelOps from the event pump, say) and must not unwind through the
 * library (no C++ exception, no longjmp). Texts are UTF-8, valid during the
 * callback. */
typedef struct korbit_host {
    void* context;
    /* Shows a modal message box; returns the answer (KORBIT_ANSWER_...). */
    int32_t (*message_box)(void* context, const char* text, int32_t style, const char* title);
    /* Lets the program's pending events run. During an encryption it is
     * called between 32-byte blocks: return at once when it ran a moment ago. */
    void (*pump_events)(void* context);
    /* Non-zero when keyboard or mouse input arrived since the last call. */
    int (*input_pending)(void* context);
    /* A failure the method could not report through its result. */
    void (*report_failure)(void* context, const char* method, const char* description);
} korbit_host;

/* Lends `object` the host `host` (copied; NULL gives back the default).
 * KORBIT_OK, or KORBIT_E_NOT_IMPLEMENTED for an object that takes no host
 * (only KorbitControl shows boxes or reports failures). */
KORBIT_API korbit_status korbit_set_host(korbit_object* object, const korbit_host* host);

/* ---- Descriptions ------------------------------------------------------ */

/* How an argument is passed: by value, by reference (the method may not
 * change it), or given back (by reference, and the method writes it: read
 * it with korbit_argument). */
enum { KORBIT_BY_VALUE = 0, KORBIT_BY_REFERENCE = 1, KORBIT_GIVEN_BACK = 2 };

typedef struct korbit_param_info {
    const char* name;
    int32_t type;              /* the korbit_type it is converted to (INT32 for an enumeration) */
    int32_t element_type;      /* for an array: its elements' korbit_type */
    const char* type_name;     /* as the reference writes it: "String", "MathTypes", "FILE_PARAMS", "String()" */
    int32_t passing;           /* KORBIT_BY_VALUE, KORBIT_BY_REFERENCE or KORBIT_GIVEN_BACK */
    int32_t optional;          /* non-zero when it may be left out */
    const korbit_value* default_value; /* what it takes when left out; NULL: its type's empty value */
} korbit_param_info;

typedef struct korbit_member_info {
    const char* name;
    int32_t dispid;
    int32_t kind;              /* a korbit_invoke_kind */
    int32_t result_type;       /* a korbit_type; KORBIT_TYPE_EMPTY for none */
    const char* result_type_name; /* "String", "IsFileResults", "Variant", or "" for none */
    size_t param_count;
    const korbit_param_info* params;
} korbit_member_info;

/* The object's members (methods, and properties with one entry per
 * accessor) in the order of the interface; korbit_member gives NULL past the
 * count and for an object that was not created. */
KORBIT_API size_t korbit_member_count(const korbit_object* object);
KORBIT_API const korbit_member_info* korbit_member(const korbit_object* object, size_t index);

typedef struct korbit_enum_member {
    const char* name;
    int32_t value;
} korbit_enum_member;

typedef struct korbit_enumeration_info {
    const char* name;
    size_t member_count;
    const korbit_enum_member* members;
} korbit_enumeration_info;

typedef struct korbit_field_info {
    const char* name;
    int32_t type;          /* a korbit_type */
    int32_t element_type;  /* for an array field: its elements' korbit_type */
    const char* type_name; /* "Boolean", "Long", "String", "String()", "Variant()" */
} korbit_field_info;

typedef struct korbit_record_info {
    const char* name;
    size_t field_count;
    const korbit_field_info* fields;
} korbit_record_info;

/* The enumerations and records of the type library, in declared order; NULL
 * past the count. */
KORBIT_API size_t korbit_enumeration_count(void);
KORBIT_API const korbit_enumeration_info* korbit_enumeration(size_t index);
KORBIT_API size_t korbit_record_type_count(void);
KORBIT_API const korbit_record_info* korbit_record_type(size_t index);

/* The library's version, "0.1.0" say. */
KORBIT_API const char* korbit_version(void);

#ifdef __cplusplus
}
#endif

#endif /* KORBIT_KORBIT_H */
