#pragma once

#include "geometry/EngineChar.h"
#include "geometry/GeometryExport.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>

namespace dovrix {

// Character boxes of a page, in the index space of the page text they were aligned to.
struct PageCharBoxes
{
    enum class Outcome { Measured, Failed, TimedOut };
    Outcome outcome = Outcome::Failed;
    QList<QRectF> boxes; // one per UTF-16 code unit of the page text; null where not matched
    int matched = 0;     // comparable code units that got a box
    int comparable = 0;  // code units the alignment compares (no whitespace, no markers)
};

// A second PDF engine opened on the same file as the document it is attached to, used only for
// what that engine does fast and exactly: the box of every character of a page.
//
// Thread rule: created, used and destroyed on the worker thread, like the QPdfDocument it is a
// child of. Engine errors end at this class; they never leave it as anything but an outcome.
class DOVRIX_GEOMETRY_EXPORT CharGeometry : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CharGeometry)

public:
    // Default limit of the extraction of one page.
    static constexpr int DefaultPageTimeLimitMs = 2000;

    ~CharGeometry() override;

    // Opens path read-only and keeps it open as a child of owner, released with it. Null when
    // the engine refuses the file (it may still be a document the rest of the program reads).
    static CharGeometry* attach(QObject* owner, const QString& path,
                                const QByteArray& password = {});
    // The geometry attached to owner, or null.
    static CharGeometry* of(const QObject* owner);

    int pageCount() const { return pages; }

    // The characters of a page as the engine draws them, in content-stream order.
    PageCharBoxes::Outcome extractPage(int page, QList<EngineChar>& chars) const;
    // Extracts the page and aligns its characters to pageText.
    PageCharBoxes measurePage(int page, const QString& pageText) const;

    // Lets go of what the engine keeps for the next page (fonts, images, parsed objects): called
    // for documents that are not shown.
    void emptyStore() const;

    // Process-wide limit of one page's extraction; a page that runs past it is abandoned.
    static void setPageTimeLimitMs(int ms);
    static int pageTimeLimitMs();

private:
    friend class DocumentInside; // reads through the same open document
    struct Engine;
    CharGeometry(QObject* owner, Engine* engine, int pageCount);

    Engine* engine; // owned
    int pages = 0;
};

} // namespace dovrix
