#include "view/PageTool.h"

#include "view/PdfViewport.h"

namespace dovrix {

PageTool::PageTool(PdfViewport* view) : QObject(view), pageView(view)
{
    view->addTool(this);
}

PageTool::~PageTool()
{
    if (pageView)
        pageView->removeTool(this);
}

PdfViewport* PageTool::view() const
{
    return pageView;
}

} // namespace dovrix
