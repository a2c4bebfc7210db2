#pragma once

// Header-only: uses Qt Test, so only tests include it.

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/TextLayoutStore.h"

#include "tests/support/TestWait.h"
#include "tests/support/TextFixtures.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace dovrix::test {

// A worker, a controller and a text layout store over hand-written text PDFs: the set-up the text
// tests share. A test class derives from it, calls start() in initTestCase(), closeDocument() in
// cleanup() and stop() in cleanupTestCase().
class TextStoreRig
{
protected:
    QTemporaryDir dir;
    std::unique_ptr<PdfWorker> worker;
    std::unique_ptr<DocumentController> controller;
    std::unique_ptr<TextLayoutStore> store;

    void start()
    {
        QVERIFY(dir.isValid());
        worker = std::make_unique<PdfWorker>();
    }

    void stop() { worker.reset(); }

    // Called before the store goes, for what a test built on top of it.
    virtual void dropUsers() {}

    void closeDocument()
    {
        dropUsers();
        store.reset();
        controller.reset();
        worker->waitForIdle();
    }

    // Opens a hand-written PDF of the given pages (lines per page) with a fresh store.
    bool open(const QList<QStringList>& pages, double fontSize = 12)
    {
        static int serial = 0;
        const QString path = dir.filePath(QStringLiteral("doc%1.pdf").arg(++serial));
        return test::writeMappedTextPdf(path, pages, QSizeF(595, 842), fontSize) && openFile(path);
    }

    bool openFile(const QString& path)
    {
        dropUsers();
        store.reset();
        controller = std::make_unique<DocumentController>(worker.get());
        controller->setProbeEnabled(false);
        if (!test::openAndWait(*controller, path))
            return false;
        store = std::make_unique<TextLayoutStore>(worker.get(), controller.get());
        return true;
    }

    // The worker is idle and every queued delivery has reached the store.
    void settle()
    {
        for (int i = 0; i < 4; ++i) {
            worker->waitForIdle();
            QCoreApplication::processEvents();
        }
    }

    void loadAllTexts()
    {
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        for (int page = 0; page < controller->pageCount(); ++page)
            store->requestPageText(page, JobPriority::TextLayout);
        QTRY_COMPARE_WITH_TIMEOUT(text.count(), controller->pageCount(), TimeoutMs);
    }

public:
    virtual ~TextStoreRig() = default;
};

} // namespace dovrix::test
