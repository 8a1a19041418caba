#pragma once

#include "BaseView.h"

class QLineEdit;

// The general settings of the profile. Check boxes and combo boxes are
// written at once; edit boxes when the user leaves them or the view. The
// codeplug password is typed twice and stored only when both entries are
// four characters and equal; its boxes never give the text away.
class CSettingView : public CBaseView {
    Q_OBJECT

public:
    explicit CSettingView(const EditorContext &context, QWidget *parent = nullptr);

    bool CommitPendingInput() override;

protected:
    void LoadRes() override;
    void LoadData() override;
    void OnControlChanged(const FormControl &control, const QVariant &value) override;
    std::optional<QVariant> editValue(const FormControl &control, const QString &text) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit(int controlId) const;
    void loadMappedCombos();
    void selectItem(int controlId, int index);
    // The password rules when the user leaves one of its boxes for next.
    void leavePasswordBox(int leaving, const QWidget *next);
    bool passwordDirty() const { return m_passwordDirty || m_confirmDirty; }
    // Stores the two typed entries through the password command; false
    // after its refusal, shown with the box to type again.
    bool storePassword();
    void askForFourCharacters(int box);
    void refuseMismatch();
    void clearPasswordBoxes();
    void focusLater(int controlId);
    // Keeps the clipboard away from the password boxes.
    bool blocksClipboard(QEvent *event) const;

    bool m_loaded = false;
    bool m_passwordDirty = false;
    bool m_confirmDirty = false;
};
