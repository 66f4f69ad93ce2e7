"""libkorbit.so.1 through ctypes: the structures and functions of
include/korbit/korbit.h, declared once."""

import ctypes
import os
from ctypes import (CFUNCTYPE, POINTER, Structure, Union, c_char_p, c_double, c_float, c_int, c_int16, c_int32,
                    c_size_t, c_uint32, c_void_p)

from . import _location

# korbit_type
EMPTY, NULL, MISSING, ERROR, BOOL, INT16, INT32, SINGLE, DOUBLE, DATE, TEXT, ARRAY, RECORD = range(13)
VARIANT = 14

# korbit_status values the binding tells apart; korbit_invoke_kind; passing.
OK = 0
REPORTED = -2147220991
INVOKE_METHOD, INVOKE_PROPERTY_GET, INVOKE_PROPERTY_PUT = 1, 2, 4
BY_VALUE, BY_REFERENCE, GIVEN_BACK = 0, 1, 2


class Bound(Structure):
    _fields_ = [("lower", c_int32), ("count", c_int32)]


def _value_types(text_pointer):
    """korbit_value and what it points to, its union's members (and the
    text's data and length) reached directly. Values the binding passes hold
    their text as c_char_p (the bytes object stays alive with the value);
    values it reads hold an address, as a text may hold NUL characters."""

    class Value(Structure):
        pass

    class Field(Structure):
        pass

    class Array(Structure):
        _fields_ = [("element_type", c_int32), ("dimensions", c_uint32), ("bounds", Bound * 2),
                    ("elements", POINTER(Value))]

    class Record(Structure):
        _fields_ = [("type_name", c_char_p), ("field_count", c_size_t), ("fields", POINTER(Field))]

    class Text(Structure):
        _fields_ = [("data", text_pointer), ("length", c_size_t)]

    class As(Union):
        _anonymous_ = ("text",)
        _fields_ = [("boolean", c_int16), ("int16", c_int16), ("int32", c_int32), ("error", c_int32),
                    ("single", c_float), ("number", c_double), ("date", c_double), ("text", Text),
                    ("array", POINTER(Array)), ("record", POINTER(Record))]

    Value._anonymous_ = ("as_",)
    Value._fields_ = [("type", c_int32), ("as_", As)]
    Field._fields_ = [("name", c_char_p), ("value", Value)]
    return Value, Array, Field, Record


InValue, InArray, InField, InRecord = _value_types(c_char_p)
OutValue, OutArray, OutField, OutRecord = _value_types(c_void_p)


class Error(Structure):
    _fields_ = [("status", c_int32), ("number", c_int32), ("argument", c_int32), ("description", c_char_p)]


class Failure(Structure):
    _fields_ = [("method", c_char_p), ("description", c_char_p)]


MessageBox = CFUNCTYPE(c_int32, c_void_p, c_char_p, c_int32, c_char_p)
PumpEvents = CFUNCTYPE(None, c_void_p)
InputPending = CFUNCTYPE(c_int, c_void_p)
ReportFailure = CFUNCTYPE(None, c_void_p, c_char_p, c_char_p)


class Host(Structure):
    _fields_ = [("context", c_void_p), ("message_box", MessageBox), ("pump_events", PumpEvents),
                ("input_pending", InputPending), ("report_failure", ReportFailure)]


class ParamInfo(Structure):
    _fields_ = [("name", c_char_p), ("type", c_int32), ("element_type", c_int32), ("type_name", c_char_p),
                ("passing", c_int32), ("optional", c_int32), ("default_value", POINTER(OutValue))]


class MemberInfo(Structure):
    _fields_ = [("name", c_char_p), ("dispid", c_int32), ("kind", c_int32), ("result_type", c_int32),
                ("result_type_name", c_char_p), ("param_count", c_size_t), ("params", POINTER(ParamInfo))]


class EnumMember(Structure):
    _fields_ = [("name", c_char_p), ("value", c_int32)]


class EnumerationInfo(Structure):
    _fields_ = [("name", c_char_p), ("member_count", c_size_t), ("members", POINTER(EnumMember))]


class FieldInfo(Structure):
    _fields_ = [("name", c_char_p), ("type", c_int32), ("element_type", c_int32), ("type_name", c_char_p)]


class RecordInfo(Structure):
    _fields_ = [("name", c_char_p), ("field_count", c_size_t), ("fields", POINTER(FieldInfo))]


def _path():
    """The library installed with this package, else the system's."""
    here = os.path.dirname(os.path.abspath(__file__))
    beside = os.path.normpath(os.path.join(here, _location.RELATIVE_LIBRARY))
    return beside if os.path.exists(beside) else _location.SONAME


PATH = _path()
# Calls that may run long (a method, creating an object) let other threads
# run meanwhile; the quick ones that only read keep the interpreter's lock.
_long = ctypes.CDLL(PATH)
_quick = ctypes.PyDLL(PATH)


def _declare(library, name, result, *arguments):
    function = getattr(library, name)
    function.restype = result
    function.argtypes = arguments
    return function


create = _declare(_long, "korbit_create", c_int32, c_char_p, POINTER(c_void_p))
release = _declare(_long, "korbit_release", None, c_void_p)
dispatch_id = _declare(_quick, "korbit_dispatch_id", c_int32, c_void_p, c_char_p, POINTER(c_int32))
# The one call on every method's way: declared without argument types,
# which ctypes would check at each call; _objects passes exactly these.
invoke = _long.korbit_invoke
invoke.restype = c_int32
argument = _declare(_quick, "korbit_argument", POINTER(OutValue), c_void_p, c_size_t)
last_error = _declare(_quick, "korbit_last_error", POINTER(Error), c_void_p)
failure_count = _declare(_quick, "korbit_failure_count", c_size_t, c_void_p)
failure_at = _declare(_quick, "korbit_failure_at", POINTER(Failure), c_void_p, c_size_t)
safe_answer = _declare(_quick, "korbit_safe_answer", c_int32, c_int32)
set_host = _declare(_quick, "korbit_set_host", c_int32, c_void_p, POINTER(Host))
member_count = _declare(_quick, "korbit_member_count", c_size_t, c_void_p)
member = _declare(_quick, "korbit_member", POINTER(MemberInfo), c_void_p, c_size_t)
enumeration_count = _declare(_quick, "korbit_enumeration_count", c_size_t)
enumeration = _declare(_quick, "korbit_enumeration", POINTER(EnumerationInfo), c_size_t)
record_type_count = _declare(_quick, "korbit_record_type_count", c_size_t)
record_type = _declare(_quick, "korbit_record_type", POINTER(RecordInfo), c_size_t)
version = _declare(_quick, "korbit_version", c_char_p)
