#include "CustomizedCodeView.h"

#include "document/SettingCommands.h"

#include <QLineEdit>

#include <array>

namespace {

using Form::Label;

constexpr int kCodes = 6;
// Room for the five characters of a tone.
constexpr int kCodeFieldWidth = 80;

// One page: its title, and per code a label and an edit box whose ids
// advance by idStep from the first ones.
struct CodePage {
    int titleId;
    const char *title;
    int firstLabel;
    int firstEdit;
    int idStep;
    const char *labels[kCodes];
    const char *attributes[kCodes];
    int maxLength;
    const char *refusalText;
};

constexpr std::array<FormControl, 1 + 2 * kCodes> CodeControls(const CodePage &page)
{
    std::array<FormControl, 1 + 2 * kCodes> controls {};
    controls[0] = Form::PageTitle(page.titleId, page.title);
    for (int i = 0; i < kCodes; ++i) {
        const int label = page.firstLabel + i * page.idStep;
        FormControl edit = Form::Field(ControlWidget::Edit, page.firstEdit + i * page.idStep, i + 1, label,
            Section::kSetting, page.attributes[i]);
        edit.maxLength = page.maxLength;
        edit.width = kCodeFieldWidth;
        edit.refusalText = page.refusalText;
        controls[1 + 2 * i] = Label(label, page.labels[i], i + 1);
        controls[2 + 2 * i] = edit;
    }
    return controls;
}

constexpr auto kToneControls = CodeControls({ .titleId = 1077,
    .title = QT_TRANSLATE_NOOP("Editors", "Customized PL"),
    .firstLabel = 1078,
    .firstEdit = 1084,
    .idStep = 1,
    .labels
    = { QT_TRANSLATE_NOOP("Editors", "PL Code 124 (Hz)"), QT_TRANSLATE_NOOP("Editors", "PL Code 125 (Hz)"),
        QT_TRANSLATE_NOOP("Editors", "PL Code 126 (Hz)"), QT_TRANSLATE_NOOP("Editors", "PL Code 127 (Hz)"),
        QT_TRANSLATE_NOOP("Editors", "PL Code 128 (Hz)"), QT_TRANSLATE_NOOP("Editors", "PL Code 129 (Hz)") },
    .attributes = { "PLcode124", "PLcode125", "PLcode126", "PLcode127", "PLcode128", "PLcode129" },
    .maxLength = 5,
    .refusalText = QT_TRANSLATE_NOOP(
        "Editors", "The PL Code you input is invalid. The valid range is: 67.0 - 255.0 Hz.") });

constexpr auto kDplControls = CodeControls({ .titleId = 1090,
    .title = QT_TRANSLATE_NOOP("Editors", "Customized DPL"),
    .firstLabel = 1091,
    .firstEdit = 1092,
    .idStep = 2,
    .labels = { QT_TRANSLATE_NOOP("Editors", "PL Code 214 (OCT)"),
        QT_TRANSLATE_NOOP("Editors", "PL Code 215 (OCT)"), QT_TRANSLATE_NOOP("Editors", "PL Code 216 (OCT)"),
        QT_TRANSLATE_NOOP("Editors", "PL Code 217 (OCT)"), QT_TRANSLATE_NOOP("Editors", "PL Code 218 (OCT)"),
        QT_TRANSLATE_NOOP("Editors", "PL Code 219 (OCT)") },
    .attributes = { "PLcode214", "PLcode215", "PLcode216", "PLcode217", "PLcode218", "PLcode219" },
    .maxLength = 3,
    .refusalText = QT_TRANSLATE_NOOP(
        "Editors", "The DPL Code you entered is invalid. The valid range is(OCT): 001 - 777.") });

constexpr FormDefinition kToneForm { "CustomizedPL", "CustomizedPL", kToneControls };
constexpr FormDefinition kDplForm { "CustomizedDPL", "CustomizedDPL", kDplControls };

bool IsOctalDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

bool IsDecimalDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

CCustomizedCodeView::CCustomizedCodeView(
    const EditorContext &context, const FormDefinition &form, Notation notation, QWidget *parent)
    : CBaseView(context, form, parent)
    , m_notation(notation)
{
}

CCustomizedPLView::CCustomizedPLView(const EditorContext &context, QWidget *parent)
    : CCustomizedCodeView(context, kToneForm, Notation::Tone, parent)
{
}

CCustomizedDPLView::CCustomizedDPLView(const EditorContext &context, QWidget *parent)
    : CCustomizedCodeView(context, kDplForm, Notation::Octal, parent)
{
}

void CCustomizedCodeView::LoadRes()
{
    for (const FormControl &field : form().controls) {
        auto *edit = control<QLineEdit>(field.id);
        if (!edit)
            continue;
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString &text) {
            const QString kept = filtered(text);
            if (kept == text)
                return;
            // The caret stays behind what was typed before it.
            const int caret = filtered(text.left(edit->cursorPosition())).size();
            edit->setText(kept);
            edit->setCursorPosition(caret);
        });
    }
}

QString CCustomizedCodeView::filtered(const QString &text) const
{
    QString kept;
    if (m_notation == Notation::Octal) {
        for (QChar c : text) {
            if (IsOctalDigit(c))
                kept += c;
        }
        return kept;
    }
    const QString separator = decimalSeparator();
    int separatorAt = -1;
    for (QChar c : text) {
        if (separatorAt < 0 && QString(c) == separator) {
            separatorAt = kept.size();
            kept += c;
        } else if (IsDecimalDigit(c) && (separatorAt < 0 || kept.size() == separatorAt + 1)) {
            kept += c;
        }
    }
    return kept;
}

QString CCustomizedCodeView::editText(const FormControl &, const QVariant &value) const
{
    const int number = value.toInt();
    if (m_notation == Notation::Octal)
        return QStringLiteral("%1").arg(number, 3, 8, QLatin1Char('0'));
    return localDecimal(QStringLiteral("%1.%2").arg(number / 10).arg(number % 10));
}

std::optional<QVariant> CCustomizedCodeView::editValue(const FormControl &, const QString &text) const
{
    bool valid = false;
    if (m_notation == Notation::Octal) {
        const int code = text.toInt(&valid, 8);
        return valid ? std::optional<QVariant>(code) : std::nullopt;
    }
    // Read digit by digit: the tenths typed are the tenths stored, with no
    // rounding of a binary fraction in between.
    const QStringList parts = text.split(decimalSeparator());
    const QString whole = parts.value(0);
    const QString tenth = parts.value(1);
    if (whole.isEmpty() && tenth.isEmpty())
        return std::nullopt;
    const int hertz = whole.isEmpty() ? 0 : whole.toInt(&valid);
    if (!whole.isEmpty() && !valid)
        return std::nullopt;
    return hertz * 10 + (tenth.isEmpty() ? 0 : tenth.front().digitValue());
}

std::optional<CommandVerdict> CCustomizedCodeView::controlCommand(
    const FormControl &control, const QVariant &value)
{
    // The attribute names the code: "PLcode124".
    const int code = QString::fromLatin1(control.attribute).remove(QLatin1String("PLcode")).toInt();
    return CSettingCommands(document()).setCustomCode(code, value.toInt());
}
