#include "BaseView.h"
#include "VerdictDisplay.h"

#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/StringTable.h"
#include "base/VelaException.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

// The binding cycle of the controls that show a profile attribute: load,
// change through the document's edit path, and on a refusal the message
// and the reload of what the profile kept.

namespace {

int ComboIndexOf(const QComboBox *combo, const QVariant &value)
{
    const int wanted = value.toInt();
    if (combo->count() == 0 || !combo->itemData(0).isValid())
        return wanted < combo->count() ? wanted : -1;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemData(i).toInt() == wanted)
            return i;
    }
    return -1;
}

QVariant ComboValue(const QComboBox *combo, int index)
{
    const QVariant data = combo->itemData(index);
    return data.isValid() ? data : QVariant(index);
}

} // namespace

void CBaseView::connectBinding(const FormControl &control, QWidget *widget)
{
    if (!control.attribute)
        return;
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        connect(combo, &QComboBox::activated, this,
            [this, &control, combo](int index) { OnControlChanged(control, ComboValue(combo, index)); });
    } else if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        // Every change by the user (mouse, Space, a screen reader's toggle
        // action) goes through the edit path; loading the form is silent.
        connect(check, &QCheckBox::toggled, this,
            [this, &control](bool checked) { OnControlChanged(control, checked ? 1 : 0); });
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget); edit && !edit->isReadOnly()) {
        connect(edit, &QLineEdit::returnPressed, this, [this, &control] { commitEdit(control); });
    }
}

void CBaseView::OnControlChanged(const FormControl &control, const QVariant &value)
{
    writeValue(control, value);
}

const FormControl *CBaseView::formControl(int controlId) const
{
    for (const FormControl &control : m_form.controls) {
        if (control.id == controlId)
            return &control;
    }
    return nullptr;
}

const FormControl *CBaseView::boundControl(int controlId) const
{
    for (const FormControl &control : m_form.controls) {
        if (control.id == controlId && control.attribute)
            return &control;
    }
    return nullptr;
}

CDataItem CBaseView::sectionItem(const char *section) const
{
    CDataItem result;
    const CDataItem &root = document().root();
    if (qstrcmp(section, Section::kCurrentChannel) != 0)
        return root.GetChildByName(QLatin1String(section), result);
    CDataItem channels;
    root.GetChildByName(QLatin1String(Section::kChannels), channels);
    return channels.GetChildByIndex(m_context.channelIndex, result);
}

QVariant CBaseView::readAttribute(const char *section, const char *attribute) const
{
    return sectionItem(section).GetAttributeValue(QLatin1String(attribute));
}

bool CBaseView::limitFlag(const char *attribute) const
{
    return readAttribute(Section::kLimit, attribute).toBool();
}

QString CBaseView::localDecimal(QString number) const
{
    return number.replace(QLatin1Char('.'), CConfigStore::decimalSeparator(m_context.product.language()));
}

QString CBaseView::megahertzText(qint64 hertz) const
{
    return localDecimal(QString::number(double(hertz) * 0.000001, 'f', 6));
}

void CBaseView::LoadData()
{
    for (const FormControl &control : m_form.controls)
        loadControl(control);
}

void CBaseView::loadControl(const FormControl &control)
{
    QWidget *widget = m_widgets.value(control.id);
    if (!control.attribute || !widget)
        return;
    const QSignalBlocker blocker(widget);
    try {
        const QVariant value = readAttribute(control.section, control.attribute);
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setCurrentIndex(ComboIndexOf(combo, value));
        else if (auto *check = qobject_cast<QCheckBox *>(widget))
            check->setChecked(value.toInt() != 0);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            edit->setText(editText(control, value));
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
}

std::optional<CommandVerdict> CBaseView::controlCommand(const FormControl &, const QVariant &)
{
    return std::nullopt;
}

bool CBaseView::writeValue(const FormControl &control, const QVariant &value)
{
    try {
        if (const std::optional<CommandVerdict> verdict = controlCommand(control, value)) {
            ShowVerdict(*verdict);
            if (verdict->accepted())
                return true;
            reloadRefused(control);
            return false;
        }
        CDataItem item = sectionItem(control.section);
        const HookVerdict verdict = document().setAttribute(
            item, QLatin1String(control.attribute), value, tr("Change %1").arg(labelOf(control)));
        if (verdict.accepted())
            return true;
        refuse(control, &verdict, QString());
    } catch (const CVelaCPSException &error) {
        refuse(control, nullptr, error.text());
    }
    return false;
}

void CBaseView::refuse(const FormControl &control, const HookVerdict *verdict, const QString &errorText)
{
    if (control.refusalText)
        showMessage(translated(control.refusalText), MsgStyle::IconWarning);
    else if (m_form.refusal == Refusal::InvalidValue)
        showMessage(tr("Invalid Value."), MsgStyle::IconWarning);
    else if (!verdict)
        showMessage(errorText, MsgStyle::IconError);
    else if (verdict->status == 1)
        showMessage(StringTable::text(verdict->msgId), unsigned(verdict->style));
    reloadRefused(control);
}

void CBaseView::reloadRefused(const FormControl &control)
{
    loadControl(control);
    if (control.widget == ControlWidget::Edit) {
        const int id = control.id;
        QMetaObject::invokeMethod(
            this, [this, id] { FocusInvalidField(id); }, Qt::QueuedConnection);
    }
}

bool CBaseView::editIsPending(const FormControl &control) const
{
    const auto *edit = qobject_cast<QLineEdit *>(m_widgets.value(control.id));
    if (!control.attribute || !edit || edit->isReadOnly())
        return false;
    try {
        return edit->text() != editText(control, readAttribute(control.section, control.attribute));
    } catch (const CVelaCPSException &) {
        return false;
    }
}

bool CBaseView::commitEdit(const FormControl &control)
{
    if (!editIsPending(control))
        return true;
    const std::optional<QVariant> value
        = editValue(control, qobject_cast<QLineEdit *>(m_widgets.value(control.id))->text());
    if (value)
        return writeValue(control, *value);
    const HookVerdict noValue { .status = -1 };
    refuse(control, &noValue, QString());
    return false;
}

QString CBaseView::editText(const FormControl &, const QVariant &value) const
{
    return value.toString();
}

std::optional<QVariant> CBaseView::editValue(const FormControl &, const QString &text) const
{
    return text;
}

bool CBaseView::CommitPendingInput()
{
    for (const FormControl &control : m_form.controls) {
        if (!commitEdit(control))
            return false;
    }
    return true;
}

void CBaseView::FocusInvalidField(int controlId)
{
    auto *edit = control<QLineEdit>(controlId);
    if (!edit)
        return;
    activateWindow();
    edit->selectAll();
    edit->setFocus(Qt::OtherFocusReason);
    ensureWidgetVisible(edit);
}

void CBaseView::FocusFirstField()
{
    for (const FormControl &control : m_form.controls) {
        if (control.widget == ControlWidget::Edit) {
            FocusInvalidField(control.id);
            return;
        }
    }
}
