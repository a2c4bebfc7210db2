#pragma once

// The part of the ONNX Runtime C API that the OCR engine uses, declared from the library's binary
// interface: we never link the library or include its header, we load it at run time and call it
// through its function table. Slot numbers are positions in that table, which only grows at the
// end, so they hold for every runtime that serves the API version we ask for.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace dovrix::Ort {

// Opaque runtime objects.
struct Status;
struct Env;
struct Session;
struct SessionOptions;
struct RunOptions;
struct Value;
struct MemoryInfo;
struct TensorTypeAndShapeInfo;
struct TypeInfo;
struct ModelMetadata;
struct Allocator;

// The API version asked from the runtime: the oldest runtime we accept is 1.29.
constexpr std::uint32_t RequiredApiVersion = 29;

enum Slot : int {
    GetErrorCodeSlot = 1,
    GetErrorMessageSlot = 2,
    CreateEnvSlot = 3,
    CreateSessionFromArraySlot = 8,
    RunSlot = 9,
    CreateSessionOptionsSlot = 10,
    SetSessionGraphOptimizationLevelSlot = 23,
    SetIntraOpNumThreadsSlot = 24,
    SetInterOpNumThreadsSlot = 25,
    SessionGetInputTypeInfoSlot = 33, // (const OrtSession*, size_t index, OrtTypeInfo** out)
    CreateTensorWithDataAsOrtValueSlot = 49,
    GetTensorMutableDataSlot = 51,
    // (const OrtTypeInfo*, const OrtTensorTypeAndShapeInfo** out); the result belongs to the type
    // information and is not released on its own.
    CastTypeInfoToTensorInfoSlot = 55,
    GetTensorElementTypeSlot = 60,
    GetDimensionsCountSlot = 61,
    GetDimensionsSlot = 62,
    GetTensorTypeAndShapeSlot = 65,
    CreateCpuMemoryInfoSlot = 69,
    AllocatorFreeSlot = 76,
    GetAllocatorWithDefaultOptionsSlot = 78,
    ReleaseEnvSlot = 92,
    ReleaseStatusSlot = 93,
    ReleaseMemoryInfoSlot = 94,
    ReleaseSessionSlot = 95,
    ReleaseValueSlot = 96,
    ReleaseTypeInfoSlot = 98,
    ReleaseTensorTypeAndShapeInfoSlot = 99,
    ReleaseSessionOptionsSlot = 100,
    SessionGetModelMetadataSlot = 111,
    ModelMetadataLookupCustomMetadataMapSlot = 116,
    ReleaseModelMetadataSlot = 118,
    AddSessionConfigEntrySlot = 130, // (OrtSessionOptions*, const char* key, const char* value)
    SetLanguageProjectionSlot = 145,
};

// Enum values of the C API (passed as int).
constexpr int LoggingLevelError = 3;
constexpr int LanguageProjectionCplusplus = 1;
constexpr int GraphOptimizationAll = 99;
constexpr int ArenaAllocator = 1;
constexpr int MemTypeDefault = 0;
constexpr int TensorElementFloat = 1;

// An error status of the runtime, with its message and code.
class Exception : public std::runtime_error
{
public:
    Exception(const std::string& message, int code) : std::runtime_error(message), errorCode(code)
    {
    }
    int code() const { return errorCode; }

private:
    int errorCode;
};

using GenericFunction = void (*)();

// Entry point table returned by OrtGetApiBase.
struct ApiBase
{
    const void* (*GetApi)(std::uint32_t version);
    const char* (*GetVersionString)();
};
using GetApiBaseFunction = const ApiBase* (*)();

// The function table returned by GetApi. Calls go through typed accessors; every status-returning
// call is wrapped by check(), which turns a non-null status into an Exception.
class Api
{
public:
    explicit Api(const void* table) : entries(static_cast<const GenericFunction*>(table)) {}

    template <typename Signature> Signature function(Slot slot) const
    {
        return reinterpret_cast<Signature>(entries[slot]);
    }

    // Throws Exception for a non-null status, releasing the status first.
    void check(Status* status) const;

    // Calls a status-returning slot and throws on error.
    template <typename... Params, typename... Args> void call(Slot slot, Args&&... args) const
    {
        check(function<Status* (*)(Params...)>(slot)(std::forward<Args>(args)...));
    }

    // Calls a release slot; null is allowed.
    template <typename T> void release(Slot slot, T* object) const
    {
        if (object)
            function<void (*)(T*)>(slot)(object);
    }

private:
    const GenericFunction* entries;
};

// The table of the loaded runtime; only valid once ensureRuntimeLoaded() has returned true.
Api api();

// Owns one runtime object and releases it with its release slot.
template <typename T, Slot ReleaseSlot> class Handle
{
public:
    Handle() = default;
    explicit Handle(T* object) : pointer(object) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : pointer(std::exchange(other.pointer, nullptr)) {}
    Handle& operator=(Handle&& other) noexcept
    {
        if (this != &other) {
            reset();
            pointer = std::exchange(other.pointer, nullptr);
        }
        return *this;
    }

    T* get() const { return pointer; }
    // For out-parameters: releases the current object first.
    T** put()
    {
        reset();
        return &pointer;
    }
    explicit operator bool() const { return pointer != nullptr; }
    void reset()
    {
        if (pointer)
            api().release(ReleaseSlot, std::exchange(pointer, nullptr));
    }

private:
    T* pointer = nullptr;
};

using SessionHandle = Handle<Session, ReleaseSessionSlot>;
using SessionOptionsHandle = Handle<SessionOptions, ReleaseSessionOptionsSlot>;
using ValueHandle = Handle<Value, ReleaseValueSlot>;
using MemoryInfoHandle = Handle<MemoryInfo, ReleaseMemoryInfoSlot>;
using TensorInfoHandle = Handle<TensorTypeAndShapeInfo, ReleaseTensorTypeAndShapeInfoSlot>;
using TypeInfoHandle = Handle<TypeInfo, ReleaseTypeInfoSlot>;
using ModelMetadataHandle = Handle<ModelMetadata, ReleaseModelMetadataSlot>;

// A string allocated by the runtime, freed with the allocator that produced it.
class AllocatedString
{
public:
    explicit AllocatedString(Allocator* owner) : allocator(owner) {}
    ~AllocatedString();
    AllocatedString(const AllocatedString&) = delete;
    AllocatedString& operator=(const AllocatedString&) = delete;

    char** put() { return &value; }
    const char* get() const { return value; }

private:
    Allocator* allocator;
    char* value = nullptr;
};

} // namespace dovrix::Ort
