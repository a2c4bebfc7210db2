#include "view/BookmarkPanel.h"

#include "core/DocumentController.h"

#include <QLabel>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace dovrix {

BookmarkPanel::BookmarkPanel(DocumentController* controller, QWidget* parent)
    : QWidget(parent), controller(controller)
{
    outline = new QPdfBookmarkModel(this);

    tree = new QTreeView(this);
    tree->setModel(outline);
    tree->setHeaderHidden(true);
    tree->setFrameShape(QFrame::NoFrame);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    emptyLabel = new QLabel(this);
    emptyLabel->setWordWrap(true);
    emptyLabel->hide();
    retranslate();

    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(CheckDelayMs);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(emptyLabel);
    layout->addWidget(tree, 1);

    connect(tree, &QTreeView::clicked, this, &BookmarkPanel::onClicked);
    connect(timer, &QTimer::timeout, this, &BookmarkPanel::checkOutline);
}

BookmarkPanel::~BookmarkPanel() = default;

void BookmarkPanel::rebuild()
{
    QPdfDocument* document = controller ? controller->document() : nullptr;
    // The model reads the outline now, under the PDF engine's lock.
    outline->setDocument(document);
    // The document is destroyed later on the worker thread, and it announces its status changes
    // while it goes; the model must not answer them by reading a document half torn down. The
    // outline is read once per binding anyway: the document never changes after it became ready.
    if (document)
        QObject::disconnect(document, nullptr, outline, nullptr);
    emptyLabel->hide();
    tree->expandToDepth(0);
    timer->start();
}

void BookmarkPanel::retranslate()
{
    emptyLabel->setText(tr("此文档没有内嵌目录（章节/书签）。\n阅读进度仍会按内容自动记忆。"));
}

void BookmarkPanel::checkOutline()
{
    const int entries = outline->rowCount();
    emptyLabel->setVisible(entries < 1);
    Q_EMIT tocAvailable(entries > 0);
}

void BookmarkPanel::onClicked(const QModelIndex& index)
{
    bool ok = false;
    const int page = outline->data(index, int(QPdfBookmarkModel::Role::Page)).toInt(&ok);
    if (ok && page >= 0)
        Q_EMIT bookmarkActivated(page);
}

} // namespace dovrix
