#pragma once

#include "engine/DocumentInside.h"
#include "view/PageTool.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QSet>
#include <QString>

class QWidget;

namespace dovrix {

class AnnotationStore;
class DocumentController;

// The document's form, filled on the page view: reads the fields on the worker when the document
// is ready, tints where they are, and puts an editor over a field that has the focus. The values
// themselves are drawn into the page by the engine (each widget's appearance made anew, see
// PdfDocument::setFormValues), so that the page shows what a filled copy prints. Only MuPDF reads
// fields: under Qt PDF a document has no form here. A click focuses a field (or flips a check box
// or radio button), Tab and Shift+Tab move between fields in document order, Escape leaves the
// field. While a field has the focus, keys without Ctrl or Alt go to it and never to a window
// shortcut.
//
// Values live in the annotation store (its sidecar, bound to the document's SHA-256), never in the
// PDF; a field the user has not touched shows the document's own value. The document's scripts
// never run: a field the document would format or compute keeps what the user typed, and the
// first such edit of a document says so (notice). GUI thread only.
class FormLayer : public PageTool
{
    Q_OBJECT
    Q_DISABLE_COPY(FormLayer)

public:
    FormLayer(PdfViewport* view, DocumentController* controller, AnnotationStore* store);
    ~FormLayer() override;

    const QList<FormField>& fields() const { return formFields; }
    bool hasFields() const { return !formFields.isEmpty(); }
    // The value a field shows: the user's, else the document's.
    QString valueOf(const QString& name) const;
    // Keeps a value for a field (cut to its maximum length, else to the store's limit).
    void setValue(const QString& name, const QString& value);
    // Forgets every value the user gave; the document's own values show again.
    void resetForm();

    // The widget index of the field that has the focus, -1 when none.
    int focusedField() const { return focused; }
    // The editor over the focused field (null when none has the focus).
    QWidget* editor() const { return editorWidget; }
    // Gives a field the focus (a field that takes no input is refused: false).
    bool focusField(int index);
    // Moves the focus to the next (step +1) or previous (-1) field that takes input, round the end.
    void focusNext(int step);
    // The focused field lets go of the focus, which returns to the page view.
    void leaveField();
    // The field under a page point, -1 when none.
    int fieldAt(int page, const QPointF& pointPt) const;
    // The pages the named fields have widgets on, ascending.
    QList<int> pagesOf(const QSet<QString>& names) const;

    // Where a field is on the view, in viewport pixels.
    QRect viewRectOf(int index) const;

    bool press(const PagePointer& at) override;
    bool hover(const PagePointer& at, Qt::CursorShape* shape) override;
    void viewMoved() override;

Q_SIGNALS:
    // The document's fields have been read (count may be 0).
    void fieldsRead(int count);
    // Something the window should tell the user in its status bar.
    void notice(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Overlay;

    void readFields();
    void showFields(const QList<FormField>& read);
    bool takesInput(int index) const;
    // A click on a field: focuses it, flips a check box or radio button; true when it was used.
    bool clickField(int index);
    void toggle(int index);
    QWidget* makeEditor(int index);
    void placeEditor();
    void ensureVisible(int index);
    void edited(int index, const QString& value);
    void watchKeys(QWidget* widget);

    QPointer<DocumentController> controller;
    QPointer<AnnotationStore> store;
    QList<FormField> formFields;
    Overlay* overlay = nullptr; // child of the view's viewport widget
    int focused = -1;
    QPointer<QWidget> editorWidget;
    bool scriptNoticeGiven = false;
};

} // namespace dovrix
