#include "view/panels/BookmarkListPanel.h"

#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "core/PageLabels.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace dovrix {

namespace {
constexpr int IndexRole = Qt::UserRole;
}

BookmarkListPanel::BookmarkListPanel(BookmarkStore* store, DocumentController* controller,
                                     QWidget* parent)
    : QWidget(parent), store(store), controller(controller), rows(new QListWidget),
      emptyLabel(new QLabel), rename(new QPushButton), remove(new QPushButton)
{
    rows->setObjectName(QStringLiteral("bookmarkList"));
    rows->setFrameShape(QFrame::NoFrame);
    rows->setEditTriggers(QAbstractItemView::EditKeyPressed);
    rows->installEventFilter(this);
    emptyLabel->setObjectName(QStringLiteral("muted"));
    emptyLabel->setWordWrap(true);
    rename->setObjectName(QStringLiteral("renameBookmarkButton"));
    remove->setObjectName(QStringLiteral("deleteBookmarkButton"));

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(rename);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(emptyLabel);
    layout->addWidget(rows, 1);
    layout->addLayout(buttons);

    connect(rows, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        Q_EMIT bookmarkActivated(item->data(IndexRole).toInt());
    });
    connect(rows, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Q_EMIT bookmarkActivated(item->data(IndexRole).toInt());
    });
    connect(rows, &QListWidget::itemChanged, this, &BookmarkListPanel::onItemChanged);
    connect(rows, &QListWidget::currentRowChanged, this, [this](int row) {
        rename->setEnabled(row >= 0);
        remove->setEnabled(row >= 0);
    });
    connect(rename, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = rows->currentItem())
            rows->editItem(item);
    });
    connect(remove, &QPushButton::clicked, this, &BookmarkListPanel::removeSelected);
    // Queued: a rename arrives from the list's own edit, whose row must outlive that signal.
    connect(store, &BookmarkStore::bookmarksChanged, this, &BookmarkListPanel::refresh,
            Qt::QueuedConnection);
    retranslate();
    refresh();
}

void BookmarkListPanel::retranslate()
{
    rename->setText(tr("重命名"));
    remove->setText(tr("删除"));
    emptyLabel->setText(tr("还没有书签。按 Ctrl+D 为当前位置添加书签。"));
    refresh();
}

void BookmarkListPanel::refresh()
{
    const QList<Bookmark>& bookmarks = store->bookmarks();
    QList<int> order(bookmarks.size());
    std::iota(order.begin(), order.end(), 0);
    // By page, then by place on the page; bookmarks at the same place keep the order of adding.
    std::stable_sort(order.begin(), order.end(), [&bookmarks](int a, int b) {
        const Bookmark& x = bookmarks.at(a);
        const Bookmark& y = bookmarks.at(b);
        return x.page != y.page ? x.page < y.page : x.topPt < y.topPt;
    });
    const int selected = selectedIndex();
    const QStringList labels = controller ? controller->pageLabels() : QStringList();
    filling = true;
    rows->clear();
    for (int index : std::as_const(order)) {
        const Bookmark& bookmark = bookmarks.at(index);
        auto* item = new QListWidgetItem(bookmark.name, rows);
        item->setData(IndexRole, index);
        item->setToolTip(tr("第 %1 页").arg(pageShortText(labels, bookmark.page)));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (index == selected)
            rows->setCurrentItem(item);
    }
    filling = false;
    emptyLabel->setVisible(bookmarks.isEmpty());
    rename->setEnabled(rows->currentRow() >= 0);
    remove->setEnabled(rows->currentRow() >= 0);
}

QList<int> BookmarkListPanel::rowIndices() const
{
    QList<int> indices;
    for (int row = 0; row < rows->count(); ++row)
        indices.append(rows->item(row)->data(IndexRole).toInt());
    return indices;
}

int BookmarkListPanel::selectedIndex() const
{
    const QListWidgetItem* item = rows->currentItem();
    return item ? item->data(IndexRole).toInt() : -1;
}

void BookmarkListPanel::removeSelected()
{
    const int index = selectedIndex();
    if (index >= 0)
        store->remove(index);
}

void BookmarkListPanel::onItemChanged(QListWidgetItem* item)
{
    if (filling)
        return;
    const int index = item->data(IndexRole).toInt();
    // A blank name is refused: the row shows the name it had.
    if (!store->rename(index, item->text().trimmed()))
        refresh();
}

bool BookmarkListPanel::eventFilter(QObject* watched, QEvent* event)
{
    // A name being edited has the keys in its own editor: this is the list's Delete.
    if (watched == rows && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace dovrix
