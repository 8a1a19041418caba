#pragma once

#include "BaseView.h"

// The six customised codes of one kind that channels choose as codes 124
// to 129 (tones) or 214 to 219 (DPL codes): edit boxes that let through
// only what the notation allows and store each value when it is left.
class CCustomizedCodeView : public CBaseView {
    Q_OBJECT

public:
    enum class Notation {
        Tone, // Hz with one decimal, stored in tenths of Hz
        Octal, // three octal digits, stored as their value
    };

protected:
    CCustomizedCodeView(
        const EditorContext &context, const FormDefinition &form, Notation notation, QWidget *parent);

    void LoadRes() override;
    QString editText(const FormControl &control, const QVariant &value) const override;
    std::optional<QVariant> editValue(const FormControl &control, const QString &text) const override;
    std::optional<CommandVerdict> controlCommand(const FormControl &control, const QVariant &value) override;

private:
    // What remains of a typed text once the characters the notation does
    // not allow are removed.
    QString filtered(const QString &text) const;
    QString decimalSeparator() const { return localDecimal(QStringLiteral(".")); }

    const Notation m_notation;
};

class CCustomizedPLView : public CCustomizedCodeView {
    Q_OBJECT

public:
    explicit CCustomizedPLView(const EditorContext &context, QWidget *parent = nullptr);
};

class CCustomizedDPLView : public CCustomizedCodeView {
    Q_OBJECT

public:
    explicit CCustomizedDPLView(const EditorContext &context, QWidget *parent = nullptr);
};
