#pragma once

#include "app/WindowCommands.h"

#include <QMetaObject>
#include <QPointer>

class QProgressDialog;

namespace dovrix {

class OcrRunDialog;

// Recognising text: the page shown (Ctrl+Shift+O), every page without text (with the progress
// dialog), the search panel's offer to recognise the document, and the status-bar hint and
// messages of the current document's OCR. A search that is shown takes in the hits of a page
// recognised later.
class OcrCommands : public WindowCommands
{
    Q_OBJECT
    Q_DISABLE_COPY(OcrCommands)

public:
    OcrCommands(MainWindow* window, MainWindowUi& ui);

    // Recognises the page shown.
    void ocrPage();
    // Recognises every page without a text layer or a result, with the progress dialog, once the
    // text of every page is known.
    void ocrPagesWithoutText();
    // Recognises every page of the current document that has no OCR result yet, with the
    // progress dialog. Only for a ready document whose OCR is idle.
    void ocrDocument();
    // Once tab's document is ready (now, when it is), recognise its 0-based page; pages outside
    // the document are ignored.
    void ocrPageWhenReady(DocumentTab* tab, int page);
    // The progress dialog of the running whole-document OCR; null when none runs.
    QProgressDialog* progressDialog() const;

    void updateActionStates(bool ready) override;

private:
    void follow(DocumentTab* tab) override;
    // Looks for the pages without text of the document waiting for its run; starts the run once
    // every page's text is known.
    void startRunWhenTextIsIn();
    // A status-bar hint with the OCR key when the page shown turns out to have no text.
    void hintForPageWithoutText();
    void pageRecognised(int page, int lineCount);

    OcrRunDialog* run; // child
    int hintPage = -1; // the page the hint was last shown for
    // The document whose pages without text are looked for before their run starts, and the
    // connection to its page texts while it waits.
    QPointer<DocumentTab> waitingForText;
    QMetaObject::Connection textArrives;
};

} // namespace dovrix
