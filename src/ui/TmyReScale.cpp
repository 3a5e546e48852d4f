#include "TmyReScale.h"

#include "core/AppPaths.h"
#include "core/IniFile.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>
#include <optional>

namespace {

const QString kNoValue = QStringLiteral("NoValue");

bool carriesFont(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QLabel*>(w)
        || qobject_cast<const QAbstractButton*>(w);
}

bool isOptionGroup(const QWidget* w)
{
    const auto* box = qobject_cast<const QGroupBox*>(w);
    return box && box->findChild<QRadioButton*>() != nullptr;
}

std::optional<int> toInt(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// Depth first in child order.
template<class Visit> void visitControls(QWidget* parent, bool skipOptionGroups, const Visit& visit)
{
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) {
            continue;
        }
        visit(child);
        if (!(skipOptionGroups && isOptionGroup(child))) {
            visitControls(child, skipOptionGroups, visit);
        }
    }
}

// Applies one entry; an entry that does not read changes nothing of the control.
void apply(QWidget* control, const QString& value)
{
    const QStringList items = value.split(QLatin1Char(','));
    if (items.size() < 4) {
        return;
    }
    const auto top = toInt(items[0]);
    const auto left = toInt(items[1]);
    const auto height = toInt(items[2]);
    const auto width = toInt(items[3]);
    if (!top || !left || !height || !width || *height < 0 || *width < 0) {
        return;
    }
    std::optional<int> size;
    QString face;
    if (carriesFont(control) && items.size() >= 5) {
        face = items[4].trimmed();
        if (items.size() >= 6 && !items[5].trimmed().isEmpty()) {
            size = toInt(items[5]);
            if (!size || *size <= 0) {
                return;
            }
        }
    }
    control->setGeometry(*left, *top, *width, *height);
    if (!face.isEmpty() || size) {
        QFont font = control->font();
        if (!face.isEmpty()) {
            font.setFamily(face);
        }
        if (size) {
            font.setPointSize(*size);
        }
        control->setFont(font);
    }
}

} // namespace

TmyReScale::TmyReScale(QObject* parent)
    : QObject(parent)
{ }

QString TmyReScale::keyOf(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    if (!parent) {
        return QStringLiteral("nil>") + control->objectName();
    }
    const QWidget* grandparent = parent->parentWidget();
    const QString head = grandparent ? grandparent->objectName() : QStringLiteral("nil");
    return head + QLatin1Char('>') + parent->objectName() + QLatin1Char('>') + control->objectName();
}

bool TmyReScale::load()
{
    if (!YsOwnerForm) {
        return true;
    }
    IniFile ini;
    if (!ini.load(InifileName)) {
        return false;
    }
    SectionName = QString::number(ScreenWidth) + QLatin1Char('*') + QString::number(ScreenHeight);
    visitControls(YsOwnerForm, false, [&](QWidget* control) {
        if (control->objectName().isEmpty()) {
            return;
        }
        const QString value = ini.value(SectionName, keyOf(control), kNoValue);
        if (value != kNoValue) {
            apply(control, value);
        }
    });
    return true;
}

bool TmyReScale::save()
{
    if (!YsOwnerForm) {
        return true;
    }
    IniFile ini;
    if (!ini.load(InifileName)) {
        return false;
    }
    SectionName = QString::number(ScreenWidth) + QLatin1Char('*') + QString::number(ScreenHeight);
    visitControls(YsOwnerForm, true, [&](QWidget* control) {
        if (control->objectName().isEmpty()) {
            return;
        }
        const QRect g = control->geometry();
        QStringList items = {QString::number(g.top()), QString::number(g.left()), QString::number(g.height()),
                             QString::number(g.width())};
        if (carriesFont(control)) {
            items << control->font().family() << QString::number(control->font().pointSize());
        }
        ini.setValue(SectionName, keyOf(control), items.join(QLatin1Char(',')));
    });
    return ini.save(nullptr, InifileName);
}

TmyReScale* TmyReScale::create(QWidget* form, const QString& iniFile)
{
    auto* store = new TmyReScale(form);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        store->ScreenWidth = screen->size().width();
        store->ScreenHeight = screen->size().height();
    }
    store->InifileName = iniFile;
    store->YsOwnerForm = form;
    store->load();
    return store;
}

void TmyReScale::loadLayout(QWidget* form)
{
    const QString path = AppPaths::configIniPath();
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        create(form, path);
    }
}
