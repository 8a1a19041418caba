#pragma once

#include "BaseView.h"

// The page of the channel list itself: one button that adds a channel
// through the profile tree, enabled while the list takes another channel.
class CChannelsView : public CBaseView {
    Q_OBJECT

public:
    explicit CChannelsView(const EditorContext &context, QWidget *parent = nullptr);

signals:
    void addChannelRequested();

protected:
    void LoadRes() override;
    void LoadData() override;
};
