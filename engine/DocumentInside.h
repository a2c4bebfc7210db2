#pragma once

#include "engine/EngineExport.h"
#include "engine/PdfDocument.h"

#include <QByteArray>
#include <QDateTime>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace dovrix {

class PdfDocument;
struct InsideSource; // the engine's handles of one open document (engine/InsideReads.h)

// What a document declares about itself. Dates are invalid where the document gives none (or
// one that does not parse); texts are empty where it gives none.
struct DocumentProperties
{
    DocumentInfo info;  // the document information entries, as the engine reads them
    QString version;    // "1.7"
    QString encryption; // empty when the document is not encrypted
    // The permissions an encrypted document declares (the /P bits); all granted when it is not
    // encrypted. The program itself never writes the document, whatever they say.
    bool mayPrint = true;
    bool mayPrintHighQuality = true;
    bool mayModify = true;
    bool mayCopy = true;
    bool mayAnnotate = true;
    bool mayFillForms = true;
    bool mayExtractForAccessibility = true;
    bool mayAssemble = true;
    bool tagged = false; // marked content with a structure tree
    bool hasForm = false;
    bool hasJavaScript = false; // document-level scripts (never run)
};

// A font a page's resources name.
struct DocumentFont
{
    QString name; // the base font name without a subset prefix
    QString type; // "Type1", "TrueType", "Type0", "Type3", ...
    bool embedded = false;
    bool subset = false; // its name carries a subset prefix ("ABCDEF+")
    int object = 0;      // object number of its font dictionary; 0 for a direct dictionary
};

// A file carried inside the document: in its EmbeddedFiles tree, or as a file-attachment
// annotation on a page.
struct DocumentAttachment
{
    QString name; // file name as the document gives it (never trusted as a path)
    QString description;
    qint64 size = -1; // bytes; -1 when the document does not say
    QDateTime modified;
    int page = -1;       // the annotation's page; -1 for an entry of the EmbeddedFiles tree
    QByteArray treeKey;  // the entry's key in the EmbeddedFiles tree
    int annotObject = 0; // object number of the file-attachment annotation
};

// One of the document's own annotations (not ours), as read from the file. Geometry is in page
// space (see PdfDocument). Pop-up and link annotations are not listed.
struct DocumentAnnotation
{
    int page = 0;
    int index = 0;     // position in the page's /Annots array
    int object = 0;    // its object number; 0 for a direct dictionary
    int inReplyTo = 0; // object number of the annotation it answers (/IRT); 0 when none
    QString subtype;   // "Text", "Highlight", "Ink", ... as in the file
    QString author;
    QDateTime modified;
    QString contents;
    QRectF rect;
    QList<QRectF> quads; // the boxes of a text markup's quadrilaterals
    QLineF line;         // a line annotation's end points
    quint32 argb = 0;    // its colour, opaque; 0 when it has none
};

// One widget of an interactive form field. A radio group or a field shown in several places has
// one entry per widget, all with the field's name.
struct FormField
{
    enum class Kind { Text, CheckBox, Radio, ComboBox, ListBox, PushButton, Signature };

    QString name; // fully qualified ("applicant.name")
    Kind kind = Kind::Text;
    int page = 0;
    QRectF rect;              // the widget, in page space
    int pageRotate = 0;       // its page's /Rotate: the field reads upright turned by it
    QString value;            // the field's value in the file; several list choices joined by "\n"
    QString onState;          // check box or radio widget: the name of its "on" state
    QStringList options;      // combo and list boxes: the texts shown
    QStringList optionValues; // their export values (the texts where the file gives none)
    int maxLength = 0;        // text fields; 0: no limit
    int alignment = 0;        // 0 left, 1 centred, 2 right
    double fontSize = 0;      // from the default appearance; 0: fit to the field
    bool multiline = false;
    bool password = false;
    bool comb = false;
    bool editable = false;    // a combo box that takes typed text
    bool multiSelect = false; // a list box with several choices
    bool readOnly = false;
    bool required = false;
    // The document would format, check or compute the value with its scripts (which never run).
    bool scripted = false;
};

// Reads what is inside a PDF beyond its pages' drawing: properties, fonts, embedded files and
// the document's own annotations, through the MuPDF document open for the calling lane; a
// document Qt PDF opened has nothing to tell here (empty results).
//
// Thread rule: the same as PdfDocument's (a worker thread). A damaged object is skipped with a
// line in the log; the rest is still read.
class DOVRIX_ENGINE_EXPORT DocumentInside
{
public:
    static DocumentProperties properties(PdfDocument& document);
    // The fonts of a page (its resources and the forms it draws), each font once; page -1: the
    // whole document.
    static QList<DocumentFont> fonts(PdfDocument& document, int page = -1);
    static QList<DocumentAttachment> attachments(PdfDocument& document);
    // The bytes of an attachment listed by attachments(); false when it is gone or damaged.
    static bool attachmentContents(PdfDocument& document, const DocumentAttachment& attachment,
                                   QByteArray& contents);
    // Every page's annotations in page order, each page's in the order of its /Annots array.
    static QList<DocumentAnnotation> annotations(PdfDocument& document);
    // Every widget of the document's form in document order (pages in order, each page's
    // widgets in the order of its /Annots array).
    static QList<FormField> formFields(PdfDocument& document);

    // A PDF date ("D:20240131120000+01'00'", parts from the seconds onwards optional) as a UTC
    // time; invalid when it does not parse.
    static QDateTime parseDate(const QString& text);

private:
    static InsideSource sourceOf(PdfDocument& document);
};

} // namespace dovrix
