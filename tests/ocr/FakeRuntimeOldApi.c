/* A shared library with the inference library's entry point whose GetApi serves no version we ask
 * for, as an old runtime would. */
#include <stddef.h>
#include <stdint.h>

struct FakeApiBase
{
    const void* (*getApi)(uint32_t version);
    const char* (*getVersionString)(void);
};

static const void* fakeGetApi(uint32_t version)
{
    (void)version;
    return NULL;
}

static const char* fakeVersion(void)
{
    return "1.0.0";
}

static const struct FakeApiBase base = {fakeGetApi, fakeVersion};

const struct FakeApiBase* OrtGetApiBase(void)
{
    return &base;
}
