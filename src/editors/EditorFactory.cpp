#include "EditorFactory.h"

#include "AudioSettingView.h"
#include "ButtonsView.h"
#include "ChannelView.h"
#include "ChannelsView.h"
#include "CustomizedCodeView.h"
#include "FrequencyView.h"
#include "RadioInfoView.h"
#include "ScanView.h"
#include "SettingView.h"

CBaseView *CreateEditorView(int kind, const EditorContext &context, QWidget *parent)
{
    switch (SectionKind(kind)) {
    case SectionKind::RadioInfo:
        return new CRadioInfoView(context, parent);
    case SectionKind::GeneralSettings:
        return new CSettingView(context, parent);
    case SectionKind::AudioSettings:
        return new CAudioSettingView(context, parent);
    case SectionKind::ScanList:
        return new CScanView(context, parent);
    case SectionKind::Channels:
        return new CChannelsView(context, parent);
    case SectionKind::Buttons:
        return new CButtonsView(context, parent);
    case SectionKind::CustomizedPL:
        return new CCustomizedPLView(context, parent);
    case SectionKind::CustomizedDPL:
        return new CCustomizedDPLView(context, parent);
    case SectionKind::Channel:
        return new CChannelView(context, parent);
    case SectionKind::RfFrequency:
        return new CFrequencyView(context, parent);
    default:
        return nullptr;
    }
}
