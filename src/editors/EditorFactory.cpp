#include "EditorFactory.h"

#include "ChannelsView.h"
#include "RadioInfoView.h"
#include "base/VelaException.h"
#include "document/ProfileDocument.h"

#include <QLabel>

namespace {

// Pages of the sections whose editors are still to come: the section's
// title, under the keys its editor will use.
constexpr FormControl kSettingsTitle[]
    = { Form::PageTitle(1048, QT_TRANSLATE_NOOP("Editors", "General Settings")) };
constexpr FormControl kAudioTitle[]
    = { Form::PageTitle(1019, QT_TRANSLATE_NOOP("Editors", "Audio Settings")) };
constexpr FormControl kButtonsTitle[] = { Form::PageTitle(1075, QT_TRANSLATE_NOOP("Editors", "Buttons")) };
constexpr FormControl kFrequencyTitle[]
    = { Form::PageTitle(1069, QT_TRANSLATE_NOOP("Editors", "RF Frequency")) };
constexpr FormControl kChannelTitle[] = { Form::PageTitle(1058, nullptr) };
constexpr FormControl kScanTitle[] = { Form::PageTitle(1035, QT_TRANSLATE_NOOP("Editors", "Scan List")) };
constexpr FormControl kPLTitle[] = { Form::PageTitle(1077, QT_TRANSLATE_NOOP("Editors", "Customized PL")) };
constexpr FormControl kDPLTitle[] = { Form::PageTitle(1090, QT_TRANSLATE_NOOP("Editors", "Customized DPL")) };

constexpr FormDefinition kSettingsPage { "Settings", "GeneralSettings", kSettingsTitle };
constexpr FormDefinition kAudioPage { "AudioSettings", "AudioSettings", kAudioTitle };
constexpr FormDefinition kButtonsPage { "Buttons", "Buttons", kButtonsTitle };
constexpr FormDefinition kFrequencyPage { "Frequency", "RFFrequency", kFrequencyTitle };
constexpr FormDefinition kChannelPage { "Channel", "Channel", kChannelTitle };
constexpr FormDefinition kScanPage { "ScanList", "ScanList", kScanTitle };
constexpr FormDefinition kPLPage { "CustomizedPL", "CustomizedPL", kPLTitle };
constexpr FormDefinition kDPLPage { "CustomizedDPL", "CustomizedDPL", kDPLTitle };

class CSectionPlaceholderView : public CBaseView {
public:
    using CBaseView::CBaseView;

protected:
    // The channel page is titled with the channel's name and number.
    void LoadRes() override
    {
        if (&form() != &kChannelPage)
            return;
        QString name;
        try {
            name = sectionItem(Section::kCurrentChannel).GetAttributeValue(QStringLiteral("name")).toString();
        } catch (const CVelaCPSException &) {
        }
        control<QLabel>(kChannelTitle[0].id)
            ->setText(name + QStringLiteral(" (%1)").arg(context().channelIndex + 1));
    }
};

const FormDefinition *PlaceholderPage(SectionKind kind)
{
    switch (kind) {
    case SectionKind::GeneralSettings:
        return &kSettingsPage;
    case SectionKind::AudioSettings:
        return &kAudioPage;
    case SectionKind::Buttons:
        return &kButtonsPage;
    case SectionKind::RfFrequency:
        return &kFrequencyPage;
    case SectionKind::Channel:
        return &kChannelPage;
    case SectionKind::ScanList:
        return &kScanPage;
    case SectionKind::CustomizedPL:
        return &kPLPage;
    case SectionKind::CustomizedDPL:
        return &kDPLPage;
    default:
        return nullptr;
    }
}

} // namespace

CBaseView *CreateEditorView(int kind, const EditorContext &context, QWidget *parent)
{
    switch (SectionKind(kind)) {
    case SectionKind::RadioInfo:
        return new CRadioInfoView(context, parent);
    case SectionKind::Channels:
        return new CChannelsView(context, parent);
    default:
        break;
    }
    const FormDefinition *page = PlaceholderPage(SectionKind(kind));
    return page ? new CSectionPlaceholderView(context, *page, parent) : nullptr;
}
