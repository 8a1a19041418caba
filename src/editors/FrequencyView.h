#pragma once

#include "BaseView.h"

#include <vector>

class QComboBox;
class QLineEdit;
class QTreeWidget;

// The RF frequency table: the list of frequencies that channels refer to by
// index, with each entry's bandwidth, power and compander rules. One entry
// is added or edited at a time in the row of fields below the list: Add or
// Edit starts, Save (or Enter) stores through the table's hooks, Cancel (or
// Escape) gives up. The selection and the list's scroll position stay with
// the document, so the list comes back where it was.
class CFrequencyView : public CBaseView {
    Q_OBJECT

public:
    explicit CFrequencyView(const EditorContext &context, QWidget *parent = nullptr);

    void OnInitialUpdate() override;

    enum class Mode { Browse, Add, Edit };
    Mode mode() const { return m_mode; }

protected:
    void LoadRes() override;
    void LoadData() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addOrSave();
    void editOrSave();
    void deleteOrCancel();
    void enterMode(Mode mode);
    void leaveMode();
    // Adds or changes the row in the fields through the table's commands.
    void save();
    // The row the fields hold (the selected row's index when editing).
    FrequencyRow readFields() const;
    void deleteSelected();

    void fillList();
    void restoreSelection();
    void selectionChanged();
    void showRow(int row);
    void bandwidthChosen();
    void companderFollowsBandwidth(bool bandwidthChanged);
    void frequencyEdited(const QString &text);
    void setFieldsEnabled(bool enabled);
    void updateButtons();
    bool narrowbandModel() const;
    bool canAddFrequency() const;
    // The text shown for a value of a rule list; "N/A" outside it.
    QString ruleText(const QComboBox *combo, unsigned value) const;

    QTreeWidget *list() const;
    QLineEdit *frequencyEdit() const;
    QComboBox *combo(int controlId) const;
    QChar separator() const;
    int selectedRow() const;

    Mode m_mode = Mode::Browse;
    QString m_acceptedText;
    std::vector<FrequencyRow> m_rows;
};
