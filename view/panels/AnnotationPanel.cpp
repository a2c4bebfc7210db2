#include "view/panels/AnnotationPanel.h"

#include "annotations/AnnotationStore.h"
#include "annotations/AnnotationsLog.h"
#include "annotations/DocumentAnnotationModel.h"
#include "core/DocumentController.h"
#include "engine/PdfDocument.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace dovrix {

namespace {

// Text of the page this many points above the other work: the rows on screen wait for it.
// The note as shown in a row; the tooltip has all of it.
constexpr int NoteShownLength = 160;

} // namespace

// --- rows -------------------------------------------------------------------------------------

AnnotationListModel::AnnotationListModel(AnnotationStore* annotationStore,
                                         TextLayoutStore* textLayoutStore, QObject* parent)
    : QAbstractListModel(parent), store(annotationStore), textStore(textLayoutStore)
{
    rows.append(Row{}); // the placeholder
    rowIdList.append(QString());
    if (textStore) {
        connect(textStore, &TextLayoutStore::pageTextReady, this, [this](int page) {
            // The excerpts of anchored rows appear as soon as their page text is known.
            if (requestedPages.remove(page))
                textsChanged();
        });
    }
}

int AnnotationListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

const Annotation* AnnotationListModel::annotationAt(int row) const
{
    if (row < 0 || row >= rows.size() || rows.at(row).annotation < 0 || !store)
        return nullptr;
    const QList<Annotation>& all = store->annotations();
    const int index = rows.at(row).annotation;
    if (index >= all.size() || all.at(index).id != rowIdList.at(row))
        return nullptr;
    return &all.at(index);
}

void AnnotationListModel::added(const QString& id)
{
    if (!store || store->revision() != syncedRevision + 1 || store->count() != annotationRows + 1
        || store->annotations().constLast().id != id || rows.isEmpty()
        || store->unreadableCount() > 0) {
        sync();
        return;
    }
    const QList<Annotation>& all = store->annotations();
    const int page = all.constLast().page;
    const int index = int(all.size() - 1);
    const bool placeholder = annotationRows == 0;
    if (placeholder) {
        beginRemoveRows(QModelIndex(), 0, 0);
        rows.clear();
        rowIdList.clear();
        endRemoveRows();
    }
    const bool header = placeholder || rows.constLast().page != page;
    const int first = int(rows.size());
    beginInsertRows(QModelIndex(), first, first + (header ? 1 : 0));
    if (header) {
        rows.append(Row{-1, page});
        rowIdList.append(QString());
    }
    rows.append(Row{index, page});
    rowIdList.append(id);
    endInsertRows();
    annotationRows = all.size();
    syncedRevision = store->revision();
}

void AnnotationListModel::updated(const QString& id)
{
    if (!store || store->revision() != syncedRevision + 1) {
        sync();
        return;
    }
    const QList<Annotation>& all = store->annotations();
    const qsizetype row = rowIdList.lastIndexOf(id);
    const int index = row >= 0 ? rows.at(row).annotation : -1;
    // A change of page moves the entry under another header: that is a move of rows.
    if (index < 0 || index >= all.size() || all.at(index).id != id
        || all.at(index).page != rows.at(row).page) {
        sync();
        return;
    }
    syncedRevision = store->revision();
    Q_EMIT dataChanged(this->index(int(row)), this->index(int(row)));
}

void AnnotationListModel::sync()
{
    if (store && store->revision() == syncedRevision && annotationRows == store->count()) {
        textsChanged();
        return;
    }
    // The store's list is read in place: a copy kept here would make every later change of the
    // store copy 100,000 annotations.
    static const QList<Annotation> none;
    const QList<Annotation>& next = store ? store->annotations() : none;
    QList<Row> nextRows;
    QStringList nextIds;
    nextRows.reserve(next.size() * 2 + 1);
    nextIds.reserve(next.size() * 2 + 1);
    for (qsizetype i = 0; i < next.size(); ++i) {
        const int page = next.at(i).page;
        if (i == 0 || page != next.at(i - 1).page) {
            nextRows.append(Row{-1, page});
            nextIds.append(QString());
        }
        nextRows.append(Row{int(i), page});
        nextIds.append(next.at(i).id);
    }
    const int unreadable = store ? store->unreadableCount() : 0;
    for (int i = 0; i < unreadable; ++i) {
        nextRows.append(Row{-1, -1, i});
        nextIds.append(QString());
    }
    if (next.isEmpty() && unreadable == 0) {
        nextRows.append(Row{});
        nextIds.append(QString());
    }

    // Only the rows between the common beginning and the common end change. Rows are the same
    // when they show the same annotation, or a header of the same page (or both the placeholder).
    const auto same = [&](qsizetype oldRow, qsizetype newRow) {
        const QString& id = rowIdList.at(oldRow);
        if (id.isEmpty() || nextIds.at(newRow).isEmpty())
            return id.isEmpty() && nextIds.at(newRow).isEmpty()
                   && rows.at(oldRow).page == nextRows.at(newRow).page
                   && rows.at(oldRow).unreadable == nextRows.at(newRow).unreadable;
        return id == nextIds.at(newRow);
    };
    qsizetype prefix = 0;
    while (prefix < rows.size() && prefix < nextRows.size() && same(prefix, prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < rows.size() - prefix && suffix < nextRows.size() - prefix
           && same(rows.size() - 1 - suffix, nextRows.size() - 1 - suffix))
        ++suffix;
    const qsizetype removed = rows.size() - prefix - suffix;
    const qsizetype inserted = nextRows.size() - prefix - suffix;

    if (removed > 0) {
        beginRemoveRows(QModelIndex(), int(prefix), int(prefix + removed - 1));
        rows.remove(prefix, removed);
        rowIdList.remove(prefix, removed);
        endRemoveRows();
    }
    if (inserted > 0)
        beginInsertRows(QModelIndex(), int(prefix), int(prefix + inserted - 1));
    rows = std::move(nextRows);
    rowIdList = std::move(nextIds);
    annotationRows = next.size();
    syncedRevision = store ? store->revision() : 0;
    requestedPages.clear(); // a reload forgets page texts; they are asked for again when shown
    if (inserted > 0)
        endInsertRows();
    textsChanged(); // an update changes the texts of rows that stay
}

void AnnotationListModel::textsChanged()
{
    if (!rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(rows.size()) - 1));
}

void AnnotationListModel::setRowHeight(int pixels)
{
    if (pixels == rowHeight)
        return;
    rowHeight = pixels;
    if (!rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(rows.size()) - 1), {Qt::SizeHintRole});
}

QString AnnotationListModel::rowText(const Annotation& a) const
{
    QString excerpt = anchoredText(textStore, a, ExcerptLength);
    if (excerpt.isEmpty() && a.isTextAnchored() && textStore && !textStore->hasPageText(a.page)
        && !requestedPages.contains(a.page)) {
        requestedPages.insert(a.page);
        textStore->requestPageText(a.page, JobPriority::TextLayout);
    }
    QStringList parts;
    if (!excerpt.isEmpty())
        parts.append(AnnotationPanel::tr("「%1」").arg(excerpt));
    if (!a.text.isEmpty()) {
        const QString note = a.text.simplified();
        parts.append(note.size() > NoteShownLength
                         ? note.left(NoteShownLength) + QStringLiteral("\u2026")
                         : note);
    }
    return typeLabel(a.type) + QLatin1Char('\n') + parts.join(QLatin1Char(' '));
}

QString AnnotationListModel::toolTip(const Annotation& a) const
{
    const QString noteSuffix = a.text.isEmpty() ? QString() : QLatin1Char('\n') + a.text;
    return AnnotationPanel::tr("%1 · 第 %2 页 · 颜色 %3%4")
        .arg(typeLabel(a.type), QString::number(qint64(a.page) + 1), a.color.name(QColor::HexRgb),
             noteSuffix);
}

QVariant AnnotationListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    const Row& row = rows.at(index.row());
    const bool header = row.annotation < 0 && row.page >= 0;
    const bool unreadable = row.unreadable >= 0;
    const bool placeholder = row.annotation < 0 && row.page < 0 && !unreadable;
    const Annotation* annotation = annotationAt(index.row());
    if (unreadable && (role == Qt::DisplayRole || role == Qt::ToolTipRole)) {
        const QList<QByteArray> entries = store ? store->unreadableEntries() : QList<QByteArray>();
        const QString raw = row.unreadable < entries.size()
                                ? QString::fromUtf8(entries.at(row.unreadable)).simplified()
                                : QString();
        if (role == Qt::ToolTipRole)
            return AnnotationPanel::tr("此批注无法完整读取，已原样保留在批注文件中，不能编辑。");
        return QString(AnnotationPanel::tr("无法读取的批注") + QLatin1Char('\n')
                       + (raw.size() > NoteShownLength
                              ? raw.left(NoteShownLength) + QStringLiteral("\u2026")
                              : raw));
    }
    switch (role) {
    case Qt::DisplayRole:
        if (placeholder)
            return AnnotationPanel::tr("暂无批注。开启批注模式后拖选文本即可创建。");
        if (header)
            return AnnotationPanel::tr("第 %1 页").arg(qint64(row.page) + 1);
        return annotation ? rowText(*annotation) : QString();
    case Qt::ToolTipRole:
        return annotation ? QVariant(toolTip(*annotation)) : QVariant();
    case IdRole:
        return rowIdList.at(index.row());
    case Qt::FontRole:
        if (header) {
            QFont bold;
            bold.setWeight(QFont::Bold);
            return bold;
        }
        return {};
    // The header band is the theme's secondary surface (light: 238, 241, 245) with its text
    // colour, so that headers stay readable in the dark themes.
    case Qt::BackgroundRole:
        return header ? QVariant(QColor(themePalette(currentTheme()).panel2)) : QVariant();
    case Qt::ForegroundRole:
        return header ? QVariant(QColor(themePalette(currentTheme()).textColor)) : QVariant();
    case Qt::SizeHintRole:
        return rowHeight > 0 ? QVariant(QSize(1, rowHeight)) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags AnnotationListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return Qt::NoItemFlags;
    const Row& row = rows.at(index.row());
    if (row.annotation >= 0)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return row.page >= 0 || row.unreadable >= 0 ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

// --- panel ------------------------------------------------------------------------------------

AnnotationPanel::AnnotationPanel(AnnotationStore* annotationStore,
                                 DocumentController* documentController,
                                 TextLayoutStore* textLayoutStore, QWidget* parent)
    : QWidget(parent), store(annotationStore), controller(documentController),
      textStore(textLayoutStore)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    label = new QLabel(this);
    label->setWordWrap(true);
    layout->addWidget(label, 0);
    ownTitle = new QLabel(this);
    ownTitle->setObjectName(QStringLiteral("ownAnnotationsTitle"));
    layout->addWidget(ownTitle, 0);

    rowModel = new AnnotationListModel(store, textStore, this);
    list = new QListView(this);
    list->setObjectName(QStringLiteral("annotList"));
    list->setFrameShape(QFrame::NoFrame);
    // Every row has the same height (two lines: the type, then the anchored text or the note,
    // cut with an ellipsis), so that the view never measures 100,000 rows.
    list->setUniformItemSizes(true);
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideRight);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setModel(rowModel);
    layout->addWidget(list, 1);

    documentSection = new QWidget(this);
    documentSection->setObjectName(QStringLiteral("documentAnnotationsSection"));
    auto* section = new QVBoxLayout(documentSection);
    section->setContentsMargins(0, 0, 0, 0);
    section->setSpacing(4);
    documentTitle = new QLabel(documentSection);
    documentTitle->setWordWrap(true);
    section->addWidget(documentTitle);
    docModel = new DocumentAnnotationModel(this);
    documentTree = new QTreeView(documentSection);
    documentTree->setObjectName(QStringLiteral("documentAnnotList"));
    documentTree->setHeaderHidden(true);
    documentTree->setUniformRowHeights(true);
    documentTree->setWordWrap(false);
    documentTree->setTextElideMode(Qt::ElideRight);
    documentTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    documentTree->setModel(docModel);
    section->addWidget(documentTree, 1);
    documentDetail = new QLabel(documentSection);
    documentDetail->setObjectName(QStringLiteral("documentAnnotDetail"));
    documentDetail->setWordWrap(true);
    documentDetail->setTextFormat(Qt::PlainText);
    documentDetail->setTextInteractionFlags(Qt::TextSelectableByMouse
                                            | Qt::TextSelectableByKeyboard);
    documentDetail->setMaximumHeight(160);
    section->addWidget(documentDetail);
    copyButton = new QPushButton(documentSection);
    copyButton->setObjectName(QStringLiteral("copyToNotesButton"));
    copyButton->setEnabled(false);
    section->addWidget(copyButton, 0, Qt::AlignLeft);
    layout->addWidget(documentSection, 1);
    documentSection->hide();
    updateRowHeight();

    connect(documentTree, &QTreeView::clicked, this, &AnnotationPanel::onDocumentRowClicked);
    connect(documentTree, &QTreeView::activated, this, &AnnotationPanel::onDocumentRowClicked);
    connect(copyButton, &QPushButton::clicked, this, &AnnotationPanel::copyToNotes);
    if (controller) {
        connect(controller, &DocumentController::documentReady, this,
                &AnnotationPanel::readDocumentAnnotations);
        if (controller->status() == DocumentStatus::Ready)
            readDocumentAnnotations();
    }

    connect(list, &QListView::clicked, this, &AnnotationPanel::onRowClicked);
    connect(list, &QListView::activated, this, &AnnotationPanel::onRowClicked);
    if (store) {
        connect(store, &AnnotationStore::annotationAdded, rowModel, &AnnotationListModel::added);
        connect(store, &AnnotationStore::annotationUpdated, rowModel,
                &AnnotationListModel::updated);
        connect(store, &AnnotationStore::annotationRemoved, this, &AnnotationPanel::refresh);
    }
    retranslate();
}

QStringList AnnotationPanel::rowIds() const
{
    QStringList ids;
    for (int row = 0; row < rowModel->rowCount(); ++row)
        ids.append(rowModel->index(row).data(AnnotationListModel::IdRole).toString());
    return ids;
}

QStringList AnnotationPanel::rowTexts() const
{
    QStringList texts;
    for (int row = 0; row < rowModel->rowCount(); ++row)
        texts.append(rowModel->index(row).data().toString());
    return texts;
}

void AnnotationPanel::retranslate()
{
    label->setText(
        tr("批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。"));
    ownTitle->setText(tr("我的批注"));
    documentTitle->setText(tr("文档中的批注（%1，只读）").arg(docModel->annotations().size()));
    copyButton->setText(tr("复制到我的批注"));
    docModel->textsChanged();
    documentTree->viewport()->update();
    refresh();
}

void AnnotationPanel::readDocumentAnnotations()
{
    chosenDocumentAnnotation = -1;
    copyButton->setEnabled(false);
    documentDetail->clear();
    docModel->setAnnotations({});
    documentSection->hide();
    if (!controller || !controller->worker())
        return;
    controller->worker()->post(
        JobPriority::Outline, this, controller->documentTicket(),
        [document = controller->sharedDocument()]() -> Reply<AnnotationPanel> {
            QList<DocumentAnnotation> read;
            // Only the MuPDF engine reads the document's own annotations.
            if (document)
                read = DocumentInside::annotations(*document);
            return [read](AnnotationPanel& self) { self.showDocumentAnnotations(read); };
        });
}

void AnnotationPanel::showDocumentAnnotations(const QList<DocumentAnnotation>& read)
{
    docModel->setAnnotations(read);
    documentTitle->setText(tr("文档中的批注（%1，只读）").arg(read.size()));
    documentSection->setVisible(!read.isEmpty());
    Q_EMIT documentAnnotationsRead(int(read.size()));
}

QString AnnotationPanel::documentDetailText() const
{
    return documentDetail->text();
}

void AnnotationPanel::onDocumentRowClicked(const QModelIndex& index)
{
    const DocumentAnnotation* a = docModel->annotationAt(index);
    if (!a)
        return;
    chosenDocumentAnnotation = index.data(DocumentAnnotationModel::AnnotationRole).toInt();
    QStringList lines;
    QString head = DocumentAnnotationModel::kindLabel(a->subtype);
    if (!a->author.isEmpty())
        head += QStringLiteral(" · ") + a->author;
    if (a->modified.isValid())
        head += QStringLiteral(" · ")
                + QLocale().toString(a->modified.toLocalTime(), QLocale::ShortFormat);
    lines << head;
    if (!a->contents.isEmpty())
        lines << a->contents;
    const bool copyable = copiedAnnotation(*a).has_value();
    if (!copyable)
        lines << tr("此类批注无法复制为我的批注。");
    documentDetail->setText(lines.join(QLatin1Char('\n')));
    copyButton->setEnabled(copyable && store);
    Q_EMIT documentAnnotationSelected(a->page, a->rect);
}

QString AnnotationPanel::copyToNotes()
{
    const QList<DocumentAnnotation>& all = docModel->annotations();
    if (!store || chosenDocumentAnnotation < 0 || chosenDocumentAnnotation >= all.size())
        return {};
    const std::optional<Annotation> copy = copiedAnnotation(all.at(chosenDocumentAnnotation));
    if (!copy)
        return {};
    const QString id = store->add(*copy);
    if (!id.isEmpty())
        Q_EMIT annotationSelected(id);
    return id;
}

void AnnotationPanel::refresh()
{
    rowModel->sync();
}

void AnnotationPanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateRowHeight();
}

void AnnotationPanel::updateRowHeight()
{
    const QFontMetrics metrics(list->font());
    rowModel->setRowHeight(2 * metrics.lineSpacing() + 10);
}

void AnnotationPanel::onRowClicked(const QModelIndex& index)
{
    const QString id = index.data(AnnotationListModel::IdRole).toString();
    if (!id.isEmpty())
        Q_EMIT annotationSelected(id);
}

} // namespace dovrix
