#include "ReportFindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ReportFindDialog::ReportFindDialog(QWidget* parent)
    : QDialog(parent)
    , m_text(new QLineEdit(this))
    , m_matchCase(new QCheckBox(QStringLiteral("区分大小写(&C)"), this))
    , m_wholeWords(new QCheckBox(QStringLiteral("全字匹配(&W)"), this))
    , m_findButton(new QPushButton(QStringLiteral("查找下一个(&F)"), this))
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("查找"));
    auto* label = new QLabel(QStringLiteral("查找内容(&N):"), this);
    label->setBuddy(m_text);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    m_findButton->setDefault(true);
    m_findButton->setEnabled(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_findButton, 0, 2);
    grid->addWidget(m_wholeWords, 1, 0, 1, 2);
    grid->addWidget(cancel, 1, 2);
    grid->addWidget(m_matchCase, 2, 0, 1, 2);

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_findButton->setEnabled(!t.isEmpty()); });
    connect(m_findButton, &QPushButton::clicked, this, &ReportFindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString ReportFindDialog::text() const
{
    return m_text->text();
}

bool ReportFindDialog::matchCase() const
{
    return m_matchCase->isChecked();
}

bool ReportFindDialog::wholeWords() const
{
    return m_wholeWords->isChecked();
}

void ReportFindDialog::setText(const QString& text)
{
    m_text->setText(text);
}

void ReportFindDialog::setMatchCase(bool on)
{
    m_matchCase->setChecked(on);
}

void ReportFindDialog::setWholeWords(bool on)
{
    m_wholeWords->setChecked(on);
}
