#include "TFm_PrjAttr.h"

#include "DialogFace.h"
#include "core/Clock.h"
#include "core/Gbk.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/TYsProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QLocale& dateLocale()
{
    static const QLocale locale(QLocale::Chinese, QLocale::China);
    return locale;
}

QDate dateFromText(const QString& text)
{
    const QString t = text.trimmed();
    QDate date = dateLocale().toDate(t, QLocale::ShortFormat);
    for (const char* format : {"yyyy/M/d", "yyyy-M-d", "yyyy.M.d", "yy/M/d", "yy-M-d"}) {
        if (date.isValid()) {
            break;
        }
        date = QDate::fromString(t, QLatin1String(format));
    }
    return date.isValid() ? date : Clock::today();
}

QString numberField(double value)
{
    return value == 0 ? QString() : realToText(value);
}

QLineEdit* numericEdit(QWidget* parent, bool decimals)
{
    auto* edit = new QLineEdit(parent);
    const QRegularExpression allowed(decimals ? QStringLiteral("[0-9.]*") : QStringLiteral("[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(allowed, edit));
    edit->setMaxLength(decimals ? 10 : 5);
    return edit;
}

QLabel* fieldLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

TFm_PrjAttr::TFm_PrjAttr(TYsProject& project, QWidget* parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle(QStringLiteral("工程属性"));
    applyDialogFont(this);

    ed1 = new QLineEdit(this);
    ed2 = new QLineEdit(this);
    ed2->setMaxLength(12);
    ed3 = new QLineEdit(this);
    ed3->setMaxLength(12);
    dt1 = new QDateEdit(this);
    dt1->setCalendarPopup(true);
    dt1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    cbb_StructureType1 = new QComboBox(this);
    cbb_StructureType1->addItems(
        {QStringLiteral("框架"), QStringLiteral("砖混"), QStringLiteral("框剪"), QStringLiteral("剪力墙")});
    edt_BuildHigh1 = numericEdit(this, true);
    edt_StructureArea1 = numericEdit(this, true);
    edt_Floor_High1 = numericEdit(this, true);
    edt_TimeOfProject1 = numericEdit(this, false);
    edt_ConsructionUnit1 = new QLineEdit(this);
    chk1 = new QCheckBox(QStringLiteral("工程基本信息写入计算书"), this);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(1, 130);
    grid->setColumnMinimumWidth(3, 130);
    grid->addWidget(fieldLabel(QStringLiteral("工程名称:"), ed1, this), 0, 0);
    grid->addWidget(ed1, 0, 1, 1, 3);
    grid->addWidget(fieldLabel(QStringLiteral("工程负责人:"), ed2, this), 1, 0);
    grid->addWidget(ed2, 1, 1);
    grid->addWidget(fieldLabel(QStringLiteral("技术负责人:"), ed3, this), 1, 2);
    grid->addWidget(ed3, 1, 3);
    grid->addWidget(fieldLabel(QStringLiteral("制作日期:"), dt1, this), 2, 0);
    grid->addWidget(dt1, 2, 1);
    grid->addWidget(fieldLabel(QStringLiteral("结构类型:"), cbb_StructureType1, this), 2, 2);
    grid->addWidget(cbb_StructureType1, 2, 3);
    grid->addWidget(fieldLabel(QStringLiteral("建筑高度(m):"), edt_BuildHigh1, this), 3, 0);
    grid->addWidget(edt_BuildHigh1, 3, 1);
    grid->addWidget(fieldLabel(QStringLiteral("总建筑面积(m²):"), edt_StructureArea1, this), 3, 2);
    grid->addWidget(edt_StructureArea1, 3, 3);
    grid->addWidget(fieldLabel(QStringLiteral("标准层层高(m):"), edt_Floor_High1, this), 4, 0);
    grid->addWidget(edt_Floor_High1, 4, 1);
    grid->addWidget(fieldLabel(QStringLiteral("总工期(天):"), edt_TimeOfProject1, this), 4, 2);
    grid->addWidget(edt_TimeOfProject1, 4, 3);
    grid->addWidget(fieldLabel(QStringLiteral("施工单位:"), edt_ConsructionUnit1, this), 5, 0);
    grid->addWidget(edt_ConsructionUnit1, 5, 1, 1, 3);
    grid->addWidget(chk1, 6, 1, 1, 3);

    auto* memoGroup = new QGroupBox(QStringLiteral("工程说明"), this);
    mmo1 = new QPlainTextEdit(memoGroup);
    mmo1->setTabChangesFocus(true);
    // Nine lines fit; the scroll bar appears only beyond them.
    mmo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mmo1->setFixedHeight(mmo1->fontMetrics().lineSpacing() * 9 + 2 * mmo1->frameWidth()
                         + static_cast<int>(2 * mmo1->document()->documentMargin()));
    auto* memoLayout = new QVBoxLayout(memoGroup);
    memoLayout->addWidget(mmo1);

    auto* passwordGroup = new QGroupBox(QStringLiteral("工程密码设置"), this);
    Edit1 = new QLineEdit(passwordGroup);
    Edit2 = new QLineEdit(passwordGroup);
    for (QLineEdit* e : {Edit1, Edit2}) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(TYsProject::kMaxPasswordLength);
    }
    bt_Password = new QPushButton(QStringLiteral("保存密码"), passwordGroup);
    auto* passwordLayout = new QGridLayout(passwordGroup);
    passwordLayout->addWidget(fieldLabel(QStringLiteral("新  密  码:"), Edit1, passwordGroup), 0, 0);
    passwordLayout->addWidget(Edit1, 0, 1);
    passwordLayout->addWidget(fieldLabel(QStringLiteral("确认新密码:"), Edit2, passwordGroup), 1, 0);
    passwordLayout->addWidget(Edit2, 1, 1);
    passwordLayout->addWidget(bt_Password, 0, 2, 2, 1, Qt::AlignVCenter);
    passwordLayout->setColumnStretch(1, 1);

    btn1 = new QPushButton(QStringLiteral("确定"), this);
    btn1->setDefault(true);
    btn2 = new QPushButton(QStringLiteral("取消"), this);
    auto* buttons = buttonRow({btn1, btn2});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(memoGroup);
    layout->addWidget(passwordGroup);
    layout->addLayout(buttons);

    connect(bt_Password, &QPushButton::clicked, this, &TFm_PrjAttr::savePassword);
    connect(btn1, &QPushButton::clicked, this, &TFm_PrjAttr::confirm);
    connect(btn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(mmo1, &QPlainTextEdit::textChanged, this, &TFm_PrjAttr::limitDescription);

    fillFromProject();
    ed1->setFocus();
}

void TFm_PrjAttr::fillFromProject()
{
    ed1->setText(m_project.prjname);
    ed2->setText(m_project.prjdirector);
    ed3->setText(m_project.scheduleMaker);
    dt1->setDate(dateFromText(m_project.prjdate));
    cbb_StructureType1->setCurrentIndex(m_project.StructureType < cbb_StructureType1->count() ? m_project.StructureType
                                                                                              : 0);
    edt_BuildHigh1->setText(numberField(m_project.BuildHigh));
    edt_StructureArea1->setText(numberField(m_project.StructureArea));
    edt_Floor_High1->setText(numberField(m_project.FloorHigh));
    edt_TimeOfProject1->setText(numberField(m_project.TimeOfProject));
    edt_ConsructionUnit1->setText(m_project.ConstuctionUnit);
    chk1->setChecked(m_project.FlagWriteToCal);

    QString memo = m_project.descmemo;
    memo.remove(QLatin1Char('\n'));
    QStringList lines = memo.split(QLatin1Char('\r'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    {
        const QSignalBlocker blocker(mmo1);
        mmo1->setPlainText(lines.join(QLatin1Char('\n')));
    }
    m_lastGoodDescription = mmo1->toPlainText();
    m_password = m_project.password;
}

QString TFm_PrjAttr::descriptionText() const
{
    const QString plain = mmo1->toPlainText();
    if (plain.isEmpty()) {
        return {};
    }
    QString text;
    for (const QString& line : plain.split(QLatin1Char('\n'))) {
        text += line + QLatin1Char('\r');
    }
    return text;
}

void TFm_PrjAttr::limitDescription()
{
    if (toGbk(descriptionText()).size() <= kMaxDescriptionBytes) {
        m_lastGoodDescription = mmo1->toPlainText();
        return;
    }
    // What was typed or pasted does not fit the project file: the memo stays as it was.
    const int position = mmo1->textCursor().position();
    const QSignalBlocker blocker(mmo1);
    mmo1->setPlainText(m_lastGoodDescription);
    QTextCursor cursor = mmo1->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(m_lastGoodDescription.size())));
    mmo1->setTextCursor(cursor);
}

void TFm_PrjAttr::savePassword()
{
    const QString first = Edit1->text().trimmed();
    if (first != Edit2->text().trimmed()) {
        ShowWarning(QStringLiteral("两次输入的密码不相同,就重新输入！"));
        Edit1->clear();
        Edit2->clear();
        Edit1->setFocus();
        return;
    }
    m_password = first;
    ShowWarning(QStringLiteral("设置密码成功！"));
}

bool TFm_PrjAttr::confirm()
{
    if (ed1->text().trimmed().isEmpty()) {
        ShowWarning(QStringLiteral("工程名称不能为空！"));
        ed1->setFocus();
        return false;
    }
    // Every number is read before anything is copied, so a refused 确定 leaves the project as it was.
    double values[4] = {};
    QLineEdit* const numeric[4] = {edt_BuildHigh1, edt_Floor_High1, edt_StructureArea1, edt_TimeOfProject1};
    for (int i = 0; i < 4; ++i) {
        const QString text = numeric[i]->text().trimmed();
        if (text.isEmpty()) {
            continue;
        }
        const auto v = textToReal(text);
        if (!v) {
            ShowWarning(QStringLiteral("输入数据出错，或超出数据范围！"));
            numeric[i]->setFocus();
            numeric[i]->selectAll();
            return false;
        }
        values[i] = *v;
    }

    m_project.prjname = ed1->text();
    m_project.prjdirector = ed2->text();
    m_project.scheduleMaker = ed3->text();
    m_project.prjdate = dateLocale().toString(dt1->date(), QLocale::ShortFormat);
    m_project.setPassword(m_password);
    m_project.StructureType = static_cast<quint8>(std::max(0, cbb_StructureType1->currentIndex()));
    m_project.BuildHigh = values[0];
    m_project.FloorHigh = values[1];
    m_project.StructureArea = values[2];
    m_project.TimeOfProject = values[3];
    m_project.ConstuctionUnit = edt_ConsructionUnit1->text();
    m_project.FlagWriteToCal = chk1->isChecked();
    m_project.descmemo = descriptionText();
    m_project.Modified = true;
    accept();
    return true;
}

bool TFm_PrjAttr::execute()
{
    return exec() == QDialog::Accepted;
}
