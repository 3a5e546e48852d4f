#include "ScaffoldFrame.h"

#include "InputChecks.h"
#include "core/NumberText.h"
#include "core/YsError.h"
#include "refdata/Tdm1.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

namespace {

using E = TScaffoldExPara;
using C = ScaffoldFrame::Control;
using K = ScaffoldFrame::Check;

const QStringList kSingleDouble{QStringLiteral("单扣件"), QStringLiteral("双扣件")};

} // namespace

namespace {

using B = ScaffoldFrame::Binding;
using F = ScaffoldFrame::Field;

B editRow(const char* control, const QString& label, const QString& key, F field, K check = K::KeysOnly, double min = 0,
          double max = 0, double cantileverMin = 0, double cantileverMax = 0)
{
    return B{control, C::Edit, label, key, field, check, min, max, cantileverMin, cantileverMax, {}};
}

B choiceRow(const char* control, C type, const QString& label, const QString& key, F field, const QStringList& items)
{
    return B{control, type, label, key, field, K::KeysOnly, 0, 0, 0, 0, items};
}

} // namespace

const std::vector<ScaffoldFrame::Binding>& ScaffoldFrame::bindings()
{
    static const std::vector<Binding> table{
        editRow("ed_lb", QStringLiteral("横向间距或排距(m)"), QStringLiteral("ExPara.Lb"), &E::Lb, K::Real, 0.5, 2.5),
        editRow("ed_h", QStringLiteral("步距(m)"), QStringLiteral("ExPara.h"), &E::h, K::Real, 0.5, 2.5),
        editRow("ed_la", QStringLiteral("纵距(m)"), QStringLiteral("ExPara.La"), &E::La, K::Real, 0.5, 2.5),
        editRow("ed_HPoleOuter", QStringLiteral("内排架距离墙长度(m)"), QStringLiteral("ExPara.HPoleOuterLen"),
                &E::HPoleOuterLen, K::Real, 0.1, 2),
        editRow("ed_high", QStringLiteral("脚手架搭设高度(m)"), QStringLiteral("ExPara.high"), &E::high, K::Real, 5,
                100, 1, 100),
        editRow("ed_DoublePoleHigh", QStringLiteral("双管立柱高度(m)"), QStringLiteral("ExPara.DoublePoleHigh"),
                &E::DoublePoleHigh),
        editRow("ed_fasternerCoefficient", QStringLiteral("扣件抗滑承载力系数"),
                QStringLiteral("ExPara.fasternerCoefficient"), &E::fasternerCoefficient, K::Real, 0.001, 1),
        editRow("ed_HPoleAgraffePoleCount", poleCountLabelText(0), QStringLiteral("ExPara.HPoleAgraffePoleCount"),
                &E::HPoleAgraffePoleCount, K::Integer, 2, 3),
        choiceRow("cb_TubeType", C::List, QStringLiteral("钢管类型(mm)"), QStringLiteral("ExPara.TubeType"),
                  &E::TubeType, {}),
        choiceRow("cb_WalllinkerAgraffeType", C::List, QStringLiteral("连墙件连接方式"),
                  QStringLiteral("ExPara.WalllinkerAgraffeType"), &E::WalllinkerAgraffeType,
                  {QStringLiteral("扣件连接"), QStringLiteral("焊缝连接"), QStringLiteral("螺栓连接"),
                   QStringLiteral("膨胀螺栓")}),
        choiceRow("rg_HPoleAgraffeLay", C::Options, QStringLiteral("大小横杆布置"),
                  QStringLiteral("ExPara.HPoleAgraffeLay"), &E::HPoleAgraffeLay,
                  {QStringLiteral("小横杆在上"), QStringLiteral("大横杆在上")}),
        choiceRow("rg_LineCount", C::Options, QStringLiteral("排数"), QStringLiteral("ExPara.LineCount"), &E::LineCount,
                  {QStringLiteral("单排"), QStringLiteral("双排")}),
        choiceRow("Rg_fastenerType", C::Options, QStringLiteral("横杆与立杆连接方式"),
                  QStringLiteral("ExPara.fastenerType"), &E::fastenerType, kSingleDouble),
        choiceRow("Rg_WallLinkerType", C::Options, QStringLiteral("连墙件扣件连接方式"),
                  QStringLiteral("ExPara.WallLinkerType"), &E::WallLinkerType, kSingleDouble),
        choiceRow("rg_WalllinkerLay", C::Options, QStringLiteral("连墙件布置参数"),
                  QStringLiteral("ExPara.WalllinkerLay"), &E::WalllinkerLay,
                  {QStringLiteral("二步三跨"), QStringLiteral("三步三跨"), QStringLiteral("两步两跨")}),
    };
    return table;
}

QString ScaffoldFrame::poleCountLabelText(int arrangement)
{
    return arrangement == 0 ? QStringLiteral("搭接在大横杆上的小横杆根数:")
                            : QStringLiteral("搭接在小横杆上的大横杆根数:");
}

ScaffoldFrame::ScaffoldFrame(Use use, const QString& name, std::function<void()> markModified, QWidget* parent)
    : QFrame(parent)
    , m_use(use)
{
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    const std::vector<Binding>& table = bindings();
    m_controls.resize(table.size(), nullptr);
    m_groups.resize(table.size(), nullptr);
    QHash<QString, QLabel*> labels;
    for (size_t i = 0; i < table.size(); ++i) {
        const Binding& b = table[i];
        const QString objectName = QString::fromLatin1(b.control);
        if (b.type == C::Options) {
            auto* box = new QGroupBox(b.label, this);
            box->setObjectName(objectName);
            auto* row = new QHBoxLayout(box);
            auto* group = new QButtonGroup(box);
            group->setObjectName(objectName);
            for (int item = 0; item < b.items.size(); ++item) {
                auto* radio = new QRadioButton(b.items[item], box);
                group->addButton(radio, item);
                row->addWidget(radio);
            }
            row->addStretch(1);
            connect(group, &QButtonGroup::idClicked, this, [markModified] { markModified(); });
            EditCheckOnControls(box, markModified);
            m_controls[i] = box;
            m_groups[i] = group;
            continue;
        }
        auto* label = new QLabel(b.label, this);
        QWidget* control = nullptr;
        if (b.type == C::Edit) {
            auto* edit = new QLineEdit(this);
            edit->setFixedWidth(90);
            if (b.check != K::KeysOnly) {
                setExitHandler(edit, [this, edit, &b] { checkOne(edit, b); });
            }
            control = edit;
        } else {
            auto* combo = new QComboBox(this);
            combo->addItems(b.items);
            combo->setMinimumWidth(130);
            control = combo;
        }
        control->setObjectName(objectName);
        label->setBuddy(control);
        labels.insert(objectName, label);
        m_controls[i] = control;
        if (editedElsewhere(b)) {
            label->hide();
            control->hide();
        }
    }
    auto widget = [this, &table](const char* name) {
        for (size_t i = 0; i < table.size(); ++i) {
            if (qstrcmp(table[i].control, name) == 0) {
                return m_controls[i];
            }
        }
        return static_cast<QWidget*>(nullptr);
    };
    m_poleCountLabel = labels.value(QStringLiteral("ed_HPoleAgraffePoleCount"));
    auto* hint = new QPushButton(QStringLiteral("提示"), this);
    hint->setObjectName(QStringLiteral("bt_hint"));
    m_hint = hint;

    // left: the geometry, one labelled entry a row; right: bars, fasteners and wall ties, each with its entries
    auto* geometry = new QGridLayout;
    geometry->setVerticalSpacing(8);
    int row = 0;
    for (const char* name :
         {"ed_lb", "ed_la", "ed_h", "ed_high", "ed_DoublePoleHigh", "ed_HPoleOuter", "cb_TubeType"}) {
        geometry->addWidget(labels.value(QString::fromLatin1(name)), row, 0);
        geometry->addWidget(widget(name), row, 1, Qt::AlignLeft);
        ++row;
    }
    geometry->addWidget(widget("rg_LineCount"), row++, 0, 1, 2);
    geometry->setRowStretch(row, 1);

    auto labelled = [&labels, &widget](const char* name, QWidget* extra = nullptr) {
        auto* line = new QHBoxLayout;
        line->addWidget(labels.value(QString::fromLatin1(name)));
        line->addWidget(widget(name));
        if (extra) {
            line->addWidget(extra);
        }
        line->addStretch(1);
        return line;
    };
    auto* arrangement = new QVBoxLayout;
    arrangement->addWidget(widget("rg_HPoleAgraffeLay"));
    arrangement->addLayout(labelled("ed_HPoleAgraffePoleCount", hint));
    arrangement->addWidget(widget("Rg_fastenerType"));
    arrangement->addLayout(labelled("ed_fasternerCoefficient"));
    arrangement->addWidget(widget("rg_WalllinkerLay"));
    arrangement->addWidget(widget("Rg_WallLinkerType"));
    arrangement->addLayout(labelled("cb_WalllinkerAgraffeType"));
    arrangement->addStretch(1);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(geometry);
    columns->addSpacing(16);
    columns->addLayout(arrangement, 1);
    EditCheckOnControls(this, markModified);

    QButtonGroup* lay = options("rg_HPoleAgraffeLay");
    connect(lay, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) {
            m_poleCountLabel->setText(poleCountLabelText(id));
        }
    });
    connect(hint, &QPushButton::clicked, this, [this, lay] { emit hintRequested(lay->checkedId() == 0); });
}

double ScaffoldFrame::minOf(const Binding& b) const
{
    return m_use == Use::Cantilever && b.cantileverMin != b.cantileverMax ? b.cantileverMin : b.min;
}

double ScaffoldFrame::maxOf(const Binding& b) const
{
    return m_use == Use::Cantilever && b.cantileverMin != b.cantileverMax ? b.cantileverMax : b.max;
}

bool ScaffoldFrame::editedElsewhere(const Binding& b) const
{
    return m_use == Use::Cantilever && qstrcmp(b.control, "ed_HPoleOuter") == 0;
}

void ScaffoldFrame::checkOne(QLineEdit* edit, const Binding& b)
{
    if (b.check == K::Real) {
        CheckRealInput(edit, minOf(b), maxOf(b));
    } else if (b.check == K::Integer) {
        CheckIntInput(edit, static_cast<int>(minOf(b)), static_cast<int>(maxOf(b)));
    }
}

QLineEdit* ScaffoldFrame::edit(const char* name) const
{
    return findChild<QLineEdit*>(QString::fromLatin1(name));
}

QButtonGroup* ScaffoldFrame::options(const char* name) const
{
    return findChild<QButtonGroup*>(QString::fromLatin1(name));
}

QComboBox* ScaffoldFrame::list(const char* name) const
{
    return findChild<QComboBox*>(QString::fromLatin1(name));
}

void ScaffoldFrame::setFrom(const TScaffoldExPara& para)
{
    const std::vector<Binding>& table = bindings();
    for (size_t i = 0; i < table.size(); ++i) {
        const Binding& b = table[i];
        const double value = std::visit([&para](auto field) { return static_cast<double>(para.*field); }, b.field);
        const int index = static_cast<int>(value);
        switch (b.type) {
        case C::Edit:
            static_cast<QLineEdit*>(m_controls[i])
                ->setText(std::holds_alternative<double E::*>(b.field) ? realToText(value) : integerToText(index));
            break;
        case C::Options:
            if (QAbstractButton* button = m_groups[i]->button(index)) {
                button->setChecked(true);
            }
            break;
        case C::List: {
            auto* combo = static_cast<QComboBox*>(m_controls[i]);
            int selected = index;
            if (b.items.isEmpty()) {
                Tdm1::ListFill fill;
                try {
                    fill = dm1().FillPoleTypes();
                } catch (const YsError&) {
                    // the data module warned when it failed to open; the list stays empty
                }
                combo->clear();
                combo->addItems(fill.items);
                if (selected < 0 || selected >= combo->count()) {
                    selected = fill.index;
                }
            }
            combo->setCurrentIndex(selected < combo->count() ? selected : -1);
            break;
        }
        }
    }
}

bool ScaffoldFrame::checkEntries()
{
    const std::vector<Binding>& table = bindings();
    for (size_t i = 0; i < table.size(); ++i) {
        const Binding& b = table[i];
        if (b.type != C::Edit || b.check == K::KeysOnly || editedElsewhere(b)) {
            continue;
        }
        checkOne(static_cast<QLineEdit*>(m_controls[i]), b);
        if (InputError()) {
            return false;
        }
    }
    return true;
}

bool ScaffoldFrame::readInto(TScaffoldExPara& para) const
{
    TScaffoldExPara read = para;
    const std::vector<Binding>& table = bindings();
    for (size_t i = 0; i < table.size(); ++i) {
        const Binding& b = table[i];
        if (editedElsewhere(b)) {
            continue;
        }
        std::optional<double> value;
        if (b.type == C::Edit) {
            const QString text = static_cast<QLineEdit*>(m_controls[i])->text().trimmed();
            if (std::holds_alternative<double E::*>(b.field)) {
                value = textToReal(text);
            } else if (const std::optional<qint32> n = textToInteger(text)) {
                value = *n;
            }
            if (!value) {
                return false;
            }
        } else {
            const int index = b.type == C::Options ? m_groups[i]->checkedId()
                                                   : static_cast<QComboBox*>(m_controls[i])->currentIndex();
            if (index < 0) {
                continue; // nothing chosen: the value stays
            }
            value = index;
        }
        const bool fits = std::visit(
            [&read, v = *value](auto field) {
                using T = std::remove_reference_t<decltype(read.*field)>;
                if constexpr (!std::is_floating_point_v<T>) {
                    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) {
                        return false;
                    }
                }
                read.*field = static_cast<T>(v);
                return true;
            },
            b.field);
        if (!fits) {
            return false;
        }
    }
    para = read;
    return true;
}
