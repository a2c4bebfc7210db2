#include "view/panels/BookmarkPanel.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "view/DestinationTarget.h"

#include <QLabel>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace dovrix {

BookmarkPanel::BookmarkPanel(DocumentController* controller, QWidget* parent)
    : QWidget(parent), controller(controller)
{
    outline = new QStandardItemModel(this);

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
    outline->clear();
    emptyLabel->hide();
    timer->stop();
    reads.advance();
    const Generation::Ticket ticket = reads.ticket();
    const DocumentHandle document = controller ? controller->sharedDocument() : nullptr;
    if (!document) {
        timer->start();
        return;
    }
    controller->worker()->post(
        JobPriority::Outline, this, ticket, [document]() -> Reply<BookmarkPanel> {
            const QList<Entry> entries = readOutline(document.get());
            return [entries](BookmarkPanel& panel) { panel.showOutline(entries); };
        });
}

namespace {

using Role = BookmarkPanel::Role;

QList<BookmarkPanel::Entry> entriesOf(const QList<OutlineItem>& items, int level)
{
    QList<BookmarkPanel::Entry> entries;
    entries.reserve(items.size());
    for (const OutlineItem& item : items)
        entries.append({item.title, level, item.target.page, item.target.point, item.target.zoom,
                        targetOf(item.target), entriesOf(item.children, level + 1)});
    return entries;
}

void appendEntries(QStandardItem* parent, const QList<BookmarkPanel::Entry>& entries)
{
    for (const BookmarkPanel::Entry& entry : entries) {
        // The title in its own direction (first strong isolate): a Latin title keeps its
        // number in front and its punctuation in place in a right-to-left window, and the
        // other way round.
        auto* item = new QStandardItem(QChar(0x2068) + entry.title + QChar(0x2069));
        item->setEditable(false);
        item->setData(entry.title, int(Role::Title));
        item->setData(entry.level, int(Role::Level));
        if (entry.page >= 0) {
            item->setData(entry.page, int(Role::Page));
            item->setData(QVariant::fromValue(entry.target), int(Role::Target));
        }
        item->setData(entry.location, int(Role::Location));
        item->setData(entry.zoom, int(Role::Zoom));
        appendEntries(item, entry.children);
        parent->appendRow(item);
    }
}

} // namespace

QList<BookmarkPanel::Entry> BookmarkPanel::readOutline(PdfDocument* document)
{
    return document ? entriesOf(document->outline(), 0) : QList<Entry>();
}

void BookmarkPanel::showOutline(const QList<Entry>& entries)
{
    appendEntries(outline->invisibleRootItem(), entries);
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
    const QVariant target = outline->data(index, int(Role::Target));
    if (target.canConvert<ViewTarget>() && target.value<ViewTarget>().isValid())
        Q_EMIT bookmarkActivated(target.value<ViewTarget>());
}

} // namespace dovrix
