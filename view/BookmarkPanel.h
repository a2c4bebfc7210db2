#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QModelIndex;
class QPdfBookmarkModel;
class QTimer;
class QTreeView;

namespace dovrix {

class DocumentController;

// The side panel with the document's embedded outline (chapters and bookmarks) as a tree. Clicking
// an entry reports its page; a document without an outline shows a notice instead. Half a second
// after each rebuild the panel says whether there is an outline, once. GUI thread only.
class BookmarkPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(BookmarkPanel)

public:
    static constexpr int CheckDelayMs = 500;

    // controller is not owned and must outlive the panel.
    explicit BookmarkPanel(DocumentController* controller, QWidget* parent = nullptr);
    ~BookmarkPanel() override;

    // Binds the outline to the controller's current document (also after a reload).
    void rebuild();
    void retranslate();

    QPdfBookmarkModel* model() const { return outline; }
    QTreeView* treeView() const { return tree; }
    QLabel* emptyNotice() const { return emptyLabel; }
    QTimer* checkTimer() const { return timer; }

Q_SIGNALS:
    // page is 0-based.
    void bookmarkActivated(int page);
    void tocAvailable(bool hasToc);

private:
    void onClicked(const QModelIndex& index);
    void checkOutline();

    QPointer<DocumentController> controller; // not owned
    QPdfBookmarkModel* outline;              // child
    QTreeView* tree;
    QLabel* emptyLabel;
    QTimer* timer; // single shot: the outline check after a rebuild
};

} // namespace dovrix
