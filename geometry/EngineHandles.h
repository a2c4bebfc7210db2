#pragma once

// Inside this library only: the engine's handles behind a CharGeometry.

#include "geometry/CharGeometry.h"

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace dovrix {

// The engine's handles for one open document. The context is this document's alone, so no
// locking is needed as long as one thread at a time uses it (the worker).
struct CharGeometry::Engine
{
    fz_context* ctx = nullptr;
    fz_document* doc = nullptr;

    ~Engine()
    {
        if (!ctx)
            return;
        fz_drop_document(ctx, doc);
        fz_drop_context(ctx);
    }
};

} // namespace dovrix
