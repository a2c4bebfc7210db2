#pragma once

// A page view with everything it reads, on a real document, for widget tests of the viewport.
// Header-only: it needs the widget libraries, which the test executables link.

#include "TestWait.h"
#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "view/AnnotationTool.h"
#include "view/LinkTool.h"
#include "view/PdfViewport.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace dovrix::test {

struct ViewportRig
{
    PdfWorker worker;
    DocumentController controller{&worker};
    TextLayoutStore text{&worker, &controller};
    RenderCache cache{&worker, 201326592, JobPriority::PageView};
    SearchController search{&text, &controller};
    AnnotationStore annotations;
    PdfViewport view{&cache, &text, &controller, &search};

    explicit ViewportRig(const QSize& size = QSize(800, 600))
    {
        // The crash-isolating probe process is not what these tests are about.
        controller.setProbeEnabled(false);
        view.resize(size);
    }
    ~ViewportRig()
    {
        view.hide();
        worker.waitForIdle(test::TimeoutMs);
    }

    // Opens the file, binds it like the session does and shows the view.
    bool open(const QString& path, bool show = true)
    {
        if (!test::openAndWait(controller, path))
            return false;
        text.clear();
        annotations.setSource(path, controller.sourceHash());
        view.setAnnotationStore(&annotations);
        view.setDocument();
        if (show) {
            view.show();
            if (!QTest::qWaitForWindowExposed(&view))
                return false;
        }
        return true;
    }

    bool waitCharBoxes(int page)
    {
        if (text.hasCharBoxes(page))
            return true;
        text.requestCharBoxes(page, JobPriority::TextLayout);
        return QTest::qWaitFor([&] { return text.hasCharBoxes(page); }, test::TimeoutMs);
    }

    // Waits until the visible pages' images for the current zoom are cached.
    bool waitImages()
    {
        auto allCached = [this] {
            const QList<int> pages = view.viewGeometry().visiblePages(
                view.verticalScrollBar()->value(), view.viewport()->height());
            for (int p : pages) {
                if (!cache.contains(view.renderKeyFor(p)))
                    return false;
            }
            return !pages.isEmpty();
        };
        view.refreshVisiblePages();
        return QTest::qWaitFor(allCached, test::TimeoutMs);
    }

    // Viewport pixel of a page point (scroll values taken into account).
    QPoint toViewport(int page, const QPointF& pt) const
    {
        const QPointF c = view.pageToView(page, pt);
        return QPoint(int(c.x() - view.horizontalScrollBar()->value()),
                      int(c.y() - view.verticalScrollBar()->value()));
    }

    // The centre of character index's box, in viewport pixels.
    QPoint charPos(int page, int index) const
    {
        return toViewport(page, text.charBoxes(page).at(index).center());
    }

    QImage render() { return view.viewport()->grab().toImage(); }
};

} // namespace dovrix::test
