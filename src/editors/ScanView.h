#pragma once

#include "BaseView.h"

#include <QList>

class QListWidget;

// Which channels the radio scans: two lists side by side, the available
// channels and the scan list members, and the buttons that move the
// selected channels between them. Disabled channels are in neither list.
class CScanView : public CBaseView {
    Q_OBJECT

public:
    explicit CScanView(const EditorContext &context, QWidget *parent = nullptr);

    // Moves the channels selected in the available list into the scan list,
    // or those selected in the member list out of it; one undo step.
    void AddSelected() { moveSelected(true); }
    void RemoveSelected() { moveSelected(false); }

protected:
    void LoadRes() override;
    void LoadData() override;

private:
    // A channel as the scan list sees it (one per channel, in channel order).
    struct Channel {
        QString name;
        bool member = false;
        bool disabled = false;
    };

    QListWidget *availableList() const;
    QListWidget *memberList() const;
    void readChannels();
    void fillLists();
    void moveSelected(bool intoScanList);
    // After a move: the channel that followed the moved ones (-1: none) is
    // selected in the list they left, or the first member when that list
    // became empty.
    void selectAfterMove(QListWidget *from, QListWidget *to, int nextChannel);
    void onSelectionChanged(QListWidget *changed);
    void updateButtons();

    QList<Channel> m_channels;
    bool m_clearingSelection = false;
};
