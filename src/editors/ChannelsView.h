#pragma once

#include "BaseView.h"

class CChannelTableView;
class QPushButton;

// The page of the channel list itself: the button that adds a channel
// through the profile tree (enabled while the list takes another channel),
// the table of all channels, and the import and export of the CSV
// channel list.
class CChannelsView : public CBaseView {
    Q_OBJECT

public:
    explicit CChannelsView(const EditorContext &context, QWidget *parent = nullptr);

    CChannelTableView *table() const { return m_table; }
    // Edit > Edit Selected Channels..., offered while rows are selected.
    void editSelectedChannels();
    bool hasSelectedChannels() const;

signals:
    void addChannelRequested();
    void channelSelectionChanged();

protected:
    void LoadRes() override;
    void LoadData() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeTable();

    CChannelTableView *m_table;
    QPushButton *m_import;
    QPushButton *m_export;
};
