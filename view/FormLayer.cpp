#include "view/FormLayer.h"

#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/PageColours.h"
#include "core/PdfWorker.h"
#include "engine/PdfDocument.h"
#include "view/PdfViewport.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace dovrix {

namespace {

// The tint that shows where the form takes input.
const QColor FieldTint(70, 130, 230, 38);
const QColor FieldFrame(70, 130, 230, 140);

bool isToggle(const FormField& f)
{
    return f.kind == FormField::Kind::CheckBox || f.kind == FormField::Kind::Radio;
}

} // namespace

// Tints where the fields are (their values are part of the page's image, drawn by the engine) and
// frames signature fields; lets every mouse event through to the page view underneath.
class FormLayer::Overlay : public QWidget
{
public:
    Overlay(FormLayer* layer, QWidget* parent) : QWidget(parent), layer(layer)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QList<FormField>& fields = layer->fields();
        const int rotation = layer->view()->rotation();
        for (int i = 0; i < fields.size(); ++i) {
            const QRect r = layer->viewRectOf(i);
            const FormField& f = fields.at(i);
            if (!r.intersects(rect()) || i == layer->focusedField()
                || f.kind == FormField::Kind::PushButton)
                continue;
            if (f.kind != FormField::Kind::Signature && f.kind != FormField::Kind::ListBox) {
                p.fillRect(r, FieldTint);
                continue;
            }
            // Words read upright on their page, turned with the page.
            p.save();
            p.translate(QRectF(r).center());
            const int turn = (rotation + f.pageRotate) % 360;
            p.rotate(turn);
            const QSizeF size = turn % 180 ? QSizeF(r.height(), r.width()) : QSizeF(r.size());
            const QRectF upright(QPointF(-size.width() / 2, -size.height() / 2), size);
            if (f.kind == FormField::Kind::ListBox) {
                paintChoices(p, f, upright);
                p.fillRect(upright, FieldTint);
            } else {
                p.setPen(QPen(FieldFrame, 1, Qt::DashLine));
                p.drawRect(upright.adjusted(0.5, 0.5, -0.5, -0.5));
                p.drawText(upright, Qt::AlignCenter, FormLayer::tr("签名字段（仅显示）"));
            }
            p.restore();
        }
    }

private:
    // The engine draws a list box's options but marks none as chosen: the user's choices are
    // written over it here (the page's own drawing, and so a printout, shows the list unmarked).
    void paintChoices(QPainter& p, const FormField& f, const QRectF& r)
    {
        const QMap<QString, QString> values =
            layer->store ? layer->store->formValues() : QMap<QString, QString>();
        const auto value = values.constFind(f.name);
        if (value == values.cend())
            return;
        QStringList chosen;
        for (const QString& v : value->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype k = f.optionValues.indexOf(v);
            chosen << (k >= 0 ? f.options.at(k) : v);
        }
        const PageColours colours = layer->view()->effectiveColours();
        p.fillRect(r, QColor::fromRgb(pageColourOf(0xffffffffu, colours)));
        p.setPen(QColor::fromRgb(pageColourOf(0xff000000u, colours)));
        QFont font = p.font();
        const double zoom = layer->view()->zoom();
        font.setPixelSize(qMax(1, qRound(qMin(r.height() * 0.7, 12 * zoom))));
        p.setFont(font);
        p.drawText(r.adjusted(2 * zoom, 0, -2 * zoom, 0),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   chosen.join(QStringLiteral(", ")));
    }

    FormLayer* layer;
};

FormLayer::FormLayer(PdfViewport* pageView, DocumentController* documentController,
                     AnnotationStore* annotationStore)
    : PageTool(pageView), controller(documentController), store(annotationStore)
{
    overlay = new Overlay(this, pageView->viewport());
    overlay->setGeometry(pageView->viewport()->rect());
    overlay->show();
    if (controller) {
        connect(controller, &DocumentController::documentReady, this, &FormLayer::readFields);
        if (controller->status() == DocumentStatus::Ready)
            readFields();
    }
}

FormLayer::~FormLayer()
{
    delete editorWidget;
}

bool FormLayer::press(const PagePointer& at)
{
    if (formFields.isEmpty())
        return false;
    const int hit = at.page >= 0 ? fieldAt(at.page, at.point) : -1;
    if (hit >= 0)
        return clickField(hit);
    leaveField();
    return false;
}

bool FormLayer::hover(const PagePointer& at, Qt::CursorShape* shape)
{
    // Fields that take a click: text for typing, the others for choosing or pressing.
    const int hit = at.page >= 0 ? fieldAt(at.page, at.point) : -1;
    if (hit < 0 || formFields.at(hit).readOnly
        || formFields.at(hit).kind == FormField::Kind::Signature)
        return false;
    const FormField::Kind kind = formFields.at(hit).kind;
    *shape = kind == FormField::Kind::Text
                     || (kind == FormField::Kind::ComboBox && formFields.at(hit).editable)
                 ? Qt::IBeamCursor
                 : Qt::PointingHandCursor;
    return true;
}

void FormLayer::viewMoved()
{
    overlay->setGeometry(view()->viewport()->rect());
    placeEditor();
    overlay->update();
}

void FormLayer::readFields()
{
    leaveField();
    formFields.clear();
    overlay->update();
    if (!controller || !controller->worker())
        return;
    controller->worker()->post(JobPriority::Outline, this, controller->documentTicket(),
                               [document = controller->sharedDocument()]() -> Reply<FormLayer> {
                                   QList<FormField> read;
                                   if (document)
                                       read = DocumentInside::formFields(*document);
                                   return [read](FormLayer& self) { self.showFields(read); };
                               });
}

void FormLayer::showFields(const QList<FormField>& read)
{
    formFields = read;
    // Under the page view's own floating widgets (annotation card, link preview).
    overlay->lower();
    overlay->update();
    Q_EMIT fieldsRead(int(formFields.size()));
}

QString FormLayer::valueOf(const QString& name) const
{
    if (store) {
        const QMap<QString, QString> values = store->formValues();
        const auto it = values.constFind(name);
        if (it != values.cend())
            return *it;
    }
    for (const FormField& f : formFields)
        if (f.name == name)
            return f.value;
    return {};
}

void FormLayer::setValue(const QString& name, const QString& value)
{
    int limit = AnnotationStore::MaxFormValueLength;
    for (const FormField& f : std::as_const(formFields))
        if (f.name == name && f.maxLength > 0)
            limit = qMin(limit, f.maxLength);
    if (store)
        store->setFormValue(name, value.left(limit));
    overlay->update();
}

void FormLayer::resetForm()
{
    leaveField();
    if (store)
        store->clearFormValues();
    overlay->update();
}

QRect FormLayer::viewRectOf(int index) const
{
    PdfViewport* view = this->view();
    if (index < 0 || index >= formFields.size())
        return {};
    const FormField& f = formFields.at(index);
    if (f.page < 0 || f.page >= view->pageCount())
        return {};
    const QRectF content = view->viewGeometry().pageRectToView(f.page, f.rect);
    return content
        .translated(-view->horizontalScrollBar()->value(), -view->verticalScrollBar()->value())
        .toAlignedRect();
}

int FormLayer::fieldAt(int page, const QPointF& pointPt) const
{
    for (int i = int(formFields.size()) - 1; i >= 0; --i)
        if (formFields.at(i).page == page && formFields.at(i).rect.contains(pointPt))
            return i;
    return -1;
}

QList<int> FormLayer::pagesOf(const QSet<QString>& names) const
{
    QList<int> pages;
    for (const FormField& f : formFields)
        if (names.contains(f.name))
            pages.append(f.page);
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}

bool FormLayer::takesInput(int index) const
{
    if (index < 0 || index >= formFields.size())
        return false;
    const FormField& f = formFields.at(index);
    return !f.readOnly && f.kind != FormField::Kind::PushButton
           && f.kind != FormField::Kind::Signature;
}

bool FormLayer::focusField(int index)
{
    if (!takesInput(index))
        return false;
    if (index == focused && editorWidget)
        return true;
    leaveField();
    focused = index;
    ensureVisible(index);
    editorWidget = makeEditor(index);
    placeEditor();
    editorWidget->show();
    editorWidget->raise();
    editorWidget->setFocus(Qt::OtherFocusReason);
    overlay->update();
    return true;
}

void FormLayer::focusNext(int step)
{
    const int n = int(formFields.size());
    if (n == 0)
        return;
    int i = focused < 0 ? (step > 0 ? -1 : n) : focused;
    for (int tried = 0; tried < n; ++tried) {
        i = (i + step + n) % n;
        if (takesInput(i)) {
            focusField(i);
            return;
        }
    }
}

void FormLayer::leaveField()
{
    if (focused < 0 && !editorWidget)
        return;
    focused = -1;
    if (editorWidget) {
        QWidget* old = editorWidget;
        editorWidget = nullptr;
        const bool hadFocus = old->hasFocus() || old->isAncestorOf(QApplication::focusWidget());
        old->hide();
        old->deleteLater();
        if (hadFocus)
            view()->setFocus(Qt::OtherFocusReason);
    }
    overlay->update();
}

void FormLayer::ensureVisible(int index)
{
    const QRect r = viewRectOf(index);
    PdfViewport* view = this->view();
    if (r.isEmpty())
        return;
    const QRect visible = view->viewport()->rect();
    if (visible.contains(r))
        return;
    QScrollBar* vertical = view->verticalScrollBar();
    vertical->setValue(vertical->value() + r.top() - visible.height() / 3);
    QScrollBar* horizontal = view->horizontalScrollBar();
    if (r.left() < 0 || r.right() > visible.width())
        horizontal->setValue(horizontal->value() + r.left() - 20);
}

void FormLayer::edited(int index, const QString& value)
{
    if (index < 0 || index >= formFields.size())
        return;
    const FormField& f = formFields.at(index);
    if (f.scripted && !scriptNoticeGiven) {
        scriptNoticeGiven = true;
        Q_EMIT notice(tr("此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。"));
    }
    setValue(f.name, value);
}

void FormLayer::toggle(int index)
{
    const FormField& f = formFields.at(index);
    const bool on = valueOf(f.name) == f.onState;
    // A radio button that is on stays on (one of the group always is, once chosen).
    if (f.kind == FormField::Kind::Radio && on)
        return;
    edited(index, on ? QStringLiteral("Off") : f.onState);
}

bool FormLayer::clickField(int index)
{
    if (index < 0)
        return false;
    const FormField& f = formFields.at(index);
    if (f.kind == FormField::Kind::Signature) {
        Q_EMIT notice(tr("签名字段仅供查看，Dovrix 不签名文档。"));
        return true;
    }
    if (!takesInput(index))
        return true;
    if (isToggle(f))
        toggle(index);
    focusField(index);
    return true;
}

QWidget* FormLayer::makeEditor(int index)
{
    const FormField& f = formFields.at(index);
    QWidget* parent = view()->viewport();
    const QString value = valueOf(f.name);
    const int limit = f.maxLength > 0 ? f.maxLength : AnnotationStore::MaxFormValueLength;
    QWidget* made = nullptr;
    switch (f.kind) {
    case FormField::Kind::Text:
        if (f.multiline) {
            auto* edit = new QPlainTextEdit(parent);
            edit->setPlainText(value);
            edit->setTabChangesFocus(true);
            connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, index, limit] {
                QString text = edit->toPlainText();
                if (text.size() > limit) {
                    text.truncate(limit);
                    const QSignalBlocker block(edit);
                    edit->setPlainText(text);
                    edit->moveCursor(QTextCursor::End);
                }
                edited(index, text);
            });
            made = edit;
        } else {
            auto* edit = new QLineEdit(parent);
            edit->setMaxLength(limit);
            edit->setText(value);
            if (f.password)
                edit->setEchoMode(QLineEdit::Password);
            edit->setAlignment(f.alignment == 1   ? Qt::AlignHCenter
                               : f.alignment == 2 ? Qt::AlignRight
                                                  : Qt::AlignLeft);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, index](const QString& text) { edited(index, text); });
            made = edit;
        }
        break;
    case FormField::Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(f.editable);
        for (int k = 0; k < f.options.size(); ++k)
            combo->addItem(f.options.at(k), f.optionValues.value(k));
        const int current = combo->findData(value);
        if (current >= 0)
            combo->setCurrentIndex(current);
        else if (f.editable)
            combo->setEditText(value);
        else
            combo->setCurrentIndex(-1);
        connect(combo, qOverload<int>(&QComboBox::activated), this,
                [this, combo, index](int k) { edited(index, combo->itemData(k).toString()); });
        if (f.editable)
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, index](const QString& text) { edited(index, text); });
        made = combo;
        break;
    }
    case FormField::Kind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(f.multiSelect ? QAbstractItemView::MultiSelection
                                             : QAbstractItemView::SingleSelection);
        const QStringList chosen = value.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (int k = 0; k < f.options.size(); ++k) {
            auto* item = new QListWidgetItem(f.options.at(k), list);
            item->setData(Qt::UserRole, f.optionValues.value(k));
            item->setSelected(chosen.contains(f.optionValues.value(k)));
        }
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list, index] {
            QStringList values;
            for (int k = 0; k < list->count(); ++k)
                if (list->item(k)->isSelected())
                    values << list->item(k)->data(Qt::UserRole).toString();
            edited(index, values.join(QLatin1Char('\n')));
        });
        made = list;
        break;
    }
    default: {
        // Check boxes and radio buttons: a frame that holds the focus; Space flips it.
        auto* frame = new QWidget(parent);
        frame->setFocusPolicy(Qt::StrongFocus);
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame->setStyleSheet(QStringLiteral("border: 2px solid rgba(70, 130, 230, 200);"));
        frame->setAttribute(Qt::WA_StyledBackground);
        made = frame;
        break;
    }
    }
    made->setObjectName(QStringLiteral("formFieldEditor"));
    made->setProperty("fieldName", f.name);
    watchKeys(made);
    return made;
}

void FormLayer::watchKeys(QWidget* widget)
{
    widget->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

void FormLayer::placeEditor()
{
    if (!editorWidget || focused < 0)
        return;
    QRect r = viewRectOf(focused);
    const FormField& f = formFields.at(focused);
    // An editor needs room for its text even on a small field at a low zoom; a list opens tall
    // enough to show its choices.
    const int minimumHeight = f.kind == FormField::Kind::ListBox ? 60 : isToggle(f) ? 8 : 22;
    if (r.height() < minimumHeight)
        r.setHeight(minimumHeight);
    if (!isToggle(f) && r.width() < 60)
        r.setWidth(60);
    editorWidget->setGeometry(isToggle(f) ? r.adjusted(-3, -3, 3, 3) : r);
}

bool FormLayer::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !editorWidget || (widget != editorWidget && !editorWidget->isAncestorOf(widget)))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Typing into a field never reaches the window's single-key shortcuts (A, H, N, ...);
        // Ctrl and Alt combinations still do, and Escape and Tab are ours.
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (!(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            event->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Escape:
            leaveField();
            return true;
        case Qt::Key_Tab:
            focusNext(+1);
            return true;
        case Qt::Key_Backtab:
            focusNext(-1);
            return true;
        case Qt::Key_Space:
            if (focused >= 0 && isToggle(formFields.at(focused))) {
                toggle(focused);
                return true;
            }
            return false;
        default:
            return false;
        }
    }
    return false;
}

} // namespace dovrix
