#pragma once

#include "annotations/Annotation.h"
#include "engine/DocumentInside.h"

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

class QLabel;
class QListView;
class QModelIndex;
class QPushButton;
class QTreeView;
class QWidget;

namespace dovrix {

class AnnotationStore;
class DocumentAnnotationModel;
class DocumentController;
class TextLayoutStore;

// The rows of the annotation panel: a header per run of annotations on one page (store order),
// one row per annotation, then one row per entry of the sidecar that cannot be read (shown, never
// selected or edited), or a single placeholder row when there is nothing. Row texts are made
// when the view asks for them, so that a document with 100,000 annotations costs no more than
// the rows on screen; a change of the store moves only the rows that differ.
class AnnotationListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationListModel)

public:
    // Anchored text shown in a row, in characters.
    static constexpr int ExcerptLength = 80;
    // The annotation id of a row; empty for headers and the placeholder.
    static constexpr int IdRole = Qt::UserRole + 1;

    AnnotationListModel(AnnotationStore* store, TextLayoutStore* textStore, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Follows the store: removes and inserts only the rows that changed, then refreshes the
    // texts of the rest. Nothing but the texts when the store has not changed since.
    void sync();
    // The store's last change added id at its end, or changed id in place: the rows follow
    // without looking at the others (100,000 of them) when that is all that changed.
    void added(const QString& id);
    void updated(const QString& id);
    // Texts changed (language, theme, page texts): repaint every row.
    void textsChanged();
    void setRowHeight(int pixels);

private:
    struct Row
    {
        int annotation = -1; // index into the store's list; -1 for a header or the placeholder
        int page = -1;       // the header's page; -1 for the placeholder
        int unreadable = -1; // index into the store's unreadable entries
    };
    // The annotation of a row, or null for headers, the placeholder and a row the store no
    // longer has.
    const Annotation* annotationAt(int row) const;
    QString rowText(const Annotation& a) const;
    QString toolTip(const Annotation& a) const;

    QPointer<AnnotationStore> store;
    QPointer<TextLayoutStore> textStore;
    QList<Row> rows;
    quint64 syncedRevision = 0;
    qsizetype annotationRows = 0; // store size at the last synchronisation
    QStringList rowIdList;        // the id of each row as last synchronised; empty for the others
    int rowHeight = 0;
    // Pages whose text was asked for on behalf of an anchored row.
    mutable QSet<int> requestedPages;
};

// The side panel listing the annotations of one document, grouped by page in store order: each
// entry shows the type's name and the anchored text (or the note). It only reads the stores and
// follows their signals; clicking an entry reports its id, the receiver decides how to show it.
//
// Below ours, the annotations the document carries itself ("in the document"), read on the worker
// when the document is ready: read-only, replies under their parent; a click shows the whole
// text and reports the place, and "copy to my notes" adds one of ours made from it.
class AnnotationPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationPanel)

public:
    AnnotationPanel(AnnotationStore* store, DocumentController* controller,
                    TextLayoutStore* textStore, QWidget* parent = nullptr);

    QListView* listView() const { return list; }
    QTreeView* documentView() const { return documentTree; }
    DocumentAnnotationModel* documentModel() const { return docModel; }
    QPushButton* copyToNotesButton() const { return copyButton; }
    // The text shown for the document annotation last clicked.
    QString documentDetailText() const;
    AnnotationListModel* model() const { return rowModel; }
    // The annotation id of each list row; empty for page headers and the placeholder.
    QStringList rowIds() const;
    // The text shown in each list row.
    QStringList rowTexts() const;

public Q_SLOTS:
    void refresh();
    void retranslate();
    void onRowClicked(const QModelIndex& index);
    void onDocumentRowClicked(const QModelIndex& index);
    // Adds one of ours made from the document annotation last clicked; returns its id (empty
    // when its kind cannot be copied or nothing is chosen).
    QString copyToNotes();

Q_SIGNALS:
    void annotationSelected(const QString& id);
    // A document annotation was clicked: its page and rectangle (page points).
    void documentAnnotationSelected(int page, const QRectF& rect);
    // The document's own annotations have been read (count may be 0).
    void documentAnnotationsRead(int count);

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateRowHeight();
    void readDocumentAnnotations();
    void showDocumentAnnotations(const QList<DocumentAnnotation>& read);

    QPointer<AnnotationStore> store;
    QPointer<DocumentController> controller;
    QPointer<TextLayoutStore> textStore;
    QLabel* label;
    QListView* list;
    AnnotationListModel* rowModel;
    QLabel* ownTitle;
    QWidget* documentSection;
    QLabel* documentTitle;
    QTreeView* documentTree;
    DocumentAnnotationModel* docModel;
    QLabel* documentDetail;
    QPushButton* copyButton;
    int chosenDocumentAnnotation = -1; // index into docModel's list; -1 before a click
};

} // namespace dovrix
