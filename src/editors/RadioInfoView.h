#pragma once

#include "BaseView.h"

// The identity and limits of the radio the profile belongs to, read-only.
class CRadioInfoView : public CBaseView {
    Q_OBJECT

public:
    explicit CRadioInfoView(const EditorContext &context, QWidget *parent = nullptr);

protected:
    void LoadData() override;

private:
    void setValue(int controlId, const QString &text);
    // "%.6f - %.6f" in MHz of two limit attributes in Hz.
    QString frequencyRange(const char *startAttribute, const char *endAttribute) const;
};
