#pragma once

#include "BaseView.h"

// The audio settings of the profile: microphone gains, VOX and iVOX levels,
// beeps and the language in which the radio announces its channel.
class CAudioSettingView : public CBaseView {
    Q_OBJECT

public:
    explicit CAudioSettingView(const EditorContext &context, QWidget *parent = nullptr);

protected:
    void LoadRes() override;
    void LoadData() override;
};
