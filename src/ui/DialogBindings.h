#pragma once
// Used by the load, wind and foundation dialogs to tie their controls to the fields of their private copies.

#include <QString>
#include <QtGlobal>
#include <functional>
#include <variant>
#include <vector>

class QCheckBox;
class QDialog;
class QComboBox;
class QLineEdit;
class QWidget;

// One table per dialog: control, field and input range, declared once. Filling the controls, the exit checks and
// the write-back all walk the same table.
class DialogBindings
{
public:
    using Field = std::variant<double*, qint32*, quint8*, bool*>;

    struct Entry
    {
        QWidget* control = nullptr; // a QLineEdit, QComboBox (item index) or QCheckBox
        Field field;
        double min = 0; // range of an edit (none when min == max); a qint32 field is checked as a whole number
        double max = 0;
    };

    DialogBindings() = default;
    DialogBindings(std::initializer_list<Entry> entries);

    // Gives every bound edit its range check as exit handler (also run on Enter and by CheckEditsOnClose).
    void installChecks() const;
    // Fields into controls: numbers in their shortest text, indexes selected, check boxes set.
    void fill() const;
    // Controls into fields; call only after the checks passed.
    void store() const;

    const std::vector<Entry>& entries() const { return m_entries; }
    // The entry of a control, nullptr when it is not bound.
    const Entry* find(const QWidget* control) const;

private:
    std::vector<Entry> m_entries;
};

// Widens the drop-down part of a list to the longest item: its GBK bytes times the list font's point size (px).
void FitDropDownWidth(QComboBox* list);

// 确定 of a bound dialog: refused while an entry of `panel` is refused; otherwise the fields are written, `more` runs
// (values the table does not hold) and the dialog is accepted.
bool confirmBound(QDialog& dialog, QWidget* panel, const DialogBindings& bindings,
                  const std::function<void()>& more = {});
// 取消, Esc and the close button of a bound dialog: an entry still refused keeps it open until it is corrected.
void rejectUnlessRefused(QDialog& dialog, QWidget* panel);

// Enter in an edit runs its check and nothing else: no push button of `dialog` takes Enter as a click.
void keepEnterForChecks(QWidget* dialog);

// The shortest text of a number, as every numeric control shows it.
QString numberText(double value);
