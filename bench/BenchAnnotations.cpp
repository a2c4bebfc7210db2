#include "annotations/AnnotationStore.h"
#include "bench/Bench.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "tests/support/TestWait.h"
#include "text/TextLayoutStore.h"
#include "view/panels/AnnotationPanel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListView>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using namespace dovrix;

// A sidecar of count annotations spread over the pages, every other one anchored to text.
QByteArray sidecarWith(int count, int pages, const QString& hash)
{
    QJsonArray annotations;
    for (int i = 0; i < count; ++i) {
        Annotation a;
        a.id = QStringLiteral("bench-%1").arg(i);
        a.page = int(qint64(i) * pages / count);
        a.type = annotationTypes[i % AnnotationTypeCount].type;
        a.rect = QRectF(40 + i % 400, 60 + i % 600, 120, 14);
        if (i % 2 == 0) {
            a.byText = true;
            a.start = i % 50;
            a.length = 20;
        } else {
            a.text = QStringLiteral("note %1").arg(i);
        }
        annotations.append(AnnotationStore::toJson(a));
    }
    const QJsonObject root{{QStringLiteral("annotations"), annotations},
                           {QStringLiteral("sourceHash"), hash},
                           {QStringLiteral("version"), 1}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// Milliseconds of one change of the store, until its panel has been repainted.
template <typename Change> double timed(QWidget& panel, Change change)
{
    QElapsedTimer clock;
    clock.start();
    change();
    panel.repaint();
    QApplication::processEvents();
    return bench::elapsedMs(clock);
}

int annotationsCommand(const QStringList& args)
{
    const QStringList files =
        bench::positional(args, {QStringLiteral("--count"), QStringLiteral("--repeat")});
    bool countOk = false;
    bool repeatOk = false;
    const int count =
        bench::option(args, QStringLiteral("--count"), QStringLiteral("100000")).toInt(&countOk);
    const int repeat =
        bench::option(args, QStringLiteral("--repeat"), QStringLiteral("5")).toInt(&repeatOk);
    if (files.size() != 1 || !countOk || count < 1 || !repeatOk || repeat < 1) {
        QTextStream(stderr) << "usage: dovrix-bench annotations FILE [--count N] [--repeat K] "
                               "[--foreground]\n";
        return 2;
    }

    // The document is copied: the bench writes a sidecar next to it.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bench.pdf"));
    if (!dir.isValid() || !QFile::copy(files.first(), pdf))
        return bench::fail("annotations", QStringLiteral("cannot copy the document"));
    PdfWorker worker;
    DocumentController controller(&worker);
    if (!test::openAndWait(controller, pdf))
        return bench::fail("annotations", QStringLiteral("the document does not open"));
    QFile sidecar(AnnotationStore::sidecarPathFor(pdf));
    const QByteArray bytes = sidecarWith(count, controller.pageCount(), controller.sourceHash());
    if (!sidecar.open(QIODevice::WriteOnly) || sidecar.write(bytes) != bytes.size())
        return bench::fail("annotations", QStringLiteral("cannot write the sidecar"));
    sidecar.close();

    TextLayoutStore textStore(&worker, &controller);
    AnnotationStore store;
    // As in the program, unless the writes on the GUI thread are to be measured.
    store.setBackgroundWrites(!args.contains(QStringLiteral("--foreground")));
    AnnotationPanel panel(&store, &controller, &textStore);
    panel.resize(280, 800);
    panel.show();
    QApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    store.setSource(pdf, controller.sourceHash());
    const double loadMs = bench::elapsedMs(clock);
    panel.refresh();
    panel.repaint();
    QApplication::processEvents();
    const double openMs = bench::elapsedMs(clock);

    QList<double> addMs, updateMs, removeMs, saveMs;
    for (int i = 0; i < repeat; ++i) {
        Annotation a;
        a.page = controller.pageCount() - 1;
        a.rect = QRectF(100, 100, 50, 20);
        QString id;
        addMs << timed(panel, [&] { id = store.add(a); });
        Annotation changed = *store.find(id);
        changed.text = QStringLiteral("changed %1").arg(i);
        updateMs << timed(panel, [&] { store.update(changed); });
        removeMs << timed(panel, [&] { store.remove(id); });
        QElapsedTimer save;
        save.start();
        store.save(); // after the background writes still in flight
        saveMs << bench::elapsedMs(save);
    }

    bench::printJson({{QStringLiteral("annotations"), store.count()},
                      {QStringLiteral("rows"), panel.model()->rowCount()},
                      {QStringLiteral("sidecar_bytes"), bytes.size()},
                      {QStringLiteral("load_ms"), loadMs},
                      {QStringLiteral("open_ms"), openMs},
                      {QStringLiteral("add_ms"), bench::median(addMs)},
                      {QStringLiteral("update_ms"), bench::median(updateMs)},
                      {QStringLiteral("remove_ms"), bench::median(removeMs)},
                      {QStringLiteral("save_ms"), bench::median(saveMs)},
                      {QStringLiteral("read_only"), store.isReadOnly()}});
    return 0;
}

const bench::Registration registration(
    "annotations",
    "annotations FILE [--count N] [--repeat K] [--foreground]: open a sidecar of N annotations in "
    "the "
    "store and its panel; times of opening and of one add, change and removal on the GUI thread "
    "(each saved and repainted; --foreground writes the sidecar there too)",
    annotationsCommand);

} // namespace
