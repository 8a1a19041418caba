#include "ChannelsView.h"

#include "EditorIcons.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"

#include <QPushButton>

namespace {

constexpr int kAddButton = 1041;

constexpr FormControl kControls[] = {
    Form::PageTitle(1061, QT_TRANSLATE_NOOP("Editors", "Channels")),
    { .id = kAddButton, .widget = ControlWidget::Button, .row = 1, .cell = Cell::Label, .buddy = 1068 },
    { .id = 1068,
        .widget = ControlWidget::Label,
        .text = QT_TRANSLATE_NOOP("Editors", "Add Channel"),
        .row = 1 },
};

constexpr FormDefinition kForm { "Channels", "Channels", kControls };

} // namespace

CChannelsView::CChannelsView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

void CChannelsView::LoadRes()
{
    auto *button = control<QPushButton>(kAddButton);
    button->setIcon(EditorIcons::addChannel());
    button->setIconSize(EditorIcons::kAddChannelSize);
    connect(button, &QPushButton::clicked, this, &CChannelsView::addChannelRequested);
}

void CChannelsView::LoadData()
{
    try {
        control(kAddButton)->setEnabled(sectionItem(Section::kChannels).CanAddChild());
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
}
