#include "DialogBindings.h"

#include "InputChecks.h"
#include "core/Gbk.h"
#include "core/NumberText.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

template<class... F> struct Overloaded : F...
{
    using F::operator()...;
};
template<class... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

QString numberText(double value)
{
    return realToText(value);
}

DialogBindings::DialogBindings(std::initializer_list<Entry> entries)
    : m_entries(entries)
{ }

void DialogBindings::installChecks() const
{
    for (const Entry& e : m_entries) {
        auto* edit = qobject_cast<QLineEdit*>(e.control);
        if (!edit || e.min == e.max) {
            continue;
        }
        if (std::holds_alternative<qint32*>(e.field)) {
            const int min = static_cast<int>(e.min);
            const int max = static_cast<int>(e.max);
            setExitHandler(edit, [edit, min, max] { CheckIntInput(edit, min, max); });
        } else {
            const double min = e.min;
            const double max = e.max;
            setExitHandler(edit, [edit, min, max] { CheckRealInput(edit, min, max); });
        }
    }
}

void DialogBindings::fill() const
{
    for (const Entry& e : m_entries) {
        const double value = std::visit([](auto* f) { return static_cast<double>(*f); }, e.field);
        if (auto* edit = qobject_cast<QLineEdit*>(e.control)) {
            edit->setText(numberText(value));
        } else if (auto* list = qobject_cast<QComboBox*>(e.control)) {
            list->setCurrentIndex(static_cast<int>(value));
        } else if (auto* box = qobject_cast<QCheckBox*>(e.control)) {
            box->setChecked(value != 0);
        }
    }
}

void DialogBindings::store() const
{
    for (const Entry& e : m_entries) {
        if (auto* edit = qobject_cast<QLineEdit*>(e.control)) {
            const QString text = edit->text().trimmed();
            std::visit(Overloaded{[&](double* f) { *f = textToReal(text).value_or(*f); },
                                  [&](qint32* f) { *f = textToInteger(text).value_or(*f); },
                                  [&](quint8* f) {
                                      *f = static_cast<quint8>(std::clamp(textToInteger(text).value_or(*f), 0, 255));
                                  },
                                  [&](bool* f) { *f = textToBoolean(text).value_or(*f); }},
                       e.field);
        } else if (auto* list = qobject_cast<QComboBox*>(e.control)) {
            const int index = list->currentIndex();
            if (index < 0) {
                continue; // an empty list keeps the field
            }
            std::visit(Overloaded{[&](double* f) { *f = index; }, [&](qint32* f) { *f = index; },
                                  [&](quint8* f) { *f = static_cast<quint8>(std::min(index, 255)); },
                                  [&](bool* f) { *f = index != 0; }},
                       e.field);
        } else if (auto* box = qobject_cast<QCheckBox*>(e.control)) {
            const bool on = box->isChecked();
            std::visit(Overloaded{[&](double* f) { *f = on ? 1 : 0; }, [&](qint32* f) { *f = on ? 1 : 0; },
                                  [&](quint8* f) { *f = on ? 1 : 0; }, [&](bool* f) { *f = on; }},
                       e.field);
        }
    }
}

const DialogBindings::Entry* DialogBindings::find(const QWidget* control) const
{
    const auto it
        = std::find_if(m_entries.begin(), m_entries.end(), [control](const Entry& e) { return e.control == control; });
    return it == m_entries.end() ? nullptr : &*it;
}

void FitDropDownWidth(QComboBox* list)
{
    if (!list) {
        return;
    }
    const int pointSize = std::max(list->font().pointSize(), 1);
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        widest = std::max(widest, static_cast<int>(toGbk(list->itemText(i)).size()) * pointSize);
    }
    list->view()->setMinimumWidth(std::max(widest, list->width()));
}

void keepEnterForChecks(QWidget* dialog)
{
    const auto buttons = dialog->findChildren<QPushButton*>();
    for (QPushButton* b : buttons) {
        b->setDefault(false);
        b->setAutoDefault(false);
    }
}

bool confirmBound(QDialog& dialog, QWidget* panel, const DialogBindings& bindings, const std::function<void()>& more)
{
    if (CheckEditsOnClose(panel)) {
        return false;
    }
    bindings.store();
    if (more) {
        more();
    }
    dialog.accept();
    return true;
}

void rejectUnlessRefused(QDialog& dialog, QWidget* panel)
{
    if (!CheckEditsOnClose(panel)) {
        dialog.QDialog::reject();
    }
}
