"""Runs ONNX networks through the inference library's C interface, with ctypes and numpy only.

The setup measures the recogniser's activations with the same library the program loads (the
npm package's libonnxruntime.so.1), so nothing beyond Debian's python3-onnx (which brings numpy)
is needed. The library is reached through its one exported entry point and the function table it
returns; every slot used is listed below with its types.
"""

import ctypes

import numpy

_API_VERSION = 29
_FLOAT = 1
_ERROR_LOGGING = 3
_ARENA_ALLOCATOR = 1
_DEFAULT_MEMORY = 0
_OPTIMISE_ALL = 99

_P = ctypes.c_void_p
_SLOTS = {
    # slot: (name, return type, parameter types)
    2: ("GetErrorMessage", ctypes.c_char_p, [_P]),
    3: ("CreateEnv", _P, [ctypes.c_int, ctypes.c_char_p, ctypes.POINTER(_P)]),
    8: ("CreateSessionFromArray", _P, [_P, ctypes.c_char_p, ctypes.c_size_t, _P,
                                       ctypes.POINTER(_P)]),
    9: ("Run", _P, [_P, _P, ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(_P), ctypes.c_size_t,
                    ctypes.POINTER(ctypes.c_char_p), ctypes.c_size_t, ctypes.POINTER(_P)]),
    10: ("CreateSessionOptions", _P, [ctypes.POINTER(_P)]),
    23: ("SetSessionGraphOptimizationLevel", _P, [_P, ctypes.c_int]),
    24: ("SetIntraOpNumThreads", _P, [_P, ctypes.c_int]),
    49: ("CreateTensorWithDataAsOrtValue", _P, [_P, _P, ctypes.c_size_t,
                                                ctypes.POINTER(ctypes.c_int64), ctypes.c_size_t,
                                                ctypes.c_int, ctypes.POINTER(_P)]),
    51: ("GetTensorMutableData", _P, [_P, ctypes.POINTER(_P)]),
    61: ("GetDimensionsCount", _P, [_P, ctypes.POINTER(ctypes.c_size_t)]),
    62: ("GetDimensions", _P, [_P, ctypes.POINTER(ctypes.c_int64), ctypes.c_size_t]),
    65: ("GetTensorTypeAndShape", _P, [_P, ctypes.POINTER(_P)]),
    69: ("CreateCpuMemoryInfo", _P, [ctypes.c_int, ctypes.c_int, ctypes.POINTER(_P)]),
    93: ("ReleaseStatus", None, [_P]),
    94: ("ReleaseMemoryInfo", None, [_P]),
    95: ("ReleaseSession", None, [_P]),
    96: ("ReleaseValue", None, [_P]),
    99: ("ReleaseTensorTypeAndShapeInfo", None, [_P]),
    100: ("ReleaseSessionOptions", None, [_P]),
}


class Runtime:
    """The library's function table and one environment for the whole run."""

    def __init__(self, library_path):
        library = ctypes.CDLL(library_path)
        entry = library.OrtGetApiBase
        entry.restype = ctypes.POINTER(_P)
        base = entry()
        get_api = ctypes.CFUNCTYPE(_P, ctypes.c_uint32)(base[0])
        table = get_api(_API_VERSION)
        if not table:
            raise RuntimeError(f"{library_path} does not offer API version {_API_VERSION}")
        slots = ctypes.cast(table, ctypes.POINTER(_P))
        for slot, (name, result, params) in _SLOTS.items():
            setattr(self, "_" + name, ctypes.CFUNCTYPE(result, *params)(slots[slot]))
        self._library = library
        env = _P()
        self._call("CreateEnv", _ERROR_LOGGING, b"dovrix-setup", ctypes.byref(env))
        self.env = env
        memory = _P()
        self._call("CreateCpuMemoryInfo", _ARENA_ALLOCATOR, _DEFAULT_MEMORY, ctypes.byref(memory))
        self.memory = memory

    def _call(self, name, *args):
        status = getattr(self, "_" + name)(*args)
        if status:
            message = self._GetErrorMessage(status).decode("utf-8", "replace")
            self._ReleaseStatus(status)
            raise RuntimeError(f"{name}: {message}")

    def session(self, model_bytes, threads=1):
        return Session(self, model_bytes, threads)


class Session:
    """One network, run on float inputs; outputs come back as numpy arrays."""

    def __init__(self, runtime, model_bytes, threads):
        self.runtime = runtime
        options = _P()
        runtime._call("CreateSessionOptions", ctypes.byref(options))
        try:
            runtime._call("SetIntraOpNumThreads", options, threads)
            runtime._call("SetSessionGraphOptimizationLevel", options, _OPTIMISE_ALL)
            handle = _P()
            runtime._call("CreateSessionFromArray", runtime.env, model_bytes, len(model_bytes),
                          options, ctypes.byref(handle))
            self.handle = handle
        finally:
            runtime._ReleaseSessionOptions(options)

    def close(self):
        if self.handle:
            self.runtime._ReleaseSession(self.handle)
            self.handle = None

    def __enter__(self):
        return self

    def __exit__(self, *unused):
        self.close()

    def run(self, input_name, array, output_names):
        runtime = self.runtime
        array = numpy.ascontiguousarray(array, dtype=numpy.float32)
        shape = (ctypes.c_int64 * array.ndim)(*array.shape)
        tensor = _P()
        runtime._call("CreateTensorWithDataAsOrtValue", runtime.memory,
                      array.ctypes.data_as(_P), array.nbytes, shape, array.ndim, _FLOAT,
                      ctypes.byref(tensor))
        inputs = (_P * 1)(tensor)
        names_in = (ctypes.c_char_p * 1)(input_name.encode())
        names_out = (ctypes.c_char_p * len(output_names))(*[n.encode() for n in output_names])
        outputs = (_P * len(output_names))()
        try:
            runtime._call("Run", self.handle, None, names_in, inputs, 1, names_out,
                          len(output_names), outputs)
            return [self._to_numpy(value) for value in outputs]
        finally:
            for value in outputs:
                runtime._ReleaseValue(value)
            runtime._ReleaseValue(tensor)

    def _to_numpy(self, value):
        runtime = self.runtime
        info = _P()
        runtime._call("GetTensorTypeAndShape", value, ctypes.byref(info))
        try:
            rank = ctypes.c_size_t()
            runtime._call("GetDimensionsCount", info, ctypes.byref(rank))
            dims = (ctypes.c_int64 * rank.value)()
            runtime._call("GetDimensions", info, dims, rank.value)
        finally:
            runtime._ReleaseTensorTypeAndShapeInfo(info)
        data = _P()
        runtime._call("GetTensorMutableData", value, ctypes.byref(data))
        count = int(numpy.prod(list(dims))) if rank.value else 1
        buffer = (ctypes.c_float * count).from_address(data.value)
        return numpy.frombuffer(buffer, dtype=numpy.float32).reshape(list(dims)).copy()
