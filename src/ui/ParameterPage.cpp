#include "ParameterPage.h"

#include "InputChecks.h"

#include "core/AppPaths.h"
#include "core/TYsObj.h"
#include "report/PictureStore.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

ParameterPage::ParameterPage(int page, const QString& kindCaption, const QString& picture, Host host, QWidget* parent)
    : QWidget(parent)
    , m_page(page)
    , m_host(std::move(host))
{
    auto* v = new QVBoxLayout(this);
    auto* kind = new QLabel(kindCaption, this);
    kind->setObjectName(QStringLiteral("lbl_kind"));
    QFont big = kind->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    kind->setFont(big);
    v->addWidget(kind);

    m_body = new QVBoxLayout;
    v->addLayout(m_body);
    if (!picture.isEmpty()) {
        const QImage image = PictureStore::load(AppPaths::picPath() + picture);
        if (!image.isNull()) {
            m_picture = new QLabel(this);
            m_picture->setObjectName(QStringLiteral("img_page"));
            m_picture->setAlignment(Qt::AlignCenter);
            m_picture->setPixmap(QPixmap::fromImage(image));
            v->addWidget(m_picture);
        }
    }
    v->addStretch(1);

    // the button bar: the object's caption above the three commands
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lbl_title"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    v->addWidget(m_title);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    for (QAction* a : {m_host.saveDefault, m_host.loadDefault, m_host.calculate}) {
        if (!a) {
            continue;
        }
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("bt_") + a->objectName());
        button->setDefaultAction(a);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setMinimumWidth(90);
        bar->addWidget(button);
    }
    bar->addStretch(1);
    v->addLayout(bar);
}

ParameterPage::~ParameterPage() = default;

void ParameterPage::markModified()
{
    if (m_obj && m_host.markModified) {
        m_host.markModified();
    }
}

void ParameterPage::showFor(TYsObj* obj)
{
    if (m_obj) {
        hidePage();
    }
    if (!obj) {
        return;
    }
    m_title->setText(obj->Caption);
    showStep(*obj);
    m_obj = obj; // set last: filling the controls is not an edit
    obj->Modified = false;
    if (m_host.refreshSaveCommands) {
        m_host.refreshSaveCommands();
    }
}

bool ParameterPage::commit()
{
    if (!m_obj) {
        return true;
    }
    if (!writeBack(*m_obj)) {
        m_obj->Modified = true;
        return false;
    }
    m_obj->Modified = false;
    if (m_host.refreshSaveCommands) {
        m_host.refreshSaveCommands();
    }
    return true;
}

void ParameterPage::hidePage()
{
    if (!m_obj) {
        return;
    }
    hideStep();
    ClosePicture(); // the hide step frees the picture window with the copies
    m_obj = nullptr;
    m_title->clear();
}

void ParameterPage::showStep(TYsObj& obj)
{
    Q_UNUSED(obj);
}

bool ParameterPage::writeBack(TYsObj& obj)
{
    Q_UNUSED(obj);
    return true;
}

void ParameterPage::hideStep() { }
