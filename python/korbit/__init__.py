"""Korbit, the control library, from Python.

    import korbit
    c = korbit.Control()
    c.GetFileExt("a.TXT")                                  # 'txt'
    ok, created, accessed, modified = c.GetFileTimes("/etc/hostname")

Every method of KorbitControl is a method of korbit.Control with the same
name and argument names (positional or by keyword). A call returns the
method's result; a method that gives arguments back (it writes them)
returns a tuple of the result and those arguments' final values, and they
may be left out. Enumerations are IntEnums (korbit.MathTypes), records
dataclasses (korbit.FILE_PARAMS), dates datetime, arrays lists
(korbit.Array keeps their lower bounds). A failure raises korbit.Error, and
so does a failure the method reports through its host. What each method
does: the method reference (korbit/control/values/method_reference.md in the
source).
"""

from . import _library
from ._objects import SHA256, BinHexDecCls, Control, Error, safe_answer
from ._types import ENUMERATIONS, RECORDS
from ._values import Array, ErrorValue, Null

__version__ = _library.version().decode("ascii")

globals().update({cls.__name__: cls for cls in ENUMERATIONS + RECORDS})

__all__ = ["Control", "SHA256", "BinHexDecCls", "Error", "Array", "Null", "ErrorValue", "safe_answer"] + \
    [cls.__name__ for cls in ENUMERATIONS + RECORDS]
