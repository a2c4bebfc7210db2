#pragma once

// Symbols of the engine library that its users see; everything else in it, the statically linked
// MuPDF included, stays hidden.
#if defined(DOVRIX_ENGINE_BUILDING)
#define DOVRIX_ENGINE_EXPORT __attribute__((visibility("default")))
#else
#define DOVRIX_ENGINE_EXPORT
#endif
