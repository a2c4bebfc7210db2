#include "ocr/OcrRuntime.h"

#include "core/ProgramFiles.h"
#include "ocr/OrtApi.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <mutex>

#include <dlfcn.h>

namespace dovrix {

namespace {

// The process's, as the loaded library is (see ensureRuntimeLoaded).
std::mutex runtimeMutex;
bool runtimeLoaded = false; // guarded by runtimeMutex
// Published after loading; read without the mutex by the engine and the handles.
std::atomic<const void*> runtimeTable{nullptr};

// A dlopen handle that is closed unless the runtime is kept (the loaded library is never unloaded).
class LibraryHandle
{
public:
    explicit LibraryHandle(const QString& path)
        : handle(dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL))
    {
    }
    ~LibraryHandle()
    {
        if (handle)
            dlclose(handle);
    }
    LibraryHandle(const LibraryHandle&) = delete;
    LibraryHandle& operator=(const LibraryHandle&) = delete;

    bool isLoaded() const { return handle != nullptr; }
    void* symbol(const char* name) const { return dlsym(handle, name); }
    void keep() { handle = nullptr; }

private:
    void* handle;
};

// Creates the environment; a failure releases what was created and throws.
class EnvironmentHolder
{
public:
    EnvironmentHolder()
    {
        const Ort::Api api = Ort::api();
        api.call<int, const char*, Ort::Env**>(Ort::CreateEnvSlot, Ort::LoggingLevelError,
                                               "dovrix-ocr", &env);
        try {
            api.call<const Ort::Env*, int>(Ort::SetLanguageProjectionSlot, env,
                                           Ort::LanguageProjectionCplusplus);
        } catch (...) {
            api.release(Ort::ReleaseEnvSlot, env);
            throw;
        }
    }
    // Never released: sessions of any engine may live until the process ends.
    Ort::Env* env = nullptr;
};

} // namespace

namespace Ort {

Api api()
{
    return Api(runtimeTable.load(std::memory_order_acquire));
}

void Api::check(Status* status) const
{
    if (!status)
        return;
    const int code = function<int (*)(const Status*)>(GetErrorCodeSlot)(status);
    const char* message = function<const char* (*)(const Status*)>(GetErrorMessageSlot)(status);
    std::string text = message ? message : "";
    release(ReleaseStatusSlot, status);
    throw Exception(text, code);
}

AllocatedString::~AllocatedString()
{
    if (value) {
        try {
            api().call<Allocator*, void*>(AllocatorFreeSlot, allocator, value);
        } catch (const Exception&) {
            // Nothing more can be done for a block the runtime refuses to free.
        }
    }
}

} // namespace Ort

QStringList runtimeCandidates()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/libonnxruntime.so.1"),
            dir + QStringLiteral("/lib/libonnxruntime.so.1"),
            dir + QLatin1Char('/') + QLatin1String(installedCompanionFolder)
                + QStringLiteral("/libonnxruntime.so.1"),
            dir + QStringLiteral("/../../../thirdparty/onnxruntime/lib/libonnxruntime.so.1")};
}

bool ensureRuntimeLoaded(OcrFailure* failure)
{
    return ensureRuntimeLoaded(runtimeCandidates(), failure);
}

bool ensureRuntimeLoaded(const QStringList& candidates, OcrFailure* failure)
{
    std::lock_guard<std::mutex> lock(runtimeMutex);
    if (runtimeLoaded)
        return true;

    QString tried;
    for (const QString& path : candidates) {
        tried += QStringLiteral("\n  ") + path;
        LibraryHandle library(path);
        if (!library.isLoaded())
            continue;
        auto getApiBase =
            reinterpret_cast<Ort::GetApiBaseFunction>(library.symbol("OrtGetApiBase"));
        if (!getApiBase) {
            if (failure)
                *failure = {OcrFailure::Kind::RuntimeWithoutEntryPoint, path, {}, 0};
            return false;
        }
        const Ort::ApiBase* base = getApiBase();
        const void* table = base && base->GetApi ? base->GetApi(Ort::RequiredApiVersion) : nullptr;
        if (!table) {
            if (failure)
                *failure = {OcrFailure::Kind::RuntimeTooOld, path, {}, Ort::RequiredApiVersion};
            return false;
        }
        library.keep();
        runtimeTable.store(table, std::memory_order_release);
        runtimeLoaded = true;
        return true;
    }
    if (failure)
        *failure = {OcrFailure::Kind::RuntimeMissing, tried, {}, 0};
    return false;
}

Ort::Env* sharedEnvironment()
{
    // A throwing constructor leaves the static uninitialised, so the next call tries again.
    static EnvironmentHolder holder;
    return holder.env;
}

} // namespace dovrix
