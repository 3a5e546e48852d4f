#pragma once
// The scaffold parameters of the floor-standing and the two cantilever scaffold pages (instances Frame11..13).

#include "analysis/TScaffoldExPara.h"

#include <QFrame>
#include <QString>
#include <QStringList>
#include <functional>
#include <variant>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

// Spacings, height, bar arrangement, rows, tube, fasteners and wall ties, bound to the page's private copy of the
// scaffold component through one table: control, label, property-list key, field and input range.
class ScaffoldFrame : public QFrame
{
    Q_OBJECT
public:
    enum class Use { FloorStanding, Cantilever };
    enum class Control { Edit, Options, List };
    enum class Check { KeysOnly, Real, Integer };
    using Field = std::variant<double TScaffoldExPara::*, quint8 TScaffoldExPara::*, qint32 TScaffoldExPara::*>;

    struct Binding
    {
        const char* control; // object name
        Control type;
        QString label;
        QString key; // the object's property-list key
        Field field;
        Check check = Check::KeysOnly;
        double min = 0; // floor-standing range
        double max = 0;
        double cantileverMin = 0; // the same range unless given
        double cantileverMax = 0;
        QStringList items; // fixed items of an option group or list; a tube list is filled from the reference data
    };

    // The frame's table, in the order of the controls.
    static const std::vector<Binding>& bindings();

    ScaffoldFrame(Use use, const QString& name, std::function<void()> markModified, QWidget* parent = nullptr);

    // Tube sizes from the reference data; then every control from `para`.
    void setFrom(const TScaffoldExPara& para);
    // Runs the range check of every checked edit in table order; false at the first refusal (warned, focused).
    bool checkEntries();
    // Every control into `para`; false when an entry is not a number (`para` is then left as it was).
    bool readInto(TScaffoldExPara& para) const;

    // The range an edit is checked against here.
    double minOf(const Binding& b) const;
    double maxOf(const Binding& b) const;

    QLineEdit* edit(const char* name) const;
    QButtonGroup* options(const char* name) const;
    QComboBox* list(const char* name) const;
    // The label of ed_HPoleAgraffePoleCount, which follows the bar arrangement.
    QLabel* poleCountLabel() const { return m_poleCountLabel; }
    // 提示: the hint on the two bar arrangements.
    QAbstractButton* hintButton() const { return m_hint; }

    static QString poleCountLabelText(int arrangement);

signals:
    void hintRequested(bool smallAbove);

private:
    void checkOne(QLineEdit* edit, const Binding& b);
    // The cantilever pages take the wall distance from their rope and strut dialog.
    bool editedElsewhere(const Binding& b) const;

    Use m_use;
    std::vector<QWidget*> m_controls; // QLineEdit, QGroupBox or QComboBox per binding
    std::vector<QButtonGroup*> m_groups;
    QLabel* m_poleCountLabel = nullptr;
    QAbstractButton* m_hint = nullptr;
};
