#include "annotations/AnnotationPanel.h"

#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace dovrix {

namespace {

constexpr int ExcerptLength = 60;
constexpr int NoteShownLength = 160;

} // namespace

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
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("annotList"));
    list->setFrameShape(QFrame::NoFrame);
    // Notes of up to 160 characters wrap in the narrow side area instead of scrolling sideways.
    list->setWordWrap(true);
    list->setResizeMode(QListView::Adjust);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(list, 1);

    connect(list, &QListWidget::itemClicked, this, &AnnotationPanel::onItemClicked);
    connect(list, &QListWidget::itemActivated, this, &AnnotationPanel::onItemClicked);
    if (store) {
        connect(store, &AnnotationStore::annotationAdded, this, &AnnotationPanel::refresh);
        connect(store, &AnnotationStore::annotationUpdated, this, &AnnotationPanel::refresh);
        connect(store, &AnnotationStore::annotationRemoved, this, &AnnotationPanel::refresh);
    }
    if (textStore) {
        connect(textStore, &TextLayoutStore::pageTextReady, this,
                &AnnotationPanel::onPageTextReady);
    }
    retranslate();
}

QString AnnotationPanel::typeGlyph(int type)
{
    switch (type) {
    case Highlight:
        return QStringLiteral("\u25AC");
    case Underline:
        return QStringLiteral("U");
    case Strikethrough:
        return QStringLiteral("S");
    case Note:
        return QStringLiteral("\u270E");
    case Rectangle:
        return QStringLiteral("\u25AD");
    case Arrow:
        return QStringLiteral("\u2192");
    default:
        return QStringLiteral("\u2022");
    }
}

void AnnotationPanel::retranslate()
{
    label->setText(
        tr("批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。"));
    refresh();
}

void AnnotationPanel::refresh()
{
    list->clear();
    ids.clear();
    pagesAwaitingText.clear();

    const QList<Annotation> all = store ? store->allAnnotations() : QList<Annotation>();
    QFont bold = list->font();
    bold.setWeight(QFont::Bold);
    // The header band is the theme's secondary surface (light: 238, 241, 245) with its text
    // colour, so that headers stay readable in the dark themes.
    const ThemePalette palette = themePalette(currentTheme());
    const QColor headerBackground(palette.panel2);
    const QColor headerText(palette.textColor);

    for (qsizetype i = 0; i < all.size(); ++i) {
        const Annotation& a = all.at(i);
        if (i == 0 || a.page != all.at(i - 1).page) {
            auto* header = new QListWidgetItem(tr("第 %1 页").arg(qint64(a.page) + 1), list);
            header->setFont(bold);
            header->setFlags(Qt::ItemIsEnabled);
            header->setBackground(headerBackground);
            header->setForeground(headerText);
            ids.append(QString());
        }

        QString excerpt;
        if (a.byText && a.start >= 0) {
            if (textStore && textStore->hasPageText(a.page)) {
                const int count = qBound(0, a.length, ExcerptLength);
                excerpt = textStore->pageText(a.page).mid(qMax(a.start, 0), count).simplified();
            } else {
                pagesAwaitingText.insert(a.page);
            }
        }
        if (excerpt.isEmpty() && !a.text.isEmpty())
            excerpt = a.text.left(ExcerptLength).simplified();

        const QString anchor =
            a.byText && a.start >= 0 ? QStringLiteral("\u2693") : QStringLiteral("\u25A6");
        QString rowText;
        if (a.text.isEmpty()) {
            rowText = QStringLiteral("%1 %2 %3").arg(typeGlyph(a.type), excerpt, anchor);
        } else {
            const QString note = a.text.size() > NoteShownLength
                                     ? a.text.left(NoteShownLength) + QStringLiteral("\u2026")
                                     : a.text;
            rowText = QStringLiteral("%1 %2 %3\n%4")
                          .arg(typeGlyph(a.type), typeName(a.type), anchor, note);
        }
        auto* item = new QListWidgetItem(rowText, list);
        const QString noteSuffix = a.text.isEmpty() ? QString() : QLatin1Char('\n') + a.text;
        item->setToolTip(tr("%1 · 第 %2 页 · 颜色 %3%4")
                             .arg(typeName(a.type), QString::number(qint64(a.page) + 1),
                                  a.color.name(QColor::HexRgb), noteSuffix));
        ids.append(a.id);
    }

    if (all.isEmpty()) {
        auto* placeholder =
            new QListWidgetItem(tr("暂无批注。开启批注模式后拖选文本即可创建。"), list);
        placeholder->setFlags(Qt::NoItemFlags);
        ids.append(QString());
    }
}

void AnnotationPanel::onPageTextReady(int page)
{
    // The excerpts of text-anchored entries appear as soon as their page text is known.
    if (pagesAwaitingText.contains(page))
        refresh();
}

void AnnotationPanel::onItemClicked(QListWidgetItem* it)
{
    if (!it)
        return;
    const int row = list->row(it);
    if (row >= 0 && row < ids.size() && !ids.at(row).isEmpty())
        Q_EMIT annotationSelected(ids.at(row));
}

} // namespace dovrix
