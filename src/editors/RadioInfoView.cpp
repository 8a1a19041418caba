#include "RadioInfoView.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"

#include <QLineEdit>

namespace {

using Form::Field;
using Form::Label;
constexpr ControlWidget kValue = ControlWidget::ReadOnlyEdit;

constexpr FormControl kControls[] = {
    Form::PageTitle(1013, QT_TRANSLATE_NOOP("Editors", "Radio Information")),
    Label(1001, QT_TRANSLATE_NOOP("Editors", "Regional Code"), 1),
    Field(kValue, 1066, 1, 1001),
    Label(1002, QT_TRANSLATE_NOOP("Editors", "Serial Number"), 2),
    Field(kValue, 1011, 2, 1002),
    Label(1003, QT_TRANSLATE_NOOP("Editors", "Firmware Version"), 3),
    Field(kValue, 1012, 3, 1003),
    Label(1004, QT_TRANSLATE_NOOP("Editors", "Codeplug Version"), 4),
    Field(kValue, 1014, 4, 1004),
    Label(1005, QT_TRANSLATE_NOOP("Editors", "Frequency Range (MHz)"), 5),
    Field(kValue, 1015, 5, 1005),
    Label(1008, QT_TRANSLATE_NOOP("Editors", "Rx Frequency Range (MHz)"), 6),
    Field(kValue, 1018, 6, 1008),
    Label(1007, QT_TRANSLATE_NOOP("Editors", "Tx Frequency Range (MHz)"), 7),
    Field(kValue, 1017, 7, 1007),
    Label(1006, QT_TRANSLATE_NOOP("Editors", "Maximum Channel"), 8),
    Field(kValue, 1016, 8, 1006),
};

constexpr FormDefinition kForm { "RadioProfile", "RadioInfo", kControls };

QString TwoDigits(const QVariant &number)
{
    return QStringLiteral("%1").arg(number.toInt(), 2, 10, QLatin1Char('0'));
}

} // namespace

CRadioInfoView::CRadioInfoView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

void CRadioInfoView::setValue(int controlId, const QString &text)
{
    if (auto *edit = control<QLineEdit>(controlId))
        edit->setText(text);
}

QString CRadioInfoView::frequencyRange(const char *startAttribute, const char *endAttribute) const
{
    const auto megahertz = [this](const char *attribute) {
        return megahertzText(readAttribute(Section::kLimit, attribute).toLongLong());
    };
    return megahertz(startAttribute) + QStringLiteral(" - ") + megahertz(endAttribute);
}

void CRadioInfoView::LoadData()
{
    SetVisibility(QLatin1String(form().visibleKey));
    try {
        const CDataItem factory = sectionItem(Section::kFactory);
        const auto factoryText = [&factory](const char *attribute) {
            return factory.GetAttributeValue(QLatin1String(attribute)).toString();
        };
        setValue(1066, factoryText("model").right(2));
        setValue(1011, factoryText("serial"));
        setValue(1012,
            factoryText("firmware_phase") + TwoDigits(factoryText("firmware_version")) + QLatin1Char('.')
                + TwoDigits(factoryText("firmware_revision")));
        setValue(1014,
            factoryText("codeplug_phase") + TwoDigits(factoryText("codeplug_version")) + QLatin1Char('.')
                + TwoDigits(factoryText("codeplug_dev_version")));
        const struct {
            int id;
            const char *start;
            const char *end;
        } ranges[] = { { 1015, "start_freq", "end_freq" }, { 1018, "rx_start_freq", "rx_end_freq" },
            { 1017, "tx_start_freq", "tx_end_freq" } };
        for (const auto &range : ranges) {
            if (!control(range.id)->isHidden())
                setValue(range.id, frequencyRange(range.start, range.end));
        }
        setValue(1016, QString::number(readAttribute(Section::kLimit, "maxChannels").toInt()));
    } catch (const CVelaCPSException &error) {
        qWarning("CRadioInfoView::LoadData: %s", error.what());
        showMessage(tr("Error: Radio information view loads data."), MsgStyle::IconError);
    }
}
