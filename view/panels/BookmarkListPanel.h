#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace dovrix {

class BookmarkStore;
class DocumentController;

// The side panel of the user's own bookmarks of one document, ordered by page (and place on the
// page): activating one reports it, its name is edited in place (F2, or the rename button), and
// Delete or the delete button removes it. Follows the store's changes. GUI thread only.
class BookmarkListPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(BookmarkListPanel)

public:
    // store and controller (for page labels) are not owned and must outlive the panel.
    BookmarkListPanel(BookmarkStore* store, DocumentController* controller,
                      QWidget* parent = nullptr);

    void refresh();
    void retranslate();

    QListWidget* list() const { return rows; }
    QPushButton* renameButton() const { return rename; }
    QPushButton* deleteButton() const { return remove; }
    QLabel* emptyNotice() const { return emptyLabel; }
    // The store index shown in each row, top to bottom.
    QList<int> rowIndices() const;

Q_SIGNALS:
    // index into the store's bookmarks.
    void bookmarkActivated(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int selectedIndex() const;
    void removeSelected();
    void onItemChanged(QListWidgetItem* item);

    BookmarkStore* store;           // not owned
    DocumentController* controller; // not owned
    QListWidget* rows;
    QLabel* emptyLabel;
    QPushButton* rename;
    QPushButton* remove;
    bool filling = false;
};

} // namespace dovrix
