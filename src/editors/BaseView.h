#pragma once

#include "ControlVisibility.h"
#include "EditorContext.h"
#include "FormControl.h"
#include "document/CommandVerdict.h"
#include "model/DataItem.h"

#include <QHash>
#include <QScrollArea>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
struct HookVerdict;
struct ProfileChange;

// The form editor of one profile section. An editor declares its controls
// (FormDefinition); this base makes the widgets, lays them out from the
// design grid, hides what the product settings and the model's limits
// switch off and closes the gaps, centres the form under its title band,
// and runs the binding cycle for every control with a profile attribute:
// load, change through the document's edit path, and on a refusal the
// message and the reload of the value the profile kept.
class CBaseView : public QScrollArea {
    Q_OBJECT

public:
    CBaseView(const EditorContext &context, const FormDefinition &form, QWidget *parent = nullptr);
    ~CBaseView() override;

    // Builds, loads and lays out the form; once, after construction.
    virtual void OnInitialUpdate();
    // Stores a value still being typed in an edit box. False when it was
    // refused: the caller's save, write or switch of editors is cancelled.
    virtual bool CommitPendingInput();
    // Makes the view active and selects the whole text of a refused field.
    virtual void FocusInvalidField(int controlId);
    // Selects the first edit box of the form, where the user types first
    // (after a new channel was added and shown).
    void FocusFirstField();

    // Hides every control that "VisibleSetting.stv" does not show for key,
    // then closes the gaps.
    void SetVisibility(const QString &key);
    // Asks the help pane for the help page of a control.
    void ShowHelp(int controlId);
    QRect GetCtrlRect(int controlId) const;

    QWidget *control(int controlId) const { return m_widgets.value(controlId); }
    template <class Widget> Widget *control(int controlId) const
    {
        return qobject_cast<Widget *>(control(controlId));
    }
    const FormDefinition &form() const { return m_form; }

    // The widget property that carries a control's id.
    static constexpr char kControlIdProperty[] = "controlId";

signals:
    // The help page for the focused control; empty for a blank page.
    void helpPageRequested(const QString &pageName);

protected:
    // Fills the lists and texts the table cannot give. Base: nothing.
    virtual void LoadRes() { }
    // Reads the profile into the controls. Base: every control bound to an
    // attribute.
    virtual void LoadData();

    // A fresh item of a section (Section::...); items are not kept, since
    // an undo replaces the profile. An editor whose controls live in other
    // elements names them with sections of its own and resolves them here.
    virtual CDataItem sectionItem(const char *section) const;
    // The text an edit box shows for a value, and the value a typed text
    // stands for (nullopt: none, the change is refused). Base: the text.
    virtual QString editText(const FormControl &control, const QVariant &value) const;
    virtual std::optional<QVariant> editValue(const FormControl &control, const QString &text) const;
    QVariant readAttribute(const char *section, const char *attribute) const;
    bool limitFlag(const char *attribute) const;
    void loadControl(const FormControl &control);
    // The binding cycle's change step for one bound control.
    bool writeValue(const FormControl &control, const QVariant &value);
    // The profile command that the change of a bound control goes through,
    // run; its verdict is shown, and a refused value reloaded. Base:
    // nullopt, the change is a plain write of the control's attribute.
    virtual std::optional<CommandVerdict> controlCommand(const FormControl &control, const QVariant &value);
    // A bound control was changed by the user. Base: writeValue. Editors
    // whose fields drive other fields add their writes here.
    virtual void OnControlChanged(const FormControl &control, const QVariant &value);
    // Runs body, whose accepted edits become one undo step named undoText;
    // the form reloads once at the end rather than after every edit.
    void editAsOneStep(const QString &undoText, const std::function<void()> &body);
    // Runs a profile command, which makes its own undo step, and shows its
    // verdict; the form reloads once at the end rather than after every edit.
    void runCommand(const std::function<CommandVerdict()> &command);
    // The caption that names a control: its label's, or its own.
    QString labelOf(const FormControl &control) const;
    // Sets the text of a label or button after the form was made, and with
    // it what a screen reader calls the control and the field it labels.
    void setControlText(int controlId, const QString &text);
    // The table entry of a control; nullptr for an id the form lacks.
    const FormControl *formControl(int controlId) const;
    // Hides the controls of features the model lacks.
    void hideControls(std::initializer_list<int> ids, bool hide = true);
    // Where a control sits once the gaps are closed (before centring), and
    // a new place for it, for a control an editor puts beside another one;
    // the new place lasts until the gaps are closed again.
    QRect formRect(int controlId) const { return m_closedRects.value(controlId); }
    void setFormRect(int controlId, const QRect &rect);
    // The decimal point replaced by the language's separator.
    QString localDecimal(QString number) const;
    // A frequency in hertz as the lists and fields show it: megahertz with
    // six decimals and the language's separator.
    QString megahertzText(qint64 hertz) const;

    const EditorContext &context() const { return m_context; }
    CProfileDocument &document() const { return m_context.document; }
    static QString translated(const char *sourceText);

    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createWidget(const FormControl &control);
    void connectBinding(const FormControl &control, QWidget *widget);
    void describeForAccessibility();
    void nameForAccessibility(const FormControl &control);
    // Creates the fonts, records the design rectangles and loads the form.
    void InitLayout();
    void closeGaps();
    void placeForm();
    void refuse(const FormControl &control, const HookVerdict *verdict, const QString &errorText);
    // Puts the profile's value back into a refused control and, for an edit
    // box, selects it again.
    void reloadRefused(const FormControl &control);
    bool commitEdit(const FormControl &control);
    bool editIsPending(const FormControl &control) const;
    void onProfileChanged(const ProfileChange &change);
    const FormControl *boundControl(int controlId) const;

    EditorContext m_context;
    const FormDefinition &m_form;
    std::vector<LayoutEntry> m_layout;
    QWidget *m_page;
    QLabel *m_pageTitle = nullptr;
    QHash<int, QWidget *> m_widgets;
    ControlRects m_designRects;
    ControlRects m_closedRects;
    bool m_initialised = false;
    bool m_loading = false;
    bool m_groupingEdits = false;
};
