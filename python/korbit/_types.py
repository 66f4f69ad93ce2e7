"""The type library's enumerations (IntEnums) and records (dataclasses), as
the library describes them."""

import dataclasses
import enum

from . import _library as lib
from ._values import Array, Converter, Records


def _enumerations():
    out = []
    for i in range(lib.enumeration_count()):
        info = lib.enumeration(i).contents
        members = [(info.members[j].name.decode("ascii"), info.members[j].value) for j in range(info.member_count)]
        out.append(enum.IntEnum(info.name.decode("ascii"), members, module=__package__))
    return out


def _field(info):
    if info.type == lib.BOOL:
        return bool, dataclasses.field(default=False)
    if info.type in (lib.INT16, lib.INT32):
        return int, dataclasses.field(default=0)
    if info.type == lib.DOUBLE:
        return float, dataclasses.field(default=0.0)
    if info.type == lib.TEXT:
        return str, dataclasses.field(default="")
    if info.type == lib.ARRAY:
        element = info.element_type
        return Array, dataclasses.field(default_factory=lambda: Array((), lower=(), element_type=element))
    return object, dataclasses.field(default=None)


def _records():
    out = []
    for i in range(lib.record_type_count()):
        info = lib.record_type(i).contents
        fields = []
        for j in range(info.field_count):
            field = info.fields[j]
            kind, default = _field(field)
            fields.append((field.name.decode("ascii"), kind, default))
        name = info.name.decode("ascii")
        cls = dataclasses.make_dataclass(name, fields, namespace={"__module__": __package__})
        cls.__doc__ = f"The record {name}: " + ", ".join(f"{f.name.decode('ascii')} ({f.type_name.decode('ascii')})"
                                                       for f in (info.fields[j] for j in range(info.field_count)))
        out.append(cls)
    return out


ENUMERATIONS = _enumerations()
RECORDS = _records()
CONVERTER = Converter(Records(RECORDS), ENUMERATIONS)
