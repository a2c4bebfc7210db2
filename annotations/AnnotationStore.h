#pragma once

#include "annotations/Annotation.h"
#include "annotations/RawJson.h"
#include "core/PdfWorker.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QJsonArray;
class QJsonObject;
class QJsonValue;

namespace dovrix {

// The annotations of one document. They never touch the PDF: every change is mirrored at once,
// atomically, into the sidecar file "<complete base name>.dovrixmark" next to it (compact UTF-8
// JSON bound to the PDF's SHA-256). GUI thread only. File access is synchronous, except that
// with a writer the sidecar of a change is written on the worker's files lane (one write in
// flight per store; a newer change replaces one still waiting), and its outcome is adopted on the
// GUI thread. Rebinding and destruction finish the write in flight, and waitForWrites() does so
// on demand (closing a document): no note is lost.
//
// A sidecar that exists but cannot be read or understood is never silently replaced: before the
// first save overwrites it, its bytes are kept under a name of their own,
// "<sidecar>.<yyyyMMdd-HHmmss>.bak" (the last MaxBackups are kept); when that copy cannot be made
// the store stays read-only and keeps its annotations in memory. A save that fails at any step
// (a full disk included) leaves the previous sidecar byte-identical and turns the store read-only
// until a later save succeeds. The sidecar is never the source PDF itself (a PDF named
// "x.dovrixmark", or a sidecar linked to the PDF): such a store stays read-only.
//
// What this version does not understand is written back as it was, byte for byte, on every save:
// top-level members it does not know (sections, see section()), keys of an annotation it does not
// know, and whole entries it cannot read exactly (a key missing, of another type or out of range:
// they are listed by unreadableEntries(), never edited). Anything read less than exactly (such an
// entry, a repeated id, a missing or damaged top-level key, a sidecar bound to other contents)
// also has the file's bytes kept as a backup before the first save. A sidecar of a newer major
// version is shown read-only and never written.
class AnnotationStore : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationStore)

public:
    // Why the store keeps its annotations in memory only (see readonlyFallback).
    enum class Fallback {
        UnspellableName,    // the PDF's name cannot be spelled, so no sidecar can sit beside it
        SidecarIsTheSource, // the sidecar's path leads to the PDF itself
        Unreadable,         // the sidecar exists but cannot be read (fileError says why)
        TooLarge,           // the sidecar exists but is larger than any this version writes
        NewerVersion,       // written by a newer version: shown, never written
        FolderInTheWay,     // a folder stands where the sidecar goes
        BackupFailed,       // a sidecar that could not be read could not be kept aside
        FolderNotWritable,  // the sidecar cannot be created in its folder
        WriteFailed,        // writing the sidecar failed (fileError says why)
    };
    Q_ENUM(Fallback)

    // Why an export may not be written to a path.
    enum class ExportRefusal {
        None,
        IsTheSource,  // the PDF itself, under any spelling of its path
        IsTheSidecar, // its sidecar: the annotations would be gone at the next opening
    };
    Q_ENUM(ExportRefusal)

    // What became of an export: written, refused, or failed with the file's own words.
    struct ExportOutcome
    {
        ExportRefusal refusal = ExportRefusal::None;
        QString fileError;
        bool written() const { return refusal == ExportRefusal::None && fileError.isEmpty(); }
    };

    explicit AnnotationStore(QObject* parent = nullptr);
    ~AnnotationStore() override;

    // Additions, changes and removals write the sidecar on the worker's files lane (without a
    // writer, the default, every change is on disk when the call returns). The worker must
    // outlive the store.
    void setWriter(PdfWorker* worker) { writer = worker; }
    // Finishes the sidecar write in flight and the one waiting behind it, adopting their outcome
    // (a write its lane has not begun runs here).
    void waitForWrites();
    bool hasPendingWrites() const { return writing.isValid(); }

    // Whose character indices the annotations' start and length count (QtPdf unless set); takes
    // effect at the next setSource or load. The sidecar keeps Qt PDF's indices under "start" and
    // "length", as older versions read them, and MuPDF's in "textAnchor".
    void setTextSpace(TextSpace space) { textSpace = space; }
    TextSpace space() const { return textSpace; }

    // Binds the store to a PDF and loads its sidecar. Calling it again starts over from the file;
    // an empty path leaves the store unbound. Without sidecarNameable (the PDF's own name cannot
    // be spelled, see RawFilePath) there is no sidecar: the store keeps its annotations in memory,
    // read-only, and says why.
    void setSource(const QString& pdfPath, const QString& sourceHash, bool sidecarNameable = true);
    void load();
    // False when nothing was written; the store has then turned read-only and said why.
    bool save();

    // Returns the new id, or an empty string when no source is bound. The annotation stays in
    // memory even when saving fails (the store then turns read-only).
    QString add(const Annotation& annotation);
    void update(const Annotation& annotation);
    // Anchors annotations again in the store's text space (the document is shown with another
    // page text than their anchors count in): takes start, length and quote of each given one
    // whose id is in the store, keeps everything else, and saves once.
    void reanchor(const QList<Annotation>& anchored);
    void remove(const QString& id);

    // Valid until the next change of the list.
    const Annotation* find(const QString& id) const;
    QList<Annotation> annotationsOnPage(int page) const;
    QList<Annotation> allAnnotations() const { return list; }
    // The list itself, valid until the next change. Readers that keep a copy of the list make
    // the next change copy all of it.
    const QList<Annotation>& annotations() const { return list; }
    // Counts the changes of the list (loads, additions, updates, removals): readers tell from it
    // whether what they show is still current.
    quint64 revision() const { return changes; }
    int count() const { return int(list.size()); }

    // Values the user gave the document's form fields, by the field's fully qualified name; kept
    // in the sidecar with the annotations ("formValues"), bound to the same SHA-256. A field
    // missing here keeps the document's own value.
    static constexpr int MaxFormValueLength = 64 * 1024;
    QMap<QString, QString> formValues() const { return fieldValues; }
    // Stores a value (cut to MaxFormValueLength code units) and saves; no change, no save.
    void setFormValue(const QString& field, const QString& value);
    // Forgets every value (the form shows the document's own values again) and saves.
    void clearFormValues();

    bool isBound() const { return bound; }
    bool isReadOnly() const { return readOnly; }
    bool hasHashMismatch() const { return hashMismatch; }
    QString sourcePath() const { return pdfPath; }
    QString sourceHash() const { return hash; }
    QString sidecarPath() const { return sidecar; }
    // Where this store kept the last unreadable sidecar before replacing it; empty when none.
    QString lastBackupPath() const { return lastBackup; }
    // The kept copies of damaged sidecars of sidecarPath, oldest first.
    static QStringList backupsOf(const QString& sidecarPath);
    static constexpr int MaxBackups = 5;
    // The sidecar format this version writes; a file with a higher major version opens read-only.
    static constexpr int FormatVersion = 1;

    // Entries of the sidecar this version cannot read whole, as they are in the file (compact or
    // not); they stay there on every save.
    QList<QByteArray> unreadableEntries() const;
    int unreadableCount() const { return int(unreadable.size()); }
    // The JSON value of a top-level member the store itself does not use (written by a newer
    // version, or kept there by another part of the program); empty when there is none.
    QByteArray section(const QString& key) const;
    // Sets such a member (an undefined value removes it) and saves. False for the store's own keys
    // and when no source is bound.
    bool setSection(const QString& key, const QJsonValue& value);

    // The text an annotation is anchored to, as far as it is known (empty otherwise).
    using AnchoredText = std::function<QString(const Annotation&)>;
    // Writes the plain-text summary (UTF-8, platform line ends) through an atomic save file; a
    // text-anchored entry quotes its text when anchoredText knows it. Refuses the source PDF and
    // the sidecar themselves (under any spelling of their paths) as the target.
    ExportOutcome exportSummary(const QString& filePath,
                                const AnchoredText& anchoredText = {}) const;

    // "<complete base name>.dovrixmark" in the PDF's directory.
    static QString sidecarPathFor(const QString& pdfPath);
    // Why target may not be written by an export of the PDF at pdfPath (exports, the summary,
    // printing to a file): it is that PDF or its sidecar, under any spelling of either path.
    static ExportRefusal exportTargetRefusal(const QString& target, const QString& pdfPath);
    // One annotation as stored in the sidecar, and back. fromJson reads only what it can read
    // exactly: false when one of the keys toJson writes is missing, of another JSON type or out of
    // range (an empty id is accepted and kept empty here). Other keys are ignored.
    // Indices count in space: Qt PDF's go to "start"/"length", MuPDF's to "textAnchor".
    static QJsonObject toJson(const Annotation& annotation, TextSpace space = TextSpace::QtPdf);
    static bool fromJson(const QJsonObject& object, Annotation* annotation,
                         TextSpace space = TextSpace::QtPdf);
    // toJson as compact JSON text, made directly (the sidecar of 100,000 annotations is written
    // on every change).
    static QByteArray encode(const Annotation& annotation, TextSpace space = TextSpace::QtPdf);

Q_SIGNALS:
    void annotationAdded(const QString& id);
    void annotationUpdated(const QString& id);
    void annotationRemoved(const QString& id);
    // fileError is the file's own error text where the reason has one, else empty.
    void readonlyFallback(dovrix::AnnotationStore::Fallback reason, const QString& fileError);
    void hashMismatchDetected();
    void formValuesChanged();

private:
    using RawMember = RawJson::Member;
    struct WriteResult
    {
        bool ok = true;
        bool folderUnusable = false; // the sidecar could not even be created there
        QString error;
    };
    static WriteResult writeSidecar(const QString& path, const QByteArray& bytes);
    // The checks before a save and the bytes to write; false (read-only, told) when none may be.
    bool prepareSave(QByteArray* json);
    bool adoptWrite(const WriteResult& result);
    void saveChange();
    void startWrite(QByteArray json);
    void finishWrite();

    bool keepUnreadableSidecar();
    // Turns the store read-only and tells why; false.
    bool refuseSave(Fallback reason, const QString& fileError = {});
    // The annotations part of the load: the entries of the array text.
    void loadEntries(const QJsonArray& values, QByteArrayView text);
    QByteArray encodeAt(qsizetype index) const;

    TextSpace textSpace = TextSpace::QtPdf;
    bool bound = false;
    bool readOnly = false;
    bool hashMismatch = false;
    // The sidecar existed but could not be read or understood; its bytes must be kept as the
    // backup before a save may replace it.
    bool backupPending = false;
    QString pdfPath;
    QString sidecar;
    QString hash;
    QString lastBackup;
    // Why no save may ever write the sidecar (it is the source PDF itself, or it cannot be
    // named); empty while saves may.
    std::optional<Fallback> neverWrite;
    QList<Annotation> list;
    QMap<QString, QString> fieldValues;
    quint64 changes = 0;
    QList<QByteArray> encoded; // encodeAt() of each annotation of list, at the same index
    // Members of each annotation of list that this version does not know, as in the file.
    QList<QList<RawMember>> unknownKeys;
    struct Unreadable
    {
        QString after; // the id of the annotation it follows in the file; empty: the first ones
        QByteArray text;
    };
    QList<Unreadable> unreadable;
    QMap<QString, RawMember> sections; // top-level members this version does not use
    bool newerVersion = false;         // written by a newer major version: never saved
    PdfWorker* writer = nullptr;
    PendingJob writing;                   // valid while a sidecar write is in flight
    std::shared_ptr<WriteResult> written; // its outcome, once it has run
    Generation writeGeneration;    // moved on by every write started; tells stale completions apart
    bool nextWritePending = false; // a newer change waits for the write in flight
    QByteArray nextWrite;
};

} // namespace dovrix
