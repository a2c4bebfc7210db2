#pragma once

#include "core/Generation.h"

#include "view/ViewGeometry.h"

#include <QList>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QModelIndex;
class QStandardItemModel;
class QTimer;
class QTreeView;

namespace dovrix {

class PdfDocument;

class DocumentController;

// The side panel with the document's embedded outline (chapters and bookmarks) as a tree. Clicking
// an entry reports its page; a document without an outline shows a notice instead. The outline is
// read on the worker (a long one takes the PDF engine most of a second); half a second after it
// arrives the panel says whether there is one, once. GUI thread only.
class BookmarkPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(BookmarkPanel)

public:
    static constexpr int CheckDelayMs = 500;

    // controller is not owned and must outlive the panel.
    explicit BookmarkPanel(DocumentController* controller, QWidget* parent = nullptr);
    ~BookmarkPanel() override;

    // Empties the tree and reads the outline of the controller's current document (also after a
    // reload); the entries follow when the worker has read them.
    void rebuild();
    void retranslate();

    // The data of an entry in the model.
    enum class Role : int {
        Title = Qt::UserRole, // also the display text
        Level,
        Page,     // 0-based; absent for an entry that leads nowhere in the document
        Location, // the destination's point in page space
        Zoom,     // the destination's zoom, 0 to keep the current one
        Target,   // where the view goes (ViewTarget); absent like Page
    };

    // The entries, with their title, level, page, location and zoom under Role.
    QStandardItemModel* model() const { return outline; }
    QTreeView* treeView() const { return tree; }
    QLabel* emptyNotice() const { return emptyLabel; }
    QTimer* checkTimer() const { return timer; }

Q_SIGNALS:
    // An entry that leads into the document was clicked: the place it leads to.
    void bookmarkActivated(const dovrix::ViewTarget& target);
    void tocAvailable(bool hasToc);

public:
    // One outline entry as read from the document.
    struct Entry
    {
        QString title;
        int level = 0;
        int page = -1;
        QPointF location;
        qreal zoom = 0;
        ViewTarget target;
        QList<Entry> children;
    };
    // The outline of document, read with the PDF engine (on the worker).
    static QList<Entry> readOutline(PdfDocument* document);

private:
    void showOutline(const QList<Entry>& entries);
    void onClicked(const QModelIndex& index);
    void checkOutline();

    QPointer<DocumentController> controller; // not owned
    QStandardItemModel* outline;             // child
    Generation reads;                        // the outline read that may still fill the tree
    QTreeView* tree;
    QLabel* emptyLabel;
    QTimer* timer; // single shot: the outline check after a rebuild
};

} // namespace dovrix
