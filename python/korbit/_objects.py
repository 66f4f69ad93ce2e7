"""The library's classes: each method of the object's interface becomes a
Python method of its own name and arguments, made when the class is first
used from what the object says of itself."""

import keyword
import threading
import warnings
import weakref
from ctypes import POINTER, byref, c_size_t, c_void_p

from . import _library as lib
from ._types import CONVERTER

_put = CONVERTER.put
_get = CONVERTER.get
_call_invoke = lib.invoke
_argument = lib.argument
_REPORTED = lib.REPORTED
_E_POINTER = -2147467261


class Error(Exception):
    """A call that failed, or whose method reported a failure through its
    host.

    code         the failing status (negative, as the C interface gives it)
    description  what went wrong
    method       the member that was called
    number       the run-time error number (13 Type mismatch, 53 File not
                 found, ...); 0 when there is none
    argument     the index of the argument a conversion failed on, or None
    failures     [(method, description)] that the method reported
    result       for a reported failure, what the call returned; else None
    """

    def __init__(self, method, code, description, number=0, argument=None, failures=(), result=None):
        super().__init__(f"{method}: {description} (status 0x{code & 0xFFFFFFFF:08X})")
        self.method = method
        self.code = code
        self.description = description
        self.number = number
        self.argument = argument
        self.failures = list(failures)
        self.result = result


def _text(raw):
    return raw.decode("utf-8", "surrogateescape") if raw else ""


def _error(handle, method, status, result=None):
    error = lib.last_error(handle).contents
    failures = []
    for i in range(lib.failure_count(handle)):
        failure = lib.failure_at(handle, i).contents
        failures.append((_text(failure.method), _text(failure.description)))
    return Error(method, status, _text(error.description), error.number,
                 error.argument if error.argument >= 0 else None, failures, result)


class _Plan:
    """What a call of one member needs, worked out once."""

    __slots__ = ("name", "dispid", "kind", "result_type", "given_back", "values", "count")

    def __init__(self, info):
        self.values = lib.InValue * info.param_count
        self.count = c_size_t(info.param_count)
        self.name = info.name.decode("ascii")
        self.dispid = info.dispid
        self.kind = info.kind
        self.result_type = _text(info.result_type_name)
        self.given_back = tuple((i, _text(info.params[i].type_name)) for i in range(info.param_count)
                                if info.params[i].passing == lib.GIVEN_BACK)


def _finish(obj, plan, values):
    """Calls the member of `plan` with `values`, the korbit_values of each
    of its arguments, and gives what it returns."""
    handle = obj._handle
    if handle is None:
        raise Error(plan.name, _E_POINTER, "The object was closed.")
    # The object's result pointer is written by this call only: a call
    # that a callback makes during it is over before this one writes it.
    status = _call_invoke(handle, plan.dispid, plan.kind, values, plan.count, obj._result_out)
    if obj._callback_error is not None:
        error, obj._callback_error = obj._callback_error, None
        raise error
    if status != 0 and status != _REPORTED:
        raise _error(handle, plan.name, status)
    value = _get(obj._result.contents, plan.result_type)
    if plan.given_back:
        value = (value,) + tuple(_get(_argument(handle, i).contents, type_name) for i, type_name in plan.given_back)
    if status == _REPORTED:
        raise _error(handle, plan.name, status, value)
    return value


def _invoke(obj, plan, args):
    """Calls the member of `plan` with `args`, one for each of its
    arguments (None: left out)."""
    values = plan.values()
    for i, item in enumerate(args):
        _put(values[i], item)
    return _finish(obj, plan, values)


def _identifier(name):
    return name + "_" if keyword.iskeyword(name) else name


def _signature(info):
    """Each argument's name and whether it may be left out: an optional
    argument or one the method gives back, when every one after it may be
    left out too."""
    params = [info.params[i] for i in range(info.param_count)]
    names = [_identifier(p.name.decode("ascii")) for p in params]
    first = len(params)
    while first > 0 and (params[first - 1].optional or params[first - 1].passing == lib.GIVEN_BACK):
        first -= 1
    return [(name, i >= first) for i, name in enumerate(names)]


def _describe(info, signature):
    def argument(i, name):
        p = info.params[i]
        notes = [_text(p.type_name)]
        if p.passing == lib.GIVEN_BACK:
            notes.append("given back")
        if p.optional:
            notes.append("optional")
        return f"{name} ({', '.join(notes)})"

    arguments = ", ".join(argument(i, name) for i, (name, _) in enumerate(signature))
    result = _text(info.result_type_name) or "None"
    text = f"{info.name.decode('ascii')}({arguments}) -> {result}"
    given = [name for i, (name, _) in enumerate(signature) if info.params[i].passing == lib.GIVEN_BACK]
    if given:
        text += f"\n\nReturns a tuple: the result, then {', '.join(given)} as the method left them."
    text += "\nLeft out (or None), an argument takes its default. Raises korbit.Error when the call fails."
    return text


def _method(cls, info):
    plan = _Plan(info)
    signature = _signature(info)
    parameters = ", ".join(["self"] + [name + ("=None" if optional else "") for name, optional in signature])
    # The method's own function: its arguments by name, each put straight
    # into its korbit_value.
    lines = [f"def {plan.name}({parameters}):", "    values = _plan.values()"]
    lines += [f"    _put(values[{i}], {name})" for i, (name, _) in enumerate(signature)]
    lines.append("    return _finish(self, _plan, values)")
    namespace = {"_finish": _finish, "_put": _put, "_plan": plan}
    exec("\n".join(lines) + "\n", namespace)
    function = namespace[plan.name]
    function.__qualname__ = f"{cls.__name__}.{plan.name}"
    function.__module__ = __package__
    function.__doc__ = _describe(info, signature)
    return function


def _property(getter, putter):
    def get(self):
        return _invoke(self, getter, ())

    def put(self, value):
        _invoke(self, putter, (value,))

    return property(get if getter else None, put if putter else None,
                    doc=f"The property {(getter or putter).name}.")


_members_lock = threading.Lock()


def _load_members(cls, handle=None):
    """Gives `cls` a Python member for each of the object's members, once;
    without a handle, from an object made for the purpose."""
    with _members_lock:
        if cls.__dict__.get("_loaded"):
            return
        own = handle is None
        if own:
            handle = _create(cls._program_id)
        try:
            properties = {}
            for i in range(lib.member_count(handle)):
                info = lib.member(handle, i).contents
                name = info.name.decode("ascii")
                if info.kind == lib.INVOKE_METHOD:
                    setattr(cls, name, _method(cls, info))
                else:
                    accessors = properties.setdefault(name, [None, None])
                    accessors[0 if info.kind == lib.INVOKE_PROPERTY_GET else 1] = _Plan(info)
            for name, (getter, putter) in properties.items():
                setattr(cls, name, _property(getter, putter))
            cls._loaded = True
        finally:
            if own:
                lib.release(handle)


def _create(program_id):
    handle = c_void_p()
    status = lib.create(program_id.encode("ascii"), byref(handle))
    if not handle.value:
        raise MemoryError(f"{program_id}: no memory for a new object")
    if status != lib.OK:
        error = _error(handle.value, program_id, status)
        lib.release(handle.value)
        raise error
    return handle.value


class _Class(type):
    """Members appear on first use of the class or of an object of it."""

    def __getattr__(cls, name):
        if name.startswith("__") or cls.__dict__.get("_program_id") is None or cls.__dict__.get("_loaded"):
            raise AttributeError(name)
        _load_members(cls)
        return type.__getattribute__(cls, name)

    def __dir__(cls):
        if cls.__dict__.get("_program_id") is not None:
            _load_members(cls)
        return super().__dir__()


class _Object(metaclass=_Class):
    """One object of the library. Called from one thread at a time: a call
    from another thread while one runs raises korbit.Error."""

    _program_id = None
    _handle = None
    _callback_error = None

    def __init__(self):
        handle = c_void_p(_create(self._program_id))
        self._handle = handle
        self._result = POINTER(lib.OutValue)()
        self._result_out = byref(self._result)
        notice = _text(lib.last_error(handle).contents.description)
        if notice:
            warnings.warn(notice, RuntimeWarning, stacklevel=3)
        _load_members(type(self), handle)

    def close(self, _release=lib.release):
        """Releases the object now; its methods raise korbit.Error after."""
        handle, self._handle = self._handle, None
        if handle is not None:
            _release(handle)

    def __del__(self):
        self.close()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


class Control(_Object):
    """KorbitControl, with every method of the control.

    message_box(text, style, title) -> answer is asked whenever a method
    shows a message box; without one (None), each box gets the answer that
    changes nothing (korbit.safe_answer). pump_events() runs between the
    steps of a long operation (between 32-byte blocks of an encryption): it
    may call this control, CancelOps say. An exception raised in either is
    raised again when the call is over, the box having got its safe answer.
    """

    _program_id = "Korbit.KorbitControl"

    def __init__(self, message_box=None, pump_events=None):
        super().__init__()
        self._message_box = message_box
        self._pump_events = pump_events
        self._lend_host()

    @property
    def message_box(self):
        return self._message_box

    @message_box.setter
    def message_box(self, callback):
        self._message_box = callback
        self._lend_host()

    @property
    def pump_events(self):
        return self._pump_events

    @pump_events.setter
    def pump_events(self, callback):
        self._pump_events = callback
        self._lend_host()

    def _lend_host(self):
        host = lib.Host()
        me = weakref.ref(self)
        if self._message_box is not None:
            def message_box(_, text, style, title):
                this = me()
                try:
                    answer = this._message_box(_text(text), style, _text(title))
                    return int(answer) if answer is not None else lib.safe_answer(style)
                except BaseException as error:  # raised again after the call
                    this._callback_error = this._callback_error or error
                    return lib.safe_answer(style)
            self._box_callback = lib.MessageBox(message_box)
            host.message_box = self._box_callback
        if self._pump_events is not None:
            def pump_events(_):
                this = me()
                try:
                    this._pump_events()
                except BaseException as error:
                    this._callback_error = this._callback_error or error
            self._pump_callback = lib.PumpEvents(pump_events)
            host.pump_events = self._pump_callback
        status = lib.set_host(self._handle, byref(host))
        if status != lib.OK:
            raise _error(self._handle, "set_host", status)


class SHA256(_Object):
    """The SHA256 class: SHA256(sMessage) gives the digest as 64 hex digits."""

    _program_id = "Korbit.SHA256"


class BinHexDecCls(_Object):
    """The BinHexDecCls class: the properties HexNum, BinNum and DeciNum."""

    _program_id = "Korbit.BinHexDecCls"


def safe_answer(style):
    """The answer that changes nothing for a box of `style`."""
    return lib.safe_answer(style)
