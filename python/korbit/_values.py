"""Python values and korbit_value: what a call passes and what it gives back.

Text is str (or bytes, or a path): bytes that are not UTF-8 travel as the
characters U+DC80..U+DCFF, which os.fsencode turns back into those bytes.
Dates are naive datetime (local time; an aware one is converted to local
time first). Arrays are lists, records dataclasses, enumerations IntEnums.
"""

import dataclasses
import datetime
import enum
import math
import os
from ctypes import pointer, string_at

from . import _library as lib

_EPOCH = datetime.datetime(1899, 12, 30)
_MICROSECONDS_A_DAY = 86400 * 10**6
MAX_NESTING = 64
_TEXT = lib.TEXT
_INT32_TYPE = lib.INT32


class _NullType:
    """The automation Null, as an argument and as a result."""

    _instance = None

    def __new__(cls):
        if cls._instance is None:
            cls._instance = super().__new__(cls)
        return cls._instance

    def __repr__(self):
        return "korbit.Null"

    def __bool__(self):
        return False


Null = _NullType()


class ErrorValue(int):
    """An automation error value (its code)."""

    def __repr__(self):
        return f"korbit.ErrorValue({int(self)})"


class Array(list):
    """An automation array as a list: one dimension a list of elements, two a
    list of rows (the first index picks the row). `lower` holds the lower
    bound of each dimension; an array with no dimensions, lower == (), is
    declared but not allocated. A plain list passes as an array whose lower
    bounds are 0, of two dimensions when all its items are lists of one
    length."""

    def __init__(self, items=(), lower=None, element_type=lib.VARIANT):
        super().__init__(items)
        self.lower = tuple(lower) if lower is not None else ((0,) if self else ())
        self.element_type = element_type

    def __repr__(self):
        return f"korbit.Array({list.__repr__(self)}, lower={self.lower!r})"

    def __eq__(self, other):
        if isinstance(other, Array):
            return list.__eq__(self, other) and self.lower == other.lower
        return list.__eq__(self, other)

    __hash__ = None


def date_from_days(days):
    """The datetime of an automation date; the number itself when no datetime
    holds it."""
    try:
        whole = math.trunc(days)
        fraction = abs(days - whole)
        return _EPOCH + datetime.timedelta(days=whole, microseconds=round(fraction * _MICROSECONDS_A_DAY))
    except (OverflowError, ValueError):
        return days


def days_from_date(value):
    """The automation date of a datetime or a date."""
    if isinstance(value, datetime.datetime):
        if value.tzinfo is not None:
            value = value.astimezone().replace(tzinfo=None)
    else:
        value = datetime.datetime(value.year, value.month, value.day)
    delta = value - _EPOCH
    fraction = (delta.seconds * 10**6 + delta.microseconds) / _MICROSECONDS_A_DAY
    # Before the first day the whole part counts backwards while the time of
    # day still adds forwards: 29 December 1899, 06:00 is -1.25.
    return delta.days + fraction if delta.days >= 0 else delta.days - fraction


class Records:
    """The record types by name (case ignored), as dataclasses."""

    def __init__(self, classes):
        self.by_name = {cls.__name__.lower(): cls for cls in classes}

    def get(self, name):
        return self.by_name.get(name.lower()) if name else None


class Converter:
    """Puts Python values into korbit_values and reads them back."""

    def __init__(self, records, enumerations):
        self.records = records
        self.enumerations = {cls.__name__: cls for cls in enumerations}
        self.put_exact = {str: self._put_str, int: self._put_int, float: self._put_float, bool: self._put_bool,
                          bytes: self._put_bytes, list: self._put_list, tuple: self._put_list,
                          type(None): self._put_none, ErrorValue: self._put_error, _NullType: self._put_null}

    # --- in ---------------------------------------------------------------

    def put(self, value, item, depth=0):
        """Fills the korbit_value `value` with `item`; None is an argument
        left out."""
        putter = self.put_exact.get(type(item))
        if putter is None:
            putter = self._putter_of(type(item))
        putter(value, item, depth)

    def _putter_of(self, kind):
        """The putter of a type met for the first time, kept for the next
        value of that type when the type alone decides it: an IntEnum, a
        list or tuple of its own (korbit.Array, a named tuple)."""
        if issubclass(kind, enum.Enum) and issubclass(kind, int):
            putter = self._put_int
        elif issubclass(kind, (list, tuple)):
            putter = self._put_list
        else:
            return self._put_other
        self.put_exact[kind] = putter
        return putter

    @staticmethod
    def _put_none(value, item, depth):
        value.type = lib.MISSING if depth == 0 else lib.EMPTY

    @staticmethod
    def _put_null(value, item, depth):
        value.type = lib.NULL

    @staticmethod
    def _put_error(value, item, depth):
        value.type = lib.ERROR
        value.error = item

    @staticmethod
    def _put_str(value, item, depth):
        data = item.encode("utf-8", "surrogateescape")
        value.type = _TEXT
        value.data = data
        value.length = len(data)

    @staticmethod
    def _put_bytes(value, item, depth):
        value.type = _TEXT
        value.data = item
        value.length = len(item)

    @staticmethod
    def _put_int(value, item, depth):
        # Compared, not looked up in a range: `in range` is a scan for
        # anything but an exact int, and an IntEnum comes here too.
        if -2147483648 <= item <= 2147483647:
            value.type = _INT32_TYPE
            value.int32 = item
        else:
            value.type = lib.DOUBLE
            value.number = float(item)

    @staticmethod
    def _put_float(value, item, depth):
        value.type = lib.DOUBLE
        value.number = item

    @staticmethod
    def _put_bool(value, item, depth):
        value.type = lib.BOOL
        value.boolean = -1 if item else 0

    def _put_list(self, value, item, depth):
        if depth >= MAX_NESTING:
            raise ValueError(f"arrays and records nest more than {MAX_NESTING} levels deep")
        lower = getattr(item, "lower", None)
        if lower is None:
            two = bool(item) and all(isinstance(row, (list, tuple)) and len(row) == len(item[0]) for row in item)
            lower = (0, 0) if two else (0,)
        array = lib.InArray()
        array.element_type = getattr(item, "element_type", lib.VARIANT)
        array.dimensions = len(lower)
        if array.dimensions > 2:
            raise ValueError("an array has at most 2 dimensions")
        if array.dimensions == 2:
            rows, columns = len(item), len(item[0]) if item else 0
            if any(len(row) != columns for row in item):
                raise ValueError("the rows of a two-dimensional array differ in length")
            elements = (lib.InValue * (rows * columns))()
            for i, row in enumerate(item):
                for j, element in enumerate(row):
                    self.put(elements[i + j * rows], element, depth + 1)
            counts = (rows, columns)
        else:
            elements = (lib.InValue * len(item))()
            for i, element in enumerate(item):
                self.put(elements[i], element, depth + 1)
            counts = (len(item),)
        for d in range(array.dimensions):
            array.bounds[d].lower = lower[d]
            array.bounds[d].count = counts[d]
        array.elements = elements
        value.type = lib.ARRAY
        value.array = pointer(array)

    def _put_record(self, value, type_name, items, depth):
        if depth >= MAX_NESTING:
            raise ValueError(f"arrays and records nest more than {MAX_NESTING} levels deep")
        fields = (lib.InField * len(items))()
        for field, (name, item) in zip(fields, items):
            field.name = name.encode("ascii")
            self.put(field.value, item, depth + 1)
        record = lib.InRecord()
        record.type_name = type_name.encode("ascii") if type_name else None
        record.field_count = len(items)
        record.fields = fields
        value.type = lib.RECORD
        value.record = pointer(record)

    def _put_other(self, value, item, depth):
        if isinstance(item, enum.Enum):
            self.put(value, item.value, depth)
        elif isinstance(item, ErrorValue):  # an int, but not a number
            self._put_error(value, item, depth)
        elif isinstance(item, bool):
            self._put_bool(value, item, depth)
        elif isinstance(item, int):
            self._put_int(value, int(item), depth)
        elif isinstance(item, float):
            self._put_float(value, float(item), depth)
        elif isinstance(item, str):
            self._put_str(value, str(item), depth)
        elif isinstance(item, (datetime.datetime, datetime.date)):
            value.type = lib.DATE
            value.date = days_from_date(item)
        elif isinstance(item, (list, tuple)):
            self._put_list(value, item, depth)
        elif dataclasses.is_dataclass(item) and not isinstance(item, type):
            self._put_record(value, type(item).__name__,
                             [(f.name, getattr(item, f.name)) for f in dataclasses.fields(item)], depth)
        elif isinstance(item, dict):
            self._put_record(value, item.get("$type"), [(k, v) for k, v in item.items() if k != "$type"], depth)
        elif isinstance(item, os.PathLike):
            self.put(value, os.fspath(item), depth)
        elif isinstance(item, (bytearray, memoryview)):
            self._put_bytes(value, bytes(item), depth)
        else:
            raise TypeError(f"a {type(item).__name__} is no automation value")

    # --- out --------------------------------------------------------------

    def get(self, value, type_name=None):
        """The Python value of the korbit_value `value` (an OutValue);
        `type_name` names the enumeration an integer belongs to."""
        kind = value.type
        if kind == _TEXT:
            length = value.length
            return string_at(value.data, length).decode("utf-8", "surrogateescape") if length else ""
        if kind == lib.BOOL:
            return value.boolean != 0
        if kind == lib.INT32 or kind == lib.INT16:
            number = value.int32 if kind == lib.INT32 else value.int16
            enumeration = self.enumerations.get(type_name) if type_name else None
            if enumeration is not None:
                try:
                    return enumeration(number)
                except ValueError:
                    pass
            return number
        if kind == lib.DOUBLE:
            return value.number
        if kind == lib.DATE:
            return date_from_days(value.date)
        if kind == lib.SINGLE:
            return value.single
        if kind == lib.ARRAY:
            return self._get_array(value.array.contents)
        if kind == lib.RECORD:
            return self._get_record(value.record.contents)
        if kind == lib.NULL:
            return Null
        if kind == lib.ERROR:
            return ErrorValue(value.error)
        return None

    def _get_array(self, array):
        dimensions = array.dimensions
        lower = tuple(array.bounds[d].lower for d in range(dimensions))
        if dimensions == 0:
            return Array((), lower=(), element_type=array.element_type)
        counts = [array.bounds[d].count for d in range(dimensions)]
        elements = array.elements
        if dimensions == 1:
            items = [self.get(elements[i]) for i in range(counts[0])]
        else:
            rows, columns = counts
            items = [[self.get(elements[i + j * rows]) for j in range(columns)] for i in range(rows)]
        return Array(items, lower=lower, element_type=array.element_type)

    def _get_record(self, record):
        name = record.type_name.decode("ascii")
        values = {}
        for i in range(record.field_count):
            field = record.fields[i]
            values[field.name.decode("ascii")] = self.get(field.value)
        cls = self.records.get(name)
        if cls is None:
            return dict(values, **{"$type": name})
        return cls(**values)

