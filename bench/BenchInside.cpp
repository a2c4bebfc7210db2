#include "annotations/DocumentAnnotationModel.h"
#include "bench/Bench.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "engine/DocumentInside.h"
#include "engine/PdfDocument.h"
#include "support/InsideFixtures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>
#include <QTreeView>

namespace {

using namespace dovrix;

QJsonArray rectJson(const QRectF& r)
{
    return {r.x(), r.y(), r.width(), r.height()};
}

QString dateJson(const QDateTime& t)
{
    return t.isValid() ? t.toUTC().toString(Qt::ISODate) : QString();
}

// What is inside a PDF besides its pages' drawing, as JSON: the document's own annotations,
// its form fields and its embedded files, with the time the reads took on the worker.
int insideCommand(const QStringList& args)
{
    const QStringList files =
        bench::positional(args, {QStringLiteral("--write-sample"), QStringLiteral("--count")});
    const QString sample = bench::option(args, QStringLiteral("--write-sample"));
    if (!sample.isEmpty()) {
        const int count =
            bench::option(args, QStringLiteral("--count"), QStringLiteral("0")).toInt();
        const bool ok = bench::hasFlag(args, QStringLiteral("--form")) ? test::writeFormPdf(sample)
                        : count > 0 ? test::writeManyAnnotationsPdf(sample, count)
                                    : test::writeInsidePdf(sample);
        return ok ? 0 : bench::fail("inside", QStringLiteral("could not write ") + sample);
    }
    if (files.size() != 1) {
        QTextStream(stderr)
            << "usage: dovrix-bench inside FILE [--panel]\n"
               "       dovrix-bench inside --write-sample OUT.pdf [--count N | --form]\n";
        return 2;
    }
    PdfWorker worker;
    DocumentController controller(&worker);
    if (!openAndWait(controller, files.first()))
        return bench::fail("inside", QStringLiteral("could not open ") + files.first());

    QList<DocumentAnnotation> annotations;
    QList<DocumentAttachment> attachments;
    QList<FormField> fields;
    bool engine = false;
    double annotationsMs = 0, attachmentsMs = 0, fieldsMs = 0;
    worker.post(JobPriority::Document, [&, document = controller.sharedDocument()] {
        PdfDocument* geometry = document.get();
        if (!geometry || geometry->engine() != EngineKind::MuPdf)
            return;
        engine = true;
        QElapsedTimer clock;
        clock.start();
        annotations = DocumentInside::annotations(*geometry);
        annotationsMs = bench::elapsedMs(clock);
        clock.restart();
        attachments = DocumentInside::attachments(*geometry);
        attachmentsMs = bench::elapsedMs(clock);
        clock.restart();
        fields = DocumentInside::formFields(*geometry);
        fieldsMs = bench::elapsedMs(clock);
    });
    worker.waitForIdle();

    QJsonArray annotationList;
    for (const DocumentAnnotation& a : std::as_const(annotations))
        annotationList.append(QJsonObject{{"page", a.page},
                                          {"object", a.object},
                                          {"in_reply_to", a.inReplyTo},
                                          {"subtype", a.subtype},
                                          {"author", a.author},
                                          {"modified", dateJson(a.modified)},
                                          {"contents", a.contents},
                                          {"rect", rectJson(a.rect)}});
    QJsonArray attachmentList;
    for (const DocumentAttachment& a : std::as_const(attachments))
        attachmentList.append(QJsonObject{{"name", a.name},
                                          {"size", double(a.size)},
                                          {"description", a.description},
                                          {"page", a.page}});
    static const char* const kindNames[] = {"text",    "checkbox",   "radio",    "combobox",
                                            "listbox", "pushbutton", "signature"};
    QJsonArray fieldList;
    for (const FormField& f : std::as_const(fields))
        fieldList.append(QJsonObject{{"name", f.name},
                                     {"kind", kindNames[int(f.kind)]},
                                     {"page", f.page},
                                     {"rect", rectJson(f.rect)},
                                     {"value", f.value},
                                     {"max_length", f.maxLength},
                                     {"scripted", f.scripted}});
    QJsonObject out{{"command", "inside"},
                    {"file", files.first()},
                    {"engine_reads_inside", engine},
                    {"annotations_ms", annotationsMs},
                    {"attachments_ms", attachmentsMs},
                    {"annotations", annotationList},
                    {"fields_ms", fieldsMs},
                    {"fields", fieldList},
                    {"attachments", attachmentList}};
    if (bench::hasFlag(args, QStringLiteral("--panel"))) {
        // The panel's part: the tree model filled and the first rows laid out and painted.
        QElapsedTimer clock;
        clock.start();
        DocumentAnnotationModel model;
        model.setAnnotations(annotations);
        QTreeView view;
        view.setUniformRowHeights(true);
        view.setHeaderHidden(true);
        view.setModel(&model);
        view.resize(300, 800);
        view.show();
        QApplication::processEvents();
        view.grab();
        out.insert("panel_ms", bench::elapsedMs(clock));
    }
    bench::printJson(out);
    return 0;
}

const bench::Registration
    registration("inside", "inside FILE [--panel] | --write-sample OUT.pdf [--count N | --form]",
                 insideCommand);

} // namespace
