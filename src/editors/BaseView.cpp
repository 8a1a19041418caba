#include "BaseView.h"

#include "VerdictDisplay.h"
#include "document/EditGroup.h"

#include "FormGeometry.h"
#include "MenuFocus.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/ProfileDocument.h"
#include "settings/ModelRules.h"
#include "settings/ProductContext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

constexpr char kBandStyle[] = "background-color: rgb(192, 192, 255); color: white; padding-left: 8px;";

QFont TitleFont(const QFont &base, qreal points, QFont::Weight weight)
{
    QFont font(base);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QLabel *NewBand(const QString &text, const QFont &font, QWidget *parent)
{
    auto *band = new QLabel(text, parent);
    band->setStyleSheet(QLatin1String(kBandStyle));
    band->setFont(font);
    band->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return band;
}

// A caption as a plain name: no mnemonic marker, no trailing colon.
QString PlainCaption(QString text)
{
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

CBaseView::CBaseView(const EditorContext &context, const FormDefinition &form, QWidget *parent)
    : QScrollArea(parent)
    , m_context(context)
    , m_form(form)
    , m_page(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    // The page title takes the view's focus (see createWidget).
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    m_page->setPalette(white);
    m_page->setAutoFillBackground(true);
    viewport()->setPalette(white);
    viewport()->setAutoFillBackground(true);
    m_page->installEventFilter(this);
    setWidget(m_page);
    connect(&context.document, &CProfileDocument::changed, this, &CBaseView::onProfileChanged);
}

CBaseView::~CBaseView() = default;

QString CBaseView::translated(const char *sourceText)
{
    return sourceText ? QCoreApplication::translate("Editors", sourceText) : QString();
}

QWidget *CBaseView::createWidget(const FormControl &control)
{
    const QString text = translated(control.text);
    switch (control.widget) {
    case ControlWidget::Label:
    case ControlWidget::Note: {
        auto *label = new QLabel(text, m_page);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(control.widget == ControlWidget::Note);
        return label;
    }
    case ControlWidget::Edit:
    case ControlWidget::ReadOnlyEdit: {
        auto *edit = new QLineEdit(m_page);
        if (control.maxLength > 0)
            edit->setMaxLength(control.maxLength);
        if (control.widget == ControlWidget::ReadOnlyEdit) {
            edit->setReadOnly(true);
            QPalette greyed = edit->palette();
            greyed.setColor(QPalette::Base, QApplication::palette().color(QPalette::Window));
            edit->setPalette(greyed);
        }
        return edit;
    }
    case ControlWidget::Combo: {
        auto *combo = new QComboBox(m_page);
        // Its size hint is the longest item: the form makes room for it.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (const char *item : control.items)
            combo->addItem(translated(item));
        return combo;
    }
    case ControlWidget::Check:
        return new QCheckBox(text, m_page);
    case ControlWidget::List:
        return new QListWidget(m_page);
    case ControlWidget::ReportList: {
        auto *list = new QTreeWidget(m_page);
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setAllColumnsShowFocus(true);
        return list;
    }
    case ControlWidget::Button:
        return new QPushButton(text, m_page);
    case ControlWidget::PageTitle:
        // The page title takes the focus from a field when the form
        // background is clicked, so that the field commits.
        m_pageTitle = NewBand(text, TitleFont(font(), 12, QFont::Bold), m_page);
        m_pageTitle->setFocusPolicy(Qt::ClickFocus);
        setFocusProxy(m_pageTitle);
        return m_pageTitle;
    case ControlWidget::ColumnTitle:
        return NewBand(text, TitleFont(font(), 12.0 * 72 / 80, QFont::DemiBold), m_page);
    case ControlWidget::ColumnFrame: {
        auto *frame = new QFrame(m_page);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case ControlWidget::ChainBreak:
        break;
    }
    return nullptr;
}

void CBaseView::OnInitialUpdate()
{
    InitLayout();
    SetVisibility(QLatin1String(m_form.visibleKey));
}

void CBaseView::InitLayout()
{
    for (const FormControl &control : m_form.controls) {
        m_layout.push_back({ control.id, LayoutKindOf(control.widget), control.column, control.pinned });
        if (control.widget == ControlWidget::ChainBreak)
            continue;
        QWidget *widget = createWidget(control);
        // Shown explicitly: a form made while the view is already on the
        // screen would otherwise start with every control hidden.
        widget->show();
        widget->setProperty(kControlIdProperty, control.id);
        widget->installEventFilter(this);
        m_widgets.insert(control.id, widget);
        connectBinding(control, widget);
    }
    LoadRes();
    describeForAccessibility();
    // Laid out once the lists are filled, so that every field is as wide as
    // its longest item.
    LoadData();
    m_designRects = FormGeometry::DesignRects(m_form.controls, [this](const FormControl &control) {
        const QWidget *widget = m_widgets.value(control.id);
        return widget ? widget->sizeHint() : QSize();
    });
    m_closedRects = m_designRects;
    closeGaps();
    m_initialised = true;
    placeForm();
}

void CBaseView::describeForAccessibility()
{
    for (const FormControl &control : m_form.controls) {
        QWidget *widget = m_widgets.value(control.id);
        if (!widget)
            continue;
        if (auto *label = qobject_cast<QLabel *>(m_widgets.value(control.buddy)))
            label->setBuddy(widget);
        nameForAccessibility(control);
    }
}

void CBaseView::nameForAccessibility(const FormControl &control)
{
    QWidget *widget = m_widgets.value(control.id);
    const QString name = labelOf(control);
    if (widget && !name.isEmpty())
        widget->setAccessibleName(name);
}

void CBaseView::setControlText(int controlId, const QString &text)
{
    QWidget *widget = m_widgets.value(controlId);
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
    for (const FormControl &control : m_form.controls) {
        if (control.id == controlId || control.buddy == controlId)
            nameForAccessibility(control);
    }
}

QString CBaseView::labelOf(const FormControl &control) const
{
    if (auto *label = qobject_cast<QLabel *>(m_widgets.value(control.buddy)))
        return PlainCaption(label->text());
    if (auto *label = qobject_cast<QLabel *>(m_widgets.value(control.id)))
        return PlainCaption(label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(m_widgets.value(control.id)))
        return PlainCaption(button->text());
    return QString();
}

void CBaseView::hideControls(std::initializer_list<int> ids, bool hide)
{
    if (!hide)
        return;
    for (int id : ids) {
        if (QWidget *widget = m_widgets.value(id))
            widget->hide();
    }
}

void CBaseView::SetVisibility(const QString &key)
{
    try {
        const ControlVisibility visibility = ControlVisibility::FromSettings(
            m_context.product.settings(), key, ModelRules::IsDisplayModel(document().root()));
        for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it) {
            if (!visibility.keeps(it.key()))
                it.value()->hide();
        }
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
    closeGaps();
    placeForm();
    m_page->update();
}

void CBaseView::closeGaps()
{
    m_closedRects = CloseGaps(m_layout, m_designRects, [this](int id) {
        const QWidget *widget = m_widgets.value(id);
        return !widget || widget->isHidden();
    });
}

void CBaseView::placeForm()
{
    if (!m_initialised || m_layout.empty() || viewport()->width() <= 0)
        return;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    const int titleId = m_layout.front().id;
    QRect content;
    for (size_t i = 1; i < m_layout.size(); ++i) {
        const QWidget *widget = m_widgets.value(m_layout[i].id);
        if (m_layout[i].kind != LayoutKind::ChainBreak && widget && !widget->isHidden())
            content |= m_closedRects.value(m_layout[i].id);
    }
    if (content.isNull())
        content = QRect(2 * FormMetrics::kMargin, FormGeometry::kFirstRowTop, 0, 0);
    const FormPlacement placement = PlaceForm(m_closedRects.value(titleId), content, viewport()->width());
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it) {
        it.value()->setGeometry(it.key() == titleId
                ? placement.titleBand
                : m_closedRects.value(it.key()).translated(placement.shift, 0));
    }
    m_page->resize(placement.scrollSize.expandedTo(viewport()->size()));
}

void CBaseView::setFormRect(int controlId, const QRect &rect)
{
    m_closedRects.insert(controlId, rect);
    placeForm();
}

QRect CBaseView::GetCtrlRect(int controlId) const
{
    const QWidget *widget = m_widgets.value(controlId);
    return widget ? widget->geometry() : QRect();
}

void CBaseView::ShowHelp(int controlId)
{
    QString page;
    try {
        m_context.product.settings().helpPage(
            QLatin1String(m_form.helpKey), QString::number(controlId), page);
    } catch (const CVelaCPSException &) {
        page.clear();
    }
    emit helpPageRequested(page);
}

void CBaseView::onProfileChanged(const ProfileChange &)
{
    if (m_initialised && !m_groupingEdits)
        LoadData();
}

void CBaseView::editAsOneStep(const QString &undoText, const std::function<void()> &body)
{
    runCommand([&] {
        const CEditGroup group(document(), undoText);
        body();
        return CommandVerdict {};
    });
}

void CBaseView::runCommand(const std::function<CommandVerdict()> &command)
{
    if (m_groupingEdits) {
        ShowVerdict(command());
        return;
    }
    m_groupingEdits = true;
    const auto finish = qScopeGuard([this] {
        m_groupingEdits = false;
        if (m_initialised)
            LoadData();
    });
    ShowVerdict(command());
}

void CBaseView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    placeForm();
}

bool CBaseView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page) {
        if (event->type() == QEvent::MouseButtonPress && m_pageTitle)
            m_pageTitle->setFocus(Qt::MouseFocusReason);
        return QScrollArea::eventFilter(watched, event);
    }
    const int id = watched->property(kControlIdProperty).toInt();
    if (event->type() == QEvent::FocusIn) {
        ShowHelp(id);
    } else if (event->type() == QEvent::FocusOut) {
        // A field left for another window is committed by whoever needs the
        // value (switch of editors, save, write), which can then refuse. A
        // menu or popup opening leaves the field where it is.
        const QWidget *next = QApplication::focusWidget();
        const FormControl *control = boundControl(id);
        if (control && next && isAncestorOf(next)
            && !isMenuFocus(static_cast<QFocusEvent *>(event)->reason()))
            commitEdit(*control);
    }
    return QScrollArea::eventFilter(watched, event);
}
