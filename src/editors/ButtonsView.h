#pragma once

#include "BaseView.h"
#include "document/ButtonFeatureList.h"

// The features of the programmable buttons, the settings that belong to
// some of them (beside the button that holds the feature), the keypad lock
// and a picture of the radio that shows where the buttons are.
class CButtonsView : public CBaseView {
    Q_OBJECT

public:
    explicit CButtonsView(const EditorContext &context, QWidget *parent = nullptr);

    void OnInitialUpdate() override;

protected:
    void LoadRes() override;
    void LoadData() override;
    CDataItem sectionItem(const char *section) const override;
    std::optional<CommandVerdict> controlCommand(const FormControl &control, const QVariant &value) override;

private:
    int limitValue(const QString &attribute) const;
    CButtonFeatureList::LimitReader limitReader() const;
    void fillFeatureLists();
    void fillCallTones();
    void fillPresetChannelLists();
    void showPicture();
    // Puts the row of each feature's setting beside the button that holds
    // the feature, or hides it; the picture goes right of them all.
    void placeDependentRows();
    // The picture right of the rows that end at x = right, and the title
    // bands widened over them.
    void placePicture(int right);
    // Asks, then puts every button back to its default; one undo step.
    void resetButtons();

    std::optional<CButtonFeatureList> m_features;
};
