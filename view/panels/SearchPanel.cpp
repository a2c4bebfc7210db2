#include "view/panels/SearchPanel.h"

#include "core/DocumentController.h"
#include "core/PageLabels.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dovrix {

SearchPanel::SearchPanel(DocumentController* documentController, SearchController* searchController,
                         TextLayoutStore* store, QWidget* parent)
    : QWidget(parent), documentController(documentController), searchController(searchController),
      store(store)
{
    list = new QListWidget;
    list->setFrameShape(QFrame::NoFrame);
    list->setUniformItemSizes(false);
    // Excerpts wrap within the side area rather than scroll sideways.
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tens of thousands of rows are laid out a batch at a time between events.
    list->setLayoutMode(QListView::Batched);
    list->setBatchSize(200);
    status = new QLabel;
    status->setObjectName(QStringLiteral("muted"));
    status->setWordWrap(true);

    hint = new QWidget;
    hint->hide();
    hintLabel = new QLabel;
    hintLabel->setWordWrap(true);
    ocr = new QPushButton;
    ocr->setAutoDefault(false);
    ocr->setDefault(false);
    auto* hintLayout = new QVBoxLayout(hint);
    hintLayout->setContentsMargins(2, 2, 2, 2);
    hintLayout->addWidget(hintLabel);
    hintLayout->addWidget(ocr, 0, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(status);
    layout->addWidget(list, 1);
    layout->addWidget(hint);

    hintLabel->setText(tr("未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。"));
    ocr->setText(tr("OCR 此文档…"));

    connect(list, &QListWidget::itemClicked, this, &SearchPanel::onItemClicked);
    connect(searchController, &SearchController::started, this, &SearchPanel::onStarted);
    connect(searchController, &SearchController::hitFound, this, &SearchPanel::onHitFound);
    connect(searchController, &SearchController::progress, this, &SearchPanel::onProgress);
    connect(searchController, &SearchController::finished, this, &SearchPanel::onFinished);
    connect(ocr, &QPushButton::clicked, this, &SearchPanel::ocrRequested);
}

void SearchPanel::search(const QString& text, bool caseSensitive)
{
    query = text;
    searchController->startSearch(text, caseSensitive);
    if (text.simplified().isEmpty())
        reset();
}

void SearchPanel::clearResults()
{
    hits.clear();
    rowToHit.clear();
    list->clear();
    shownHits = 0;
    currentHit = -1;
    firstHitWanted = false;
    hint->hide();
}

void SearchPanel::reset()
{
    clearResults();
    status->setText(tr("输入关键字开始搜索（Ctrl+F）"));
}

QString SearchPanel::shownQuery() const
{
    // Isolated, so that a query in another script keeps the words around it in their order (a
    // Latin query in an Arabic text, an Arabic one in an English text).
    return QChar(0x2068) + query + QChar(0x2069);
}

QString SearchPanel::hitsText() const
{
    return tr("“%1”：共 %n 处命中", nullptr, int(hits.size())).arg(shownQuery());
}

QString SearchPanel::noHitsText() const
{
    return tr("“%1”无命中").arg(shownQuery());
}

void SearchPanel::onStarted(int totalPages)
{
    Q_UNUSED(totalPages)
    clearResults();
    status->setText(tr("正在搜索“%1”…").arg(shownQuery()));
}

void SearchPanel::onHitFound(int page, int start, int length, int ocrLine)
{
    hits.append(SearchHit{page, start, length, ocrLine});
}

void SearchPanel::onProgress(int scanned, int total)
{
    // Pages are searched in the order their texts arrive; hits are listed in page order. The count
    // is every hit found so far, listed or not. One arg() call: a query holding "%2" stays as
    // typed.
    status->setText(tr("正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处", nullptr,
                       searchController->foundHits())
                        .arg(shownQuery(), QString::number(scanned), QString::number(total)));
    appendRows();
    if (firstHitWanted && !hits.isEmpty())
        focusHit(0);
}

void SearchPanel::onFinished(int totalHits)
{
    Q_UNUSED(totalHits)
    appendRows();
    if (!hits.isEmpty()) {
        status->setText(hitsText());
        if (firstHitWanted)
            focusHit(0);
        return;
    }
    firstHitWanted = false;
    status->setText(noHitsText());
    bool scannedPage = false;
    const int pages = documentController->pageCount();
    for (int page = 0; page < pages && !scannedPage; ++page)
        scannedPage = store->hasPageText(page) && !store->hasTextLayer(page);
    if (!scannedPage)
        status->setText(tr("“%1”无命中。").arg(shownQuery()));
    hint->show();
}

QString SearchPanel::excerpt(const QString& text, int start, int length)
{
    const qsizetype size = text.size();
    const qsizetype to = std::min<qsizetype>(size, qsizetype(start) + length + 48);
    const qsizetype from = start <= 12 ? 0 : start - 12;
    const QString core = text.mid(from, std::max<qsizetype>(0, to - from)).simplified();
    QString row = start > 12 ? QStringLiteral("…") + core : core;
    if (to < size)
        row += QStringLiteral("…");
    return row;
}

void SearchPanel::rebuildList()
{
    list->clear();
    rowToHit.clear();
    shownHits = 0;
    appendRows();
}

void SearchPanel::appendRows()
{
    // Rows already shown stay as they are: a hit's excerpt comes from a text that was there when
    // the hit was found. Adding only the new hits keeps a long search linear in its hits.
    QFont bold = list->font();
    bold.setWeight(QFont::Bold);
    // The light theme's secondary surface; the theme's own keeps headers readable in dark themes.
    const QColor headerBackground(themePalette(currentTheme()).panel2);

    int lastPage = shownHits > 0 ? hits.at(shownHits - 1).page : -1;
    for (int i = shownHits; i < hits.size(); ++i) {
        const SearchHit& hit = hits.at(i);
        if (hit.page != lastPage) {
            lastPage = hit.page;
            const QStringList labels =
                documentController ? documentController->pageLabels() : QStringList();
            auto* header =
                new QListWidgetItem(tr("第 %1 页").arg(pageShortText(labels, hit.page)), list);
            header->setFont(bold);
            header->setFlags(Qt::ItemIsEnabled);
            header->setBackground(headerBackground);
            rowToHit.append(-1);
        }
        QString text;
        if (hit.ocrLine >= 0) {
            const OcrPageText* result = store->ocrResult(hit.page);
            if (result && hit.ocrLine < result->lines.size())
                text = excerpt(result->lines.at(hit.ocrLine).text, hit.start, hit.length);
            else
                text = tr("(OCR 文本)");
        } else {
            const QString pageText = store->pageText(hit.page);
            text = pageText.isEmpty() ? tr("(文本尚未加载)")
                                      : excerpt(pageText, hit.start, hit.length);
        }
        auto* row = new QListWidgetItem(text, list);
        row->setToolTip(tr("第 %1 页%2")
                            .arg(hit.page + 1)
                            .arg(hit.ocrLine >= 0 ? QStringLiteral(" · OCR") : QString()));
        rowToHit.append(i);
    }
    shownHits = int(hits.size());
}

void SearchPanel::showFirstHit()
{
    if (hits.isEmpty())
        firstHitWanted = !query.simplified().isEmpty() && !searchController->isFinished();
    else
        focusHit(0);
}

void SearchPanel::focusHit(int hit)
{
    firstHitWanted = false;
    currentHit = hit;
    const int row = int(rowToHit.indexOf(hit));
    if (row >= 0) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row), QAbstractItemView::EnsureVisible);
    }
    Q_EMIT hitFocused(hit);
}

void SearchPanel::onItemClicked(QListWidgetItem* it)
{
    const int row = list->row(it);
    if (row < 0 || row >= rowToHit.size())
        return;
    const int hit = rowToHit.at(row);
    if (hit < 0 || hit >= hits.size())
        return;
    focusHit(hit);
}

void SearchPanel::focusNext()
{
    const int n = int(hits.size());
    if (n == 0)
        return;
    focusHit((currentHit + 1) % n);
}

void SearchPanel::focusPrevious()
{
    const int n = int(hits.size());
    if (n == 0)
        return;
    // Without a focused hit, "previous" is the last one, as in any find bar.
    focusHit(currentHit < 0 ? n - 1 : (currentHit + n - 1) % n);
}

void SearchPanel::retranslate()
{
    hintLabel->setText(tr("未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。"));
    ocr->setText(tr("OCR 此文档…"));
    if (query.simplified().isEmpty())
        status->setText(tr("输入关键字开始搜索（Ctrl+F）"));
    else if (!hits.isEmpty())
        status->setText(hitsText());
    else
        status->setText(noHitsText());
    if (!hits.isEmpty())
        rebuildList();
}

} // namespace dovrix
