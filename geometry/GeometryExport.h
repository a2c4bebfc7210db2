#pragma once

// Symbols of the character-geometry library that its users see; everything else in it, the
// statically linked engine included, stays hidden.
#if defined(DOVRIX_GEOMETRY_BUILDING)
#define DOVRIX_GEOMETRY_EXPORT __attribute__((visibility("default")))
#else
#define DOVRIX_GEOMETRY_EXPORT
#endif
