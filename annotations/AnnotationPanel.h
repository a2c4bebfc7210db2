#pragma once

#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace dovrix {

class AnnotationStore;
class DocumentController;
class TextLayoutStore;

// The side panel listing the annotations of one document, grouped by page in store order.
// It only reads the stores and is rebuilt whole on every change of the annotation store;
// clicking an entry reports its id, the receiver decides how to show it.
class AnnotationPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationPanel)

public:
    AnnotationPanel(AnnotationStore* store, DocumentController* controller,
                    TextLayoutStore* textStore, QWidget* parent = nullptr);

    // "▬" highlight, "U", "S", "✎" note, "▭" rectangle, "→" arrow, "•" anything else.
    static QString typeGlyph(int type);

    QListWidget* listWidget() const { return list; }
    // The annotation id of each list row; empty for page headers and the placeholder.
    QStringList rowIds() const { return ids; }

public Q_SLOTS:
    void refresh();
    void retranslate();
    void onItemClicked(QListWidgetItem* it);

Q_SIGNALS:
    void annotationSelected(const QString& id);

private:
    void onPageTextReady(int page);

    QPointer<AnnotationStore> store;
    QPointer<DocumentController> controller;
    QPointer<TextLayoutStore> textStore;
    QLabel* label;
    QListWidget* list;
    QStringList ids;
    // Pages with a text-anchored entry shown without its excerpt because the text was missing.
    QSet<int> pagesAwaitingText;
};

} // namespace dovrix
